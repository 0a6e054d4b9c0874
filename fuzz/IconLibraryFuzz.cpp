// Reads any bytes as an icon file, as a 32-bit program file and as a 16-bit
// one, and extracts every icon. Nothing may crash, leak, read out of bounds
// or allocate without bound; every icon given is empty or 32 x 32.
#include "platform/IconBitmap.h"
#include "platform/IconLibrary.h"
#include "platform/QmError.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

/// More icons only repeat the same reading.
constexpr int iconsPerInput = 16;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void extractAll(const QByteArray &bytes)
{
    const qm::IconLibrary library = qm::IconLibrary::fromData(bytes);
    for (int i = 0; i < library.count() && i < iconsPerInput; ++i) {
        const QImage icon = library.icon(i);
        check(icon.isNull() || icon.size() == QSize(qm::IconLibrary::iconSide, qm::IconLibrary::iconSide));
    }
}

/// A program file whose new header, of the given signature, is the input.
QByteArray programFile(const QByteArray &signature, const QByteArray &rest)
{
    constexpr int newHeader = 0x40;
    QByteArray file(newHeader, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    file[0x3c] = char(newHeader);
    return file + signature + rest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    extractAll(bytes);
    extractAll(programFile(QByteArray("PE\0\0", 4), bytes));
    extractAll(programFile("NE", bytes));
    try {
        qm::decodeIconBitmap(bytes);
    } catch (const QmError &) {
        // Bytes that are no icon image are refused; nothing more is asked.
    }
    return 0;
}
