#include "IconLibrary.h"

#include "ByteReader.h"
#include "FileNameCase.h"
#include "IconBitmap.h"
#include "QmError.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace qm {

namespace {

// Resource types of program files.
constexpr quint32 iconType = 3;       // RT_ICON
constexpr quint32 groupIconType = 14; // RT_GROUP_ICON
/// 16-bit files mark numbered types and names with the top bit.
constexpr quint16 neNumbered = 0x8000;
/// 32-bit resource directories mark subdirectories and names with the top bit.
constexpr quint32 peHighBit = 0x80000000u;

constexpr quint16 iconDirectoryType = 1; // icons; 2 would be cursors
constexpr int dosHeaderSize = 64;
constexpr qint64 newHeaderPointer = 0x3c;

using Span = IconLibrary::Span;
using IconResource = IconLibrary::IconResource;

[[noreturn]] void readError()
{
    throw QmError(QStringLiteral("Stream read error"));
}

/// One image of an icon, as the icon's directory lists it.
struct ImageEntry {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    /// The image bytes in an icon file, the icon resource's number in a program file.
    Span span;
    quint32 id = 0;
};

/// The image to show at the system's icon size: that size itself, else the
/// nearest one (a larger before a smaller one at equal distance), and among
/// equals the one with the most colours.
const ImageEntry &bestImage(const std::vector<ImageEntry> &entries)
{
    const auto rank = [](const ImageEntry &entry) {
        const int distance =
            std::abs(entry.width - IconLibrary::iconSide) + std::abs(entry.height - IconLibrary::iconSide);
        return std::tuple(distance, entry.width < IconLibrary::iconSide, -entry.bitsPerPixel);
    };
    return *std::min_element(entries.begin(), entries.end(),
                             [&rank](const ImageEntry &a, const ImageEntry &b) { return rank(a) < rank(b); });
}

/// Reads an icon directory: the header of an icon file, or a group-icon
/// resource, whose entries name icon resources instead of file offsets.
std::vector<ImageEntry> readImageEntries(ByteReader &reader, bool iconFile)
{
    reader.skip(2); // reserved
    if (reader.readUInt16() != iconDirectoryType)
        readError();
    const int count = reader.readUInt16();
    std::vector<ImageEntry> entries;
    for (int i = 0; i < count; ++i) {
        ImageEntry entry;
        // A size byte of 0 stands for 256.
        entry.width = reader.readUInt8();
        entry.width = entry.width == 0 ? 256 : entry.width;
        entry.height = reader.readUInt8();
        entry.height = entry.height == 0 ? 256 : entry.height;
        reader.skip(4); // colour count, reserved, planes
        entry.bitsPerPixel = reader.readUInt16();
        entry.span.length = reader.readUInt32();
        if (iconFile)
            entry.span.offset = reader.readUInt32();
        else
            entry.id = reader.readUInt16();
        entries.push_back(entry);
    }
    if (entries.empty())
        readError();
    return entries;
}

/// Finds the icons of a 32-bit program file in its resource tree (type,
/// name, language; the first language of each is taken).
class PeResources
{
public:
    PeResources(QByteArrayView data, qint64 peHeader)
        : m_reader(data, peHeader + 4)
    {
        m_reader.skip(2); // machine
        const int sectionCount = m_reader.readUInt16();
        m_reader.skip(12);
        const int optionalHeaderSize = m_reader.readUInt16();
        m_reader.skip(2);
        const qint64 optionalHeader = m_reader.position();
        const quint16 magic = m_reader.readUInt16();
        // The data directories sit further on in the 64-bit header.
        const qint64 directoryCount = magic == 0x20b ? 108 : magic == 0x10b ? 92 : -1;
        if (directoryCount < 0)
            readError();
        m_reader.seek(optionalHeader + directoryCount);
        constexpr quint32 resourceDirectory = 2;
        if (m_reader.readUInt32() <= resourceDirectory)
            return;
        m_reader.skip(8 * resourceDirectory);
        const quint32 resourceAddress = m_reader.readUInt32();
        if (resourceAddress == 0)
            return;

        m_reader.seek(optionalHeader + optionalHeaderSize);
        for (int i = 0; i < sectionCount; ++i) {
            m_reader.skip(8); // name
            Section section;
            section.virtualSize = m_reader.readUInt32();
            section.virtualAddress = m_reader.readUInt32();
            section.rawSize = m_reader.readUInt32();
            section.rawOffset = m_reader.readUInt32();
            m_reader.skip(16);
            m_sections.push_back(section);
        }
        m_root = fileOffset(resourceAddress);
    }

    void collect(std::vector<Span> &groups, std::vector<IconResource> &icons)
    {
        if (m_root < 0)
            return;
        for (const Entry &type : entries(m_root)) {
            if (type.name == groupIconType || type.name == iconType) {
                for (const Entry &resource : entries(subdirectory(type))) {
                    const Span span = data(resource);
                    if (type.name == groupIconType)
                        groups.push_back(span);
                    else
                        icons.push_back({resource.name, span});
                }
            }
        }
    }

private:
    struct Section {
        quint32 virtualSize = 0;
        quint32 virtualAddress = 0;
        quint32 rawSize = 0;
        quint32 rawOffset = 0;
    };
    struct Entry {
        /// Named entries keep the top bit, so that no name equals a number.
        quint32 name = 0;
        quint32 target = 0;
    };

    qint64 fileOffset(quint32 address) const
    {
        for (const Section &section : m_sections) {
            const quint64 extent = std::max(section.virtualSize, section.rawSize);
            if (address >= section.virtualAddress && address - section.virtualAddress < extent)
                return qint64(address) - section.virtualAddress + section.rawOffset;
        }
        readError();
    }

    std::vector<Entry> entries(qint64 directory)
    {
        m_reader.seek(directory + 12);
        const int count = m_reader.readUInt16() + m_reader.readUInt16();
        std::vector<Entry> result;
        for (int i = 0; i < count; ++i) {
            Entry entry;
            entry.name = m_reader.readUInt32();
            entry.target = m_reader.readUInt32();
            result.push_back(entry);
        }
        return result;
    }

    qint64 subdirectory(const Entry &entry) const
    {
        if (!(entry.target & peHighBit))
            readError();
        return m_root + (entry.target & ~peHighBit);
    }

    /// The data of a resource: its first language, or the entry itself when
    /// the tree leaves out the language level.
    Span data(const Entry &resource)
    {
        qint64 dataEntry = m_root + (resource.target & ~peHighBit);
        if (resource.target & peHighBit) {
            const std::vector<Entry> languages = entries(dataEntry);
            if (languages.empty() || (languages.front().target & peHighBit))
                readError();
            dataEntry = m_root + languages.front().target;
        }
        m_reader.seek(dataEntry);
        const quint32 address = m_reader.readUInt32();
        const quint32 length = m_reader.readUInt32();
        return {fileOffset(address), length};
    }

    ByteReader m_reader;
    std::vector<Section> m_sections;
    qint64 m_root = -1;
};

/// Collects the icons of a 16-bit program file from its resource table.
void collectNeResources(QByteArrayView data, qint64 neHeader, std::vector<Span> &groups,
                        std::vector<IconResource> &icons)
{
    ByteReader reader(data, neHeader + 0x24);
    const quint16 resourceTable = reader.readUInt16();
    if (resourceTable == 0)
        return;
    reader.seek(neHeader + resourceTable);
    // Offsets and lengths count in units of 2^shift bytes.
    const int shift = reader.readUInt16();
    if (shift > 24)
        readError();
    for (quint16 type = reader.readUInt16(); type != 0; type = reader.readUInt16()) {
        const int count = reader.readUInt16();
        reader.skip(4);
        for (int i = 0; i < count; ++i) {
            const Span span{qint64(reader.readUInt16()) << shift, qint64(reader.readUInt16()) << shift};
            reader.skip(2); // flags
            const quint16 id = reader.readUInt16();
            reader.skip(4);
            if (type == (neNumbered | groupIconType))
                groups.push_back(span);
            else if (type == (neNumbered | iconType) && (id & neNumbered))
                icons.push_back({quint32(id & ~neNumbered), span});
        }
    }
}

QByteArrayView spanBytes(QByteArrayView data, const Span &span)
{
    return ByteReader(data, span.offset).readBytes(span.length);
}

} // namespace

IconLibrary::IconLibrary(const QString &fileName)
{
    const QString existing = existingFileName(fileName);
    if (existing.isEmpty())
        return;
    m_file = std::make_unique<QFile>(existing);
    if (!m_file->open(QIODevice::ReadOnly))
        return;
    // Mapping spares reading a large program file whose icons are a small part of it.
    if (const uchar *mapped = m_file->map(0, m_file->size()))
        m_data = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), m_file->size());
    else
        m_data = m_file->readAll();
    parse();
}

IconLibrary IconLibrary::fromData(const QByteArray &data)
{
    IconLibrary library;
    library.m_data = data;
    library.parse();
    return library;
}

IconLibrary::~IconLibrary() = default;
IconLibrary::IconLibrary(IconLibrary &&) noexcept = default;
IconLibrary &IconLibrary::operator=(IconLibrary &&) noexcept = default;

void IconLibrary::parse()
{
    try {
        ByteReader reader(m_data);
        if (m_data.startsWith("MZ") && m_data.size() >= dosHeaderSize) {
            reader.seek(newHeaderPointer);
            const qint64 newHeader = reader.readUInt32();
            reader.seek(newHeader);
            const QByteArrayView signature = reader.readBytes(2);
            if (signature == "PE" && reader.readUInt16() == 0)
                PeResources(m_data, newHeader).collect(m_groups, m_icons);
            else if (signature == "NE")
                collectNeResources(m_data, newHeader, m_groups, m_icons);
        } else {
            readImageEntries(reader, true);
            m_iconFile = true;
            m_groups.push_back({0, m_data.size()});
        }
    } catch (const QmError &) {
        // A file whose directory cannot be read holds no icon we could show.
        m_groups.clear();
        m_icons.clear();
    }
}

QImage IconLibrary::icon(int index) const
{
    if (index < 0 || index >= count())
        return {};
    try {
        ByteReader directory(spanBytes(m_data, m_groups[size_t(index)]));
        // A copy: the entries are gone after this line.
        const ImageEntry best = bestImage(readImageEntries(directory, m_iconFile));
        Span span = best.span;
        if (!m_iconFile) {
            const auto found = std::find_if(m_icons.begin(), m_icons.end(),
                                            [&best](const IconResource &icon) { return icon.id == best.id; });
            if (found == m_icons.end())
                return {};
            span = found->span;
        }
        const QImage image = decodeIconBitmap(spanBytes(m_data, span));
        if (image.width() == iconSide && image.height() == iconSide)
            return image;
        return image.scaled(iconSide, iconSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } catch (const QmError &) {
        return {};
    }
}

} // namespace qm
