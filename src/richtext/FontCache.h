#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace qm {

/// A font as the paint engine selects it: face, character height in pixels
/// and the styles a face provides (underline and the script positions are
/// drawn by the engine, strike-out by the glyph run).
struct FontKey {
    QString family;
    int pixelSize = 0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const FontKey &, const FontKey &) = default;
};

size_t qHash(const FontKey &key, size_t seed = 0);

/// How one character is drawn: a glyph of one of the font's faces.
struct Glyph {
    quint32 index = 0;
    qint16 width = 0; ///< advance in whole pixels
    quint8 face = 0;  ///< 0 the font itself, else a face that has the characters it lacks
};

/// The measures of one font: what layout caches in each character's
/// attribute and what painting draws with. The first 256 characters are
/// measured at once; any other character when it is first asked for, in the
/// font itself or, when the font does not have it, in the face that the
/// platform's font fallback chooses (Greek, Cyrillic, Japanese, emoji).
class CachedFont
{
public:
    explicit CachedFont(const QFont &font);

    /// The glyph of `character` (a code point).
    Glyph glyph(char32_t character) const
    {
        return character < m_latin.size() ? m_latin[character] : otherGlyph(character);
    }
    qint16 width(char32_t character) const { return glyph(character).width; }
    const QRawFont &face(int number) const { return m_faces[size_t(number)]; }
    /// False when the platform has no usable face for the font at all.
    bool isValid() const { return !m_faces.empty() && m_faces.front().isValid(); }

    std::array<qint16, 256> latinWidths() const;
    qint16 height = 0; ///< ascent plus descent
    qint16 ascent = 0;

private:
    Glyph otherGlyph(char32_t character) const;
    Glyph measure(const QRawFont &face, int faceNumber, char32_t character) const;
    int faceNumber(const QRawFont &face) const;

    QFont m_font;
    std::array<Glyph, 256> m_latin{};
    // Filled while painting and measuring; a font is only ever used on the GUI thread.
    mutable std::vector<QRawFont> m_faces;
    mutable QHash<char32_t, Glyph> m_others;
};

/// Fonts resolved once and kept: resolving a face and measuring its 256
/// characters costs far more than laying out a cell. Entries never go stale
/// (a key names the face, size and style completely), so the cache is only
/// ever emptied to bound its size.
class FontCache
{
public:
    /// The measures of `key`; shared, so that they outlive a later clearing of the cache.
    std::shared_ptr<const CachedFont> font(const FontKey &key);

private:
    static constexpr int MaxEntries = 256;
    static std::unique_ptr<CachedFont> load(const FontKey &key);

    QHash<FontKey, std::shared_ptr<const CachedFont>> m_fonts;
    FontKey m_lastKey;
    std::shared_ptr<const CachedFont> m_last;
};

} // namespace qm
