#pragma once

#include <QtGlobal>

#include <algorithm>
#include <limits>
#include <string_view>

/// The control words and symbols that the RTF reader understands, each with
/// what it does and the parameter it takes when none is written.
namespace qm::rtf {

/// How the reader dispatches a keyword.
enum class KeywordKind : quint8 {
    Character,   ///< hands the character `defaultParameter` to the destination
    Destination, ///< changes where the following text goes
    Property,    ///< changes the character attribute, the paragraph or the header
    Special,     ///< groups, paragraph and table structure, escapes
};

enum class Action : quint8 {
    // Character
    InsertCharacter,
    // Destinations
    FontTable,
    ColorTable,
    Picture,
    PictureFile,
    Title,
    Comment,
    Subject,
    Footnote,
    Field,
    FieldInstruction,
    FieldResult,
    SkipDestination,
    // Character attribute
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    DoubleUnderline,
    Shadow,
    Hidden,
    Superscript,
    Subscript,
    NoSuperSub,
    InsertPoint,
    AutomaticText,
    RtfCode,
    TextColor,
    BackgroundColor,
    // Font table entries and code pages
    FontFamily,
    FontCharset,
    CodePage,
    MacCodePage,
    // Unicode
    UnicodeCharacter,
    UnicodeSkip,
    // Paragraph
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    Alignment,
    ParagraphDefaults,
    PageBreak,
    KeepTogether,
    TabPosition,
    TabKind,
    BorderSide,
    BorderNone,
    BorderWidth,
    BorderSpace,
    BorderColor,
    Shading,
    PatternColor,
    PatternBackground,
    // Header
    PaperWidth,
    PaperHeight,
    MarginLeft,
    MarginRight,
    MarginTop,
    MarginBottom,
    DefaultTab,
    HeaderFlag,
    Red,
    Green,
    Blue,
    // Pictures and objects
    PictureKind,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    BitsPerPixel,
    Planes,
    WidthBytes,
    ObjectTag,
    ObjectWidth,
    ObjectHeight,
    FootnoteNumber,
    // Special
    ParagraphEnd,
    Ignorable,
    HexCharacter,
    RowDefaults,
    CellEdge,
    InTable,
    RowEnd,
    CellEnd,
    CellMerge,
    CellGap,
    RowLeft,
    Binary,
    Ignore,
};

/// Parameters of the `BorderSide` action. The sides name where a border
/// goes; only a line style (`brSingle` and the styles after it) draws it.
enum BorderWord : qint32 {
    brBox,
    brTop,
    brLeft,
    brBottom,
    brRight,
    brSingle,
    brDouble,
    brDotted,
    brBar,
    brHairline,
    brTableLines,
};

/// Parameters of the `PictureKind` action.
enum PictureKindWord : qint32 { pkBitmap = 1, pkDib, pkMetafile, pkPng, pkJpeg, pkUnknown };

/// The character of the `line` keyword: a code beyond Unicode, so that
/// line feeds in the RTF text (which are dropped) cannot be mistaken for it.
constexpr qint32 LineBreakCode = 0x110000;

struct Keyword {
    std::string_view word;
    KeywordKind kind;
    Action action;
    qint32 defaultParameter;
    /// The default is used even when the word carries a number.
    bool fixed;
};

/// `value` held to the range of the field `T` that it fills (or to [low, high]).
template <typename T>
T clampTo(qint64 value, qint64 low = std::numeric_limits<T>::min(), qint64 high = std::numeric_limits<T>::max())
{
    return T(std::clamp(value, low, high));
}

/// The entry for `word` (compared case-sensitively), or null for an unknown
/// word. Control symbols are one-character words ("{", "'", "*", ...).
const Keyword *findKeyword(std::string_view word);

} // namespace qm::rtf
