#pragma once

#include "richtext/Graphic.h"

#include <QByteArray>
#include <QString>

/// What an RTF picture group declares, collected while the group is read,
/// and the graphic made from it when the group closes.
namespace qm::rtf {

class Picture
{
public:
    /// Largest linked metafile that is read from disk.
    static constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;

    /// Forgets everything for a new picture group.
    void reset() { *this = Picture(); }

    /// `PictureKindWord` of the group, 0 while none was named.
    int kind = 0;
    qint32 width = 0; ///< \picw: pixels of a bitmap, the shown size of a metafile
    qint32 height = 0;
    qint32 goalWidth = 0; ///< \picwgoal, twips
    qint32 goalHeight = 0;
    qint32 scaleX = 100; ///< percent
    qint32 scaleY = 100;
    qint32 bitsPerPixel = 0;
    qint32 planes = 1;
    qint32 widthBytes = 0;
    /// Name of a linked picture file, at most 255 characters.
    QString fileName;

    /// Sets the kind; a metafile keeps room for its placeable header in front
    /// of data that has not started yet.
    void setKind(int pictureKind);
    /// Adds one hexadecimal digit (0 to 15) to the picture data.
    void addDigit(int digit)
    {
        if (m_halfByte < 0) {
            m_halfByte = digit;
        } else {
            m_data.append(char(m_halfByte << 4 | digit));
            m_halfByte = -1;
        }
    }
    /// Adds one byte of binary data (\bin).
    void addByte(char byte) { m_data.append(byte); }
    const QByteArray &data() const { return m_data; }

    /// The graphic the data describes; empty when the data does not match
    /// the declared size or kind, or the picture exceeds the picture limits.
    Graphic graphic() const;
    /// Size at which the object is shown, in twips: the goal size scaled.
    qint32 objectWidth() const { return scaled(goalWidth, scaleX); }
    qint32 objectHeight() const { return scaled(goalHeight, scaleY); }

    /// The picture that a linked file holds: a bitmap of a ".bmp" file, the
    /// bytes of a ".wmf" file shown at `width` x `height`. Empty when the file
    /// is missing, unreadable or beyond the picture limits.
    static Graphic loadFile(const QString &fileName, int width, int height);

private:
    static qint32 scaled(qint32 twips, qint32 percent);
    Graphic metafile() const;

    QByteArray m_data;
    int m_halfByte = -1;
    bool m_headerReserved = false;
};

} // namespace qm::rtf
