#pragma once

#include <QHash>
#include <QRawFont>
#include <QString>

#include <array>
#include <memory>

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

/// The measures of one font for every Windows-1252 character: what layout
/// caches in each character's attribute and what painting draws with.
struct CachedFont {
    QRawFont rawFont;
    std::array<quint32, 256> glyphs{}; ///< glyph index of each byte
    std::array<qint16, 256> widths{};  ///< advance in whole pixels
    qint16 height = 0;                 ///< ascent plus descent
    qint16 ascent = 0;
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
