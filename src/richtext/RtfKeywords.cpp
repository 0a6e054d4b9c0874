#include "richtext/RtfKeywords.h"

#include <array>
#include <bit>

namespace qm::rtf {
namespace {

using enum KeywordKind;
using enum Action;

constexpr bool Fixed = true;
constexpr bool Variable = false;

// clang-format off
constexpr Keyword Keywords[] = {
    // Characters
    {"line",       Character, InsertCharacter, LineBreakCode, Fixed},
    {"tab",        Character, InsertCharacter, 9, Fixed},
    {"ldblquote",  Character, InsertCharacter, '"', Fixed},
    {"rdblquote",  Character, InsertCharacter, '"', Fixed},
    {"lquote",     Character, InsertCharacter, 0x2018, Fixed},
    {"rquote",     Character, InsertCharacter, 0x2019, Fixed},
    {"emdash",     Character, InsertCharacter, 0x2014, Fixed},
    {"endash",     Character, InsertCharacter, 0x2013, Fixed},
    {"bullet",     Character, InsertCharacter, 0x2022, Fixed},
    {"~",          Character, InsertCharacter, 0x00A0, Fixed}, // no-break space
    {"_",          Character, InsertCharacter, 0x2011, Fixed}, // non-breaking hyphen
    {"-",          Special, Ignore, 0, Variable},               // an optional hyphen shows nothing
    {"{",          Character, InsertCharacter, '{', Fixed},
    {"}",          Character, InsertCharacter, '}', Fixed},
    {"\\",         Character, InsertCharacter, '\\', Fixed},

    // Destinations
    {"fonttbl",    Destination, FontTable, 0, Variable},
    {"colortbl",   Destination, ColorTable, 0, Variable},
    {"pict",       Destination, Picture, 0, Variable},
    {"picfile",    Destination, PictureFile, 0, Variable},
    {"title",      Destination, Title, 0, Variable},
    {"comment",    Destination, Comment, 0, Variable},
    {"subject",    Destination, Subject, 0, Variable},
    {"footnote",   Destination, Footnote, 0, Variable},
    {"field",      Destination, Field, 0, Variable},
    {"fldinst",    Destination, FieldInstruction, 0, Variable},
    {"fldrslt",    Destination, FieldResult, 0, Variable},
    {"delphicontrol", Destination, SkipDestination, 0, Variable},
    {"author",     Destination, SkipDestination, 0, Variable},
    {"buptim",     Destination, SkipDestination, 0, Variable},
    {"creatim",    Destination, SkipDestination, 0, Variable},
    {"doccomm",    Destination, SkipDestination, 0, Variable},
    {"footer",     Destination, SkipDestination, 0, Variable},
    {"footerf",    Destination, SkipDestination, 0, Variable},
    {"footerl",    Destination, SkipDestination, 0, Variable},
    {"footerr",    Destination, SkipDestination, 0, Variable},
    {"ftncn",      Destination, SkipDestination, 0, Variable},
    {"ftnsep",     Destination, SkipDestination, 0, Variable},
    {"ftnsepc",    Destination, SkipDestination, 0, Variable},
    {"header",     Destination, SkipDestination, 0, Variable},
    {"headerf",    Destination, SkipDestination, 0, Variable},
    {"headerl",    Destination, SkipDestination, 0, Variable},
    {"headerr",    Destination, SkipDestination, 0, Variable},
    {"info",       Destination, SkipDestination, 0, Variable},
    {"keywords",   Destination, SkipDestination, 0, Variable},
    {"operator",   Destination, SkipDestination, 0, Variable},
    {"printim",    Destination, SkipDestination, 0, Variable},
    {"private1",   Destination, SkipDestination, 0, Variable},
    {"revtim",     Destination, SkipDestination, 0, Variable},
    {"rxe",        Destination, SkipDestination, 0, Variable},
    {"stylesheet", Destination, SkipDestination, 0, Variable},
    {"tc",         Destination, SkipDestination, 0, Variable},

    // Character attribute
    {"plain",      Property, Plain, 0, Variable},
    {"f",          Property, Font, 0, Variable},
    {"fs",         Property, FontSize, 100, Variable},
    {"b",          Property, Bold, 1, Variable},
    {"i",          Property, Italic, 1, Variable},
    {"ul",         Property, Underline, 1, Variable},
    // Word processors end underlining with \ulnone rather than \ul0; without
    // it, everything after the first underlined word would stay underlined.
    {"ulnone",     Property, Underline, 0, Fixed},
    {"strike",     Property, StrikeOut, 1, Variable},
    {"uldb",       Property, DoubleUnderline, 1, Variable},
    {"shad",       Property, Shadow, 1, Variable},
    {"v",          Property, Hidden, 1, Variable},
    {"super",      Property, Superscript, 1, Variable},
    {"sub",        Property, Subscript, 1, Variable},
    {"nosupersub", Property, NoSuperSub, 1, Variable},
    {"inspnt",     Property, InsertPoint, 0, Variable},
    {"inaut",      Property, AutomaticText, 1, Variable},
    {"wprtf",      Property, RtfCode, 1, Variable},
    {"cf",         Property, TextColor, 0, Variable},
    {"cb",         Property, BackgroundColor, 0, Variable},

    // Font table entries: the family and character set that the writer puts
    // in front of each name, so that they survive a round trip.
    {"fnil",       Property, FontFamily, 0x00, Fixed},
    {"froman",     Property, FontFamily, 0x10, Fixed},
    {"fswiss",     Property, FontFamily, 0x20, Fixed},
    {"fmodern",    Property, FontFamily, 0x30, Fixed},
    {"fscript",    Property, FontFamily, 0x40, Fixed},
    {"fdecor",     Property, FontFamily, 0x50, Fixed},
    {"charset",    Property, FontCharset, 0, Variable},
    {"fcharset",   Property, FontCharset, 0, Variable},
    {"ansicpg",    Property, CodePage, 1252, Variable},
    {"mac",        Property, MacCodePage, 10000, Fixed},
    {"u",          Property, UnicodeCharacter, 0, Variable},
    {"uc",         Property, UnicodeSkip, 1, Variable},

    // Paragraph
    {"li",         Property, LeftIndent, 0, Variable},
    {"ri",         Property, RightIndent, 0, Variable},
    {"fi",         Property, FirstIndent, 0, Variable},
    {"sb",         Property, SpaceBefore, 0, Variable},
    {"sa",         Property, SpaceAfter, 0, Variable},
    {"sl",         Property, LineSpacing, 0, Variable},
    {"ql",         Property, Alignment, 0, Fixed},
    {"qr",         Property, Alignment, 1, Fixed},
    {"qc",         Property, Alignment, 2, Fixed},
    {"qj",         Property, Alignment, 3, Fixed},
    {"pard",       Property, ParagraphDefaults, 0, Fixed},
    {"page",       Property, PageBreak, 0, Variable},
    {"keep",       Property, KeepTogether, 1, Fixed},
    {"keepn",      Property, KeepTogether, 1, Fixed},
    {"tx",         Property, TabPosition, 0, Variable},
    {"tqr",        Property, TabKind, 1, Fixed},
    {"tqc",        Property, TabKind, 2, Fixed},
    {"tqdec",      Property, TabKind, 3, Fixed},
    {"box",        Property, BorderSide, brBox, Fixed},
    {"brdrt",      Property, BorderSide, brTop, Fixed},
    {"brdrl",      Property, BorderSide, brLeft, Fixed},
    {"brdrb",      Property, BorderSide, brBottom, Fixed},
    {"brdrr",      Property, BorderSide, brRight, Fixed},
    {"brdrs",      Property, BorderSide, brSingle, Fixed},
    {"brdrth",     Property, BorderSide, brSingle, Fixed},
    {"brdrsh",     Property, BorderSide, brSingle, Fixed},
    {"brdrdash",   Property, BorderSide, brSingle, Fixed},
    {"brdrdashsm", Property, BorderSide, brSingle, Fixed},
    {"brdrdashd",  Property, BorderSide, brSingle, Fixed},
    {"brdrdashdd", Property, BorderSide, brSingle, Fixed},
    {"brdrtriple", Property, BorderSide, brDouble, Fixed},
    {"brdrwavy",   Property, BorderSide, brSingle, Fixed},
    {"brdrinset",  Property, BorderSide, brSingle, Fixed},
    {"brdroutset", Property, BorderSide, brSingle, Fixed},
    {"brdrnone",   Property, BorderNone, 0, Fixed},
    {"brdrnil",    Property, BorderNone, 0, Fixed},
    {"brdrdb",     Property, BorderSide, brDouble, Fixed},
    {"brdrdot",    Property, BorderSide, brDotted, Fixed},
    {"brdrbar",    Property, BorderSide, brBar, Fixed},
    {"brdrhair",   Property, BorderSide, brHairline, Fixed},
    {"brdrtablin", Property, BorderSide, brTableLines, Fixed},
    {"clbrdrt",    Property, BorderSide, brTop, Fixed},
    {"clbrdrl",    Property, BorderSide, brLeft, Fixed},
    {"clbrdrb",    Property, BorderSide, brBottom, Fixed},
    {"clbrdrr",    Property, BorderSide, brRight, Fixed},
    {"brdrw",      Property, BorderWidth, 0, Variable},
    {"brsp",       Property, BorderSpace, 0, Variable},
    {"brdrcf",     Property, BorderColor, 0, Variable},
    {"shading",    Property, Shading, 0, Variable},
    {"clshdng",    Property, Shading, 0, Variable},
    {"cfpat",      Property, PatternColor, 0, Variable},
    {"clcfpat",    Property, PatternColor, 0, Variable},
    {"cbpat",      Property, PatternBackground, 0, Variable},
    {"clcbpat",    Property, PatternBackground, 0, Variable},

    // Header
    {"paperw",     Property, PaperWidth, 12240, Variable},
    {"paperh",     Property, PaperHeight, 15840, Variable},
    {"margl",      Property, MarginLeft, 1800, Variable},
    {"margr",      Property, MarginRight, 1800, Variable},
    {"margt",      Property, MarginTop, 1440, Variable},
    {"margb",      Property, MarginBottom, 1440, Variable},
    {"deftab",     Property, DefaultTab, 720, Variable},
    {"facingp",    Property, HeaderFlag, 1, Fixed},
    {"landscape",  Property, HeaderFlag, 1, Fixed},
    {"red",        Property, Red, 0, Variable},
    {"green",      Property, Green, 0, Variable},
    {"blue",       Property, Blue, 0, Variable},

    // Pictures, provided objects, footnotes
    {"wbitmap",    Property, PictureKind, pkBitmap, Fixed},
    {"dibitmap",   Property, PictureKind, pkDib, Fixed},
    {"wmetafile",  Property, PictureKind, pkMetafile, Fixed},
    {"pngblip",    Property, PictureKind, pkPng, Fixed},
    {"jpegblip",   Property, PictureKind, pkJpeg, Fixed},
    {"emfblip",    Property, PictureKind, pkUnknown, Fixed},
    {"macpict",    Property, PictureKind, pkUnknown, Fixed},
    {"picw",       Property, PictureWidth, 0, Variable},
    {"pich",       Property, PictureHeight, 0, Variable},
    {"picwgoal",   Property, PictureGoalWidth, 0, Variable},
    {"pichgoal",   Property, PictureGoalHeight, 0, Variable},
    {"picscalex",  Property, PictureScaleX, 100, Variable},
    {"picscaley",  Property, PictureScaleY, 100, Variable},
    {"wbmbitspixel", Property, BitsPerPixel, 0, Variable},
    {"wbmplanes",  Property, Planes, 1, Fixed},
    {"wbmwidthbytes", Property, WidthBytes, 0, Variable},
    {"wpobjtag",   Property, ObjectTag, 0, Variable},
    {"wpobjw",     Property, ObjectWidth, 0, Variable},
    {"wpobjh",     Property, ObjectHeight, 0, Variable},
    {"wpfnnr",     Property, FootnoteNumber, 0, Variable},

    // Structure
    {"par",        Special, ParagraphEnd, 0, Variable},
    {"*",          Special, Ignorable, 0, Variable},
    {"'",          Special, HexCharacter, 0, Variable},
    // A backslash before a line end is a paragraph end, as TextEdit writes it.
    {"\n",         Special, ParagraphEnd, 0, Variable},
    {"\r",         Special, ParagraphEnd, 0, Variable},
    {"trowd",      Special, RowDefaults, 0, Variable},
    {"cellx",      Special, CellEdge, 0, Variable},
    {"intbl",      Special, InTable, 0, Variable},
    {"row",        Special, RowEnd, 0, Variable},
    {"cell",       Special, CellEnd, 0, Variable},
    {"clmrg",      Special, CellMerge, 0, Variable},
    {"trgaph",     Special, CellGap, 0, Variable},
    {"trleft",     Special, RowLeft, 0, Variable},

    // Recognised and ignored
    {"cols",       Special, Ignore, 0, Variable},
    {"sbknone",    Special, Ignore, 0, Variable},
    {"sbkcol",     Special, Ignore, 0, Variable},
    {"sbkeven",    Special, Ignore, 0, Variable},
    {"sbkodd",     Special, Ignore, 0, Variable},
    {"sbkpage",    Special, Ignore, 0, Variable},
    {"pgnx",       Special, Ignore, 0, Variable},
    {"pgny",       Special, Ignore, 0, Variable},
    {"pgndec",     Special, Ignore, 0, Variable},
    {"pgnucrm",    Special, Ignore, 0, Variable},
    {"pgnlcrm",    Special, Ignore, 0, Variable},
    {"pgnucltr",   Special, Ignore, 0, Variable},
    {"pgnlcltr",   Special, Ignore, 0, Variable},
    {"pgnstart",   Special, Ignore, 0, Variable},
    {"bin",        Special, Binary, 0, Variable},
};
// clang-format on

constexpr std::size_t KeywordCount = std::size(Keywords);

// Open addressing over a power-of-two table at most half full: a lookup costs
// one hash and, nearly always, one comparison.
constexpr std::size_t SlotCount = std::bit_ceil(KeywordCount * 2);

constexpr std::size_t hashWord(std::string_view word)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : word)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash & (SlotCount - 1);
}

using SlotTable = std::array<const Keyword *, SlotCount>;

constexpr SlotTable buildSlots()
{
    SlotTable slots{};
    for (const Keyword &keyword : Keywords) {
        std::size_t slot = hashWord(keyword.word);
        while (slots[slot])
            slot = (slot + 1) & (SlotCount - 1);
        slots[slot] = &keyword;
    }
    return slots;
}

constexpr SlotTable Slots = buildSlots();

} // namespace

const Keyword *findKeyword(std::string_view word)
{
    for (std::size_t slot = hashWord(word);; slot = (slot + 1) & (SlotCount - 1)) {
        const Keyword *keyword = Slots[slot];
        if (!keyword || keyword->word == word)
            return keyword;
    }
}

} // namespace qm::rtf
