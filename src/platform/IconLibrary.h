#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

class QFile;

namespace qm {

/// The icons of one file: an icon file (.ICO, one icon of several images),
/// or the icon resources of a 32-bit (PE) or 16-bit (NE) program or library
/// (.EXE, .DLL, .ICL), one icon per group-icon resource in the file's order.
///
/// This is the platform's icon extraction: asked for icon number -1 it says
/// how many icons the file holds, asked for number i it gives the i-th icon.
/// Nothing in the file is trusted; a damaged or foreign file holds no icon or
/// gives empty images, and never makes the reader leave its bytes.
class IconLibrary
{
public:
    /// The size of the icons given: the system's icon size.
    static constexpr int iconSide = 32;

    /// Reads the file at `fileName` (found regardless of letter case, see
    /// existingFileName). A missing or unreadable file holds no icon.
    explicit IconLibrary(const QString &fileName);
    /// The icons of file contents held in memory.
    static IconLibrary fromData(const QByteArray &data);
    ~IconLibrary();
    IconLibrary(IconLibrary &&) noexcept;
    IconLibrary &operator=(IconLibrary &&) noexcept;

    /// How many icons the file holds (what icon number -1 asks for): 0 for a file with none or one that is
    /// no icon container.
    int count() const { return int(m_groups.size()); }
    /// Icon `index` (0 to count() - 1) at iconSide x iconSide pixels, made
    /// from the image of that size or, when the icon has none, from the
    /// nearest size; a null image for a number out of range or a damaged icon.
    QImage icon(int index) const;

    /// Where the icon of a group lies: an offset and length in the file.
    struct Span {
        qint64 offset = 0;
        qint64 length = 0;
    };
    /// An icon resource by its number, for the groups of a program file.
    struct IconResource {
        quint32 id = 0;
        Span span;
    };

private:
    IconLibrary() = default;
    void parse();
    QByteArray m_data;
    /// Keeps a mapped file alive as long as m_data points into it.
    std::unique_ptr<QFile> m_file;
    bool m_iconFile = false;
    std::vector<Span> m_groups;
    std::vector<IconResource> m_icons;
};

} // namespace qm
