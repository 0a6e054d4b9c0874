#include "richtext/FontCache.h"

#include "platform/Cp1252.h"

#include <QFont>

#include <cmath>

namespace qm {

size_t qHash(const FontKey &key, size_t seed)
{
    return qHashMulti(seed, key.family, key.pixelSize, key.bold, key.italic);
}

std::shared_ptr<const CachedFont> FontCache::font(const FontKey &key)
{
    // Runs of one font follow each other; most look-ups ask for the last font again.
    if (m_last && key == m_lastKey)
        return m_last;
    auto found = m_fonts.constFind(key);
    if (found == m_fonts.constEnd()) {
        if (m_fonts.size() >= MaxEntries)
            m_fonts.clear();
        found = m_fonts.insert(key, load(key));
    }
    m_lastKey = key;
    m_last = found.value();
    return m_last;
}

std::unique_ptr<CachedFont> FontCache::load(const FontKey &key)
{
    QFont font(key.family);
    font.setPixelSize(qMax(1, key.pixelSize));
    font.setBold(key.bold);
    font.setItalic(key.italic);
    font.setKerning(false);
    // Unhinted outlines scale linearly: a page zoomed to 200 % is twice as
    // wide, and screen and paper agree.
    font.setHintingPreference(QFont::PreferNoHinting);

    auto cached = std::make_unique<CachedFont>();
    cached->rawFont = QRawFont::fromFont(font);
    const QRawFont &raw = cached->rawFont;
    if (!raw.isValid())
        return cached;

    std::array<QChar, 256> characters;
    for (int code = 0; code < 256; ++code)
        characters[code] = fromCp1252(char(code));
    int glyphCount = 256;
    raw.glyphIndexesForChars(characters.data(), 256, cached->glyphs.data(), &glyphCount);
    std::array<QPointF, 256> advances;
    raw.advancesForGlyphIndexes(cached->glyphs.data(), advances.data(), 256, QRawFont::UseDesignMetrics);
    for (int code = 0; code < 256; ++code)
        cached->widths[code] = qint16(std::lround(advances[code].x()));
    cached->ascent = qint16(std::lround(raw.ascent()));
    // Rounded once, so that a font twice the size is twice as tall.
    cached->height = qint16(std::lround(raw.ascent() + raw.descent()));
    return cached;
}

} // namespace qm
