// Loads any bytes as a calendar document and as a style sheet, through the
// same stream entry points the file functions use, saves what loaded, and
// lays out and paints it with its cell texts into a small image, as the
// window would show it. A load may fail with a message; nothing may crash,
// leak or read out of bounds, and a loaded file must always draw.
#include "FuzzApplication.h"
#include "calendar/CalendarModel.h"
#include "platform/Environment.h"
#include "platform/QmError.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void prepare()
{
    qm::fuzz::ensureApplication();
    qm::Environment::pinScreenPixelsPerInch(96);
}

/// Small enough to paint quickly, large enough that cell texts still get
/// laid out in lines and drawn.
constexpr int smallImageZoom = 20;

void loadWith(void (CalendarModel::*load)(QIODevice &), const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CalendarModel calendar;
    try {
        (calendar.*load)(buffer);
    } catch (const QmError &) {
        return; // a failure the user is told about, not a fault
    }
    // Whatever loads must save again, and draw.
    calendar.CalendarDocumentBytes();
    calendar.SetMagnification(smallImageZoom);
    if (calendar.MakeBitmap().isNull())
        std::abort(); // every page a file can describe fits in memory at this zoom
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool prepared = (prepare(), true);
    Q_UNUSED(prepared);
    loadWith(&CalendarModel::LoadCalendarFromStream, data, size);
    loadWith(&CalendarModel::LoadStyleSheetFromStream, data, size);
    qm::fuzz::letCachesShrink();
    return 0;
}
