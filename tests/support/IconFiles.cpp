#include "IconFiles.h"

#include "platform/IconBitmap.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

namespace qm::test {

namespace {

QDataStream &littleEndian(QDataStream &stream)
{
    stream.setByteOrder(QDataStream::LittleEndian);
    return stream;
}

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    put16(bytes, at, quint16(value & 0xffff));
    put16(bytes, at + 2, quint16(value >> 16));
}

/// The resource tree of a program file: types 3 (icons) and 14 (groups),
/// each resource with one language; data addresses count from `sectionAddress`.
QByteArray resourceSection(const std::vector<QByteArray> &icons, const std::vector<QByteArray> &groups,
                           quint32 sectionAddress)
{
    const std::vector<const std::vector<QByteArray> *> types{&icons, &groups};
    const quint32 typeIds[] = {3, 14};
    const auto directory = [](int entries) { return 16 + 8 * entries; };
    const qsizetype resources = qsizetype(icons.size() + groups.size());
    qsizetype typeDirectories = directory(2);
    qsizetype languageDirectories = typeDirectories + directory(int(icons.size())) + directory(int(groups.size()));
    qsizetype dataEntries = languageDirectories + resources * directory(1);
    qsizetype data = dataEntries + resources * 16;

    QByteArray section(data, '\0');
    put16(section, 14, 2);
    qsizetype nameDirectory = typeDirectories;
    qsizetype languageDirectory = languageDirectories;
    qsizetype dataEntry = dataEntries;
    for (int type = 0; type < 2; ++type) {
        put32(section, 16 + 8 * type, typeIds[type]);
        put32(section, 16 + 8 * type + 4, 0x80000000u | quint32(nameDirectory));
        const std::vector<QByteArray> &list = *types[size_t(type)];
        put16(section, nameDirectory + 14, quint16(list.size()));
        for (size_t i = 0; i < list.size(); ++i) {
            const qsizetype entry = nameDirectory + 16 + 8 * qsizetype(i);
            put32(section, entry, quint32(i + 1));
            put32(section, entry + 4, 0x80000000u | quint32(languageDirectory));
            put16(section, languageDirectory + 14, 1);
            put32(section, languageDirectory + 16, 0x409);
            put32(section, languageDirectory + 20, quint32(dataEntry));
            put32(section, dataEntry, sectionAddress + quint32(section.size()));
            put32(section, dataEntry + 4, quint32(list[i].size()));
            section.append(list[i]);
            languageDirectory += directory(1);
            dataEntry += 16;
        }
        nameDirectory += directory(int(list.size()));
    }
    return section;
}

} // namespace

QImage filledImage(int side, const QColor &color)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QByteArray iconFile(const QList<IconFileImage> &images)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    littleEndian(out) << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = quint32(6 + 16 * images.size());
    for (const IconFileImage &image : images) {
        out << quint8(image.side % 256) << quint8(image.side % 256) << quint16(0) << quint16(1) << quint16(32)
            << quint32(image.bytes.size()) << offset;
        offset += quint32(image.bytes.size());
    }
    for (const IconFileImage &image : images)
        out.writeRawData(image.bytes.constData(), int(image.bytes.size()));
    return file;
}

QByteArray iconFile(const IconImages &images)
{
    QList<IconFileImage> entries;
    for (const QImage &image : images)
        entries.append({image.width(), encodeIconBitmap(image)});
    return iconFile(entries);
}

QByteArray programFile(const std::vector<IconImages> &icons, ProgramBits bits)
{
    std::vector<QByteArray> iconData;
    std::vector<QByteArray> groupData;
    for (const IconImages &images : icons) {
        groupData.push_back(writeIconGroupDirectory(images, quint16(iconData.size() + 1)));
        for (const QImage &image : images)
            iconData.push_back(encodeIconBitmap(image));
    }
    constexpr quint32 sectionAddress = 0x1000;
    constexpr quint32 sectionOffset = 0x400;
    const QByteArray section = resourceSection(iconData, groupData, sectionAddress);

    const bool wide = bits == ProgramBits::Bits64;
    const int optionalSize = wide ? 240 : 224;
    QByteArray file(sectionOffset, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    put32(file, 0x3c, 0x40);
    file.replace(0x40, 4, QByteArray("PE\0\0", 4));
    const qsizetype coff = 0x44;
    put16(file, coff, wide ? 0x8664 : 0x14c);
    put16(file, coff + 2, 1);
    put16(file, coff + 16, quint16(optionalSize));
    put16(file, coff + 18, 0x2102); // a DLL
    const qsizetype optional = coff + 20;
    put16(file, optional, wide ? 0x20b : 0x10b);
    const qsizetype directories = optional + (wide ? 108 : 92);
    put32(file, directories, 16);
    put32(file, directories + 4 + 2 * 8, sectionAddress);
    put32(file, directories + 4 + 2 * 8 + 4, quint32(section.size()));
    const qsizetype sectionHeader = optional + optionalSize;
    file.replace(sectionHeader, 5, ".rsrc");
    put32(file, sectionHeader + 8, quint32(section.size()));
    put32(file, sectionHeader + 12, sectionAddress);
    put32(file, sectionHeader + 16, quint32(section.size()));
    put32(file, sectionHeader + 20, sectionOffset);
    return file + section;
}

QByteArray colourBitmap(int side, int bitsPerPixel, const QList<QRgb> &palette, const QList<QRgb> &pixels,
                        const QList<QPoint> &transparent)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    littleEndian(out) << quint32(40) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(bitsPerPixel)
                      << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(palette.size()) << quint32(0);
    for (const QRgb colour : palette)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    const auto rowBytes = [side](int bits) { return (side * bits + 31) / 32 * 4; };
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(bitsPerPixel), '\0');
        for (int x = 0; x < side; ++x) {
            const QRgb colour = pixels[y * side + x];
            if (bitsPerPixel == 24) {
                row[3 * x] = char(qBlue(colour));
                row[3 * x + 1] = char(qGreen(colour));
                row[3 * x + 2] = char(qRed(colour));
                continue;
            }
            const int index = int(palette.indexOf(colour));
            const int shift = 8 - bitsPerPixel * (x % (8 / bitsPerPixel) + 1);
            row[x * bitsPerPixel / 8] = char(quint8(row[x * bitsPerPixel / 8]) | index << shift);
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(1), '\0');
        for (int x = 0; x < side; ++x) {
            if (transparent.contains(QPoint(x, y)))
                row[x / 8] = char(quint8(row[x / 8]) | 0x80 >> (x % 8));
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    return bytes;
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace qm::test
