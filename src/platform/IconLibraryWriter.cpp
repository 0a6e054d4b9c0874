#include "IconLibraryWriter.h"

#include "IconBitmap.h"
#include "QmError.h"

#include <QDataStream>
#include <QIODevice>

namespace qm {

namespace {

constexpr int newHeaderOffset = 0x80;
constexpr int newHeaderSize = 0x40;
/// Resources are aligned to 2^4 = 16 bytes, the unit of their offsets and lengths.
constexpr int alignmentShift = 4;
constexpr quint16 numbered = 0x8000;
constexpr quint16 iconType = numbered | 3;
constexpr quint16 groupIconType = numbered | 14;
/// Movable, pure and discardable, as resource compilers mark icons.
constexpr quint16 resourceFlags = 0x1030;
constexpr quint16 libraryModule = 0x8000;
constexpr quint8 windowsTarget = 2;
constexpr quint16 windowsVersion = 0x030a;

/// The old-style header, and a stub that ends at once when the file is run
/// as a DOS program.
QByteArray dosStub()
{
    QByteArray stub(newHeaderOffset, '\0');
    QDataStream out(&stub, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("MZ", 2);
    out << quint16(newHeaderOffset % 512) << quint16(1) << quint16(0) << quint16(4) << quint16(0) << quint16(0xffff)
        << quint16(0) << quint16(0xb8) << quint16(0) << quint16(0) << quint16(0) << quint16(0x40);
    out.device()->seek(0x3c);
    out << quint32(newHeaderOffset);
    const char exitProgram[] = "\xb8\x01\x4c\xcd\x21"; // mov ax, 4c01h; int 21h
    out.writeRawData(exitProgram, 5);
    return stub;
}

QByteArray nameEntry(const QByteArray &name)
{
    QByteArray entry;
    entry.append(char(qMin<qsizetype>(name.size(), 255)));
    entry.append(name.left(255));
    entry.append(2, '\0'); // ordinal 0
    return entry;
}

struct Resource {
    quint16 id = 0;
    QByteArray data;
};

} // namespace

QByteArray writeIconLibrary(const std::vector<IconImages> &icons, const QByteArray &moduleName)
{
    std::vector<QByteArray> bitmaps;
    for (const IconImages &images : icons) {
        for (const QImage &image : images)
            bitmaps.push_back(encodeIconBitmap(image));
    }
    std::vector<Resource> groups;
    std::vector<Resource> iconResources;
    size_t bitmap = 0;
    for (size_t icon = 0; icon < icons.size(); ++icon) {
        groups.push_back({quint16(icon + 1), writeIconGroupDirectory(icons[icon], quint16(bitmap + 1))});
        for (size_t i = 0; i < icons[icon].size(); ++i, ++bitmap)
            iconResources.push_back({quint16(bitmap + 1), bitmaps[bitmap]});
    }

    // The tables after the header, in the order the header lists them.
    const int resourceTableSize = 2 + 2 * 8 + int(groups.size() + iconResources.size()) * 12 + 2 + 1;
    const QByteArray residentNames = nameEntry(moduleName) + QByteArray(1, '\0');
    const QByteArray importedNames(1, '\0');
    const QByteArray entryTable(2, '\0');
    const QByteArray nonResidentNames = nameEntry(moduleName + " icon library") + QByteArray(1, '\0');
    const int resourceTable = newHeaderSize;
    const int residentTable = resourceTable + resourceTableSize;
    const int moduleReferences = residentTable + int(residentNames.size());
    const int importedTable = moduleReferences;
    const int entryTableOffset = importedTable + int(importedNames.size());
    const int nonResidentOffset = newHeaderOffset + entryTableOffset + int(entryTable.size());
    const qint64 tablesEnd = nonResidentOffset + nonResidentNames.size();

    const qint64 unit = 1 << alignmentShift;
    qint64 dataOffset = (tablesEnd + unit - 1) / unit * unit;
    QByteArray resourceData;
    const auto place = [&](const Resource &resource, QDataStream &table) {
        const qint64 units = (resource.data.size() + unit - 1) / unit;
        if ((dataOffset + resourceData.size()) / unit + units > 0xffff)
            throw QmError(QStringLiteral("Too many icons for one icon library"));
        table << quint16((dataOffset + resourceData.size()) / unit) << quint16(units) << resourceFlags
              << quint16(numbered | resource.id) << quint16(0) << quint16(0);
        resourceData.append(resource.data);
        resourceData.append(units * unit - resource.data.size(), '\0');
    };

    QByteArray table;
    QDataStream tableOut(&table, QIODevice::WriteOnly);
    tableOut.setByteOrder(QDataStream::LittleEndian);
    tableOut << quint16(alignmentShift);
    tableOut << groupIconType << quint16(groups.size()) << quint32(0);
    for (const Resource &group : groups)
        place(group, tableOut);
    tableOut << iconType << quint16(iconResources.size()) << quint32(0);
    for (const Resource &icon : iconResources)
        place(icon, tableOut);
    tableOut << quint16(0) << quint8(0); // end of types, no resource names

    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("NE", 2);
    out << quint8(5) << quint8(10) << quint16(entryTableOffset) << quint16(entryTable.size()) << quint32(0)
        << libraryModule << quint16(0) << quint16(0) << quint16(0) << quint32(0) << quint32(0) << quint16(0)
        << quint16(0) << quint16(nonResidentNames.size()) << quint16(resourceTable) << quint16(resourceTable)
        << quint16(residentTable) << quint16(moduleReferences) << quint16(importedTable) << quint32(nonResidentOffset)
        << quint16(0) << quint16(alignmentShift) << quint16(0) << windowsTarget << quint8(0) << quint16(0) << quint16(0)
        << quint16(0) << windowsVersion;

    QByteArray file = dosStub() + header + table + residentNames + importedNames + entryTable + nonResidentNames;
    file.append(dataOffset - file.size(), '\0');
    return file + resourceData;
}

QByteArray writeIconGroupDirectory(const IconImages &images, quint16 firstIconId)
{
    QByteArray directory;
    QDataStream out(&directory, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage &image = images[i];
        // A size of 256 is written as 0.
        out << quint8(image.width() % 256) << quint8(image.height() % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(encodeIconBitmap(image).size()) << quint16(firstIconId + i);
    }
    return directory;
}

} // namespace qm
