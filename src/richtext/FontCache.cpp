#include "richtext/FontCache.h"

#include <QGlyphRun>
#include <QTextLayout>

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
    return std::make_unique<CachedFont>(font);
}

CachedFont::CachedFont(const QFont &font)
    : m_font(font)
{
    m_faces.push_back(QRawFont::fromFont(font));
    const QRawFont &raw = m_faces.front();
    if (!raw.isValid())
        return;
    std::array<QChar, 256> characters;
    for (int code = 0; code < 256; ++code)
        characters[size_t(code)] = QChar(code);
    std::array<quint32, 256> glyphs{};
    int glyphCount = 256;
    raw.glyphIndexesForChars(characters.data(), 256, glyphs.data(), &glyphCount);
    std::array<QPointF, 256> advances;
    raw.advancesForGlyphIndexes(glyphs.data(), advances.data(), 256, QRawFont::UseDesignMetrics);
    for (int code = 0; code < 256; ++code)
        m_latin[size_t(code)] = {glyphs[size_t(code)], qint16(std::lround(advances[size_t(code)].x())), 0};
    ascent = qint16(std::lround(raw.ascent()));
    // Rounded once, so that a font twice the size is twice as tall.
    height = qint16(std::lround(raw.ascent() + raw.descent()));
}

std::array<qint16, 256> CachedFont::latinWidths() const
{
    std::array<qint16, 256> widths{};
    for (size_t code = 0; code < widths.size(); ++code)
        widths[code] = m_latin[code].width;
    return widths;
}

Glyph CachedFont::measure(const QRawFont &face, int number, char32_t character) const
{
    Glyph glyph;
    glyph.face = quint8(number);
    const QString text = QString::fromUcs4(&character, 1);
    int count = 2;
    quint32 indexes[2] = {};
    if (!face.glyphIndexesForChars(text.constData(), int(text.size()), indexes, &count) || count < 1)
        return glyph;
    glyph.index = indexes[0];
    QPointF advance;
    face.advancesForGlyphIndexes(&glyph.index, &advance, 1, QRawFont::UseDesignMetrics);
    glyph.width = qint16(std::lround(advance.x()));
    return glyph;
}

int CachedFont::faceNumber(const QRawFont &face) const
{
    for (size_t number = 0; number < m_faces.size(); ++number) {
        if (m_faces[number] == face)
            return int(number);
    }
    // A font seldom needs more than a few faces; beyond what a glyph can name, the font's own face stands in.
    if (m_faces.size() > 255)
        return 0;
    m_faces.push_back(face);
    return int(m_faces.size() - 1);
}

Glyph CachedFont::otherGlyph(char32_t character) const
{
    if (auto found = m_others.constFind(character); found != m_others.constEnd())
        return found.value();
    Glyph glyph;
    const QRawFont &own = m_faces.front();
    if (own.isValid() && own.supportsCharacter(character)) {
        glyph = measure(own, 0, character);
    } else if (own.isValid()) {
        // The platform's font matching picks the face that has the character.
        QTextLayout layout(QString::fromUcs4(&character, 1), m_font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (!runs.isEmpty() && runs.front().rawFont().isValid()) {
            const QRawFont face = runs.front().rawFont();
            glyph = measure(face, faceNumber(face), character);
        } else {
            glyph = measure(own, 0, character);
        }
    }
    m_others.insert(character, glyph);
    return glyph;
}

} // namespace qm
