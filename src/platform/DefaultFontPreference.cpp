#include "platform/DefaultFontPreference.h"

#include "platform/IniFile.h"

namespace qm {
namespace {

const QString fontSection = QStringLiteral("Default Font");

struct StyleKey {
    FontStyle style;
    const char *key;
};

constexpr StyleKey styleKeys[] = {
    {FontStyle::Bold, "Bold"},
    {FontStyle::Italic, "Italic"},
    {FontStyle::Underline, "Underline"},
    {FontStyle::StrikeOut, "Strikeout"},
};

} // namespace

FontDescription ReadDefaultFont(const IniFile &ini)
{
    FontDescription font;
    font.name = ini.readString(fontSection, QStringLiteral("Name"), QStringLiteral("Arial"));
    font.size = ini.readInteger(fontSection, QStringLiteral("Size"), 10, 1, FontDescription::largestSize);
    for (const StyleKey &style : styleKeys)
        font.style.setFlag(style.style, ini.readBool(fontSection, QLatin1String(style.key), false));
    font.color = ini.readInteger(fontSection, QStringLiteral("Color"), 0);
    return font;
}

void WriteDefaultFont(IniFile &ini, const FontDescription &font)
{
    ini.writeString(fontSection, QStringLiteral("Name"), font.name);
    ini.writeInteger(fontSection, QStringLiteral("Size"), font.size);
    for (const StyleKey &style : styleKeys)
        ini.writeBool(fontSection, QLatin1String(style.key), font.style.testFlag(style.style));
    ini.writeInteger(fontSection, QStringLiteral("Color"), font.color);
}

} // namespace qm
