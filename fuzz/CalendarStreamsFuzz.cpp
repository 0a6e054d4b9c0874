// Loads any bytes as a calendar document and as a style sheet, through the
// same stream entry points the file functions use, and saves what loaded. A
// load may fail with a message; it must never crash, leak or read out of
// bounds.
#include "calendar/CalendarModel.h"
#include "platform/Environment.h"
#include "platform/QmError.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>

namespace {

void prepare()
{
    // The replay program brings its own application; libFuzzer does not.
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "CalendarStreamsFuzz";
        static char *argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
    qm::Environment::pinScreenPixelsPerInch(96);
}

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
    // Whatever loads must save again.
    calendar.CalendarDocumentBytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool prepared = (prepare(), true);
    Q_UNUSED(prepared);
    loadWith(&CalendarModel::LoadCalendarFromStream, data, size);
    loadWith(&CalendarModel::LoadStyleSheetFromStream, data, size);
    return 0;
}
