// Calendar documents and style sheets: one value list holding the style block
// and, for a document, the date, the starting time and the 42 cell streams.
#include "calendar/CalendarModel.h"

#include "calendar/CellStream.h"
#include "calendar/ValueReader.h"
#include "calendar/ValueWriter.h"
#include "platform/AtomicWrite.h"
#include "platform/DateTime.h"
#include "platform/QmError.h"
#include "platform/RoundHalfEven.h"

#include <QFile>

using namespace qm;

namespace {

constexpr qint32 kFormatVersion = 1;
enum ContentKind : qint32 { kCalendarDocument = 1, kStyleSheet = 2 };

/// Opens `fileName` for reading and hands it to `load`.
template <typename Load> void loadFile(const QString &fileName, Load load)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw QmError(QStringLiteral("Cannot open file %1").arg(fileName));
    load(file);
}

void writeHeader(ValueWriter &writer, ContentKind kind)
{
    writer.writeListStart();
    writer.writeInteger(kFormatVersion);
    writer.writeInteger(kind);
}

/// Neither the version nor the kind is checked: every file written so far has
/// the same layout, and a document read as a style sheet still gives its style.
void readHeader(ValueReader &reader)
{
    reader.readListStart();
    reader.readInteger();
    reader.readInteger();
}

int marginHundredths(float inches)
{
    return roundHalfEven(double(inches) * 100);
}

/// Margins lie within a hundred inches either way: farther off any paper, the
/// page geometry computed from them would overflow.
constexpr qint32 kMarginLimitHundredths = 100 * 100;

float marginInches(ValueReader &reader)
{
    return float(reader.readInteger(-kMarginLimitHundredths, kMarginLimitHundredths) * 0.01);
}

/// The largest font size a font dialog offers; far larger sizes overflow the
/// geometry computed from the font's height.
constexpr qint32 kFontSizeLimit = 1638;

/// Enumerations are stored as their ordinals; an ordinal the type does not
/// have would reach the drawing code as a value it cannot draw.
template <typename Enum> Enum readEnum(ValueReader &reader, Enum last)
{
    return Enum(reader.readInteger(0, last));
}

} // namespace

// Saving ------------------------------------------------------------------

void CalendarModel::WriteFont(ValueWriter &writer, const FontDescription &font)
{
    writer.writeString(font.name);
    writer.writeInteger(font.size);
    writer.writeBoolean(font.style.testFlag(FontStyle::Bold));
    writer.writeBoolean(font.style.testFlag(FontStyle::Italic));
    writer.writeBoolean(font.style.testFlag(FontStyle::Underline));
    writer.writeBoolean(font.style.testFlag(FontStyle::StrikeOut));
    writer.writeInteger(font.color);
}

void CalendarModel::WriteStyle(ValueWriter &writer) const
{
    writer.writeInteger(m_paperSize);
    writer.writeInteger(m_calendarOrientation);
    writer.writeInteger(marginHundredths(m_leftMarginInch));
    writer.writeInteger(marginHundredths(m_topMarginInch));
    writer.writeInteger(marginHundredths(m_rightMarginInch));
    writer.writeInteger(marginHundredths(m_bottomMarginInch));
    writer.writeInteger(m_calendarLayout);
    writer.writeInteger(m_calendarBorder);
    writer.writeInteger(m_calendarLineLayout);
    for (const QString &name : m_monthNames)
        writer.writeString(name);
    for (const QString &name : m_dayNames)
        writer.writeString(name);
    writer.writeInteger(m_titleBGColor);
    WriteFont(writer, m_titleFont);
    writer.writeBoolean(m_titleShowYear);
    WriteFont(writer, m_headersFont);
    writer.writeInteger(m_headersBorder);
    writer.writeInteger(m_headersStyle);
    writer.writeInteger(m_headersBGColor);
    WriteFont(writer, m_cellFont);
    writer.writeInteger(m_cellBorder);
    writer.writeInteger(m_miniCalendarLineLayout);
    writer.writeInteger(m_miniCalBorder);
    writer.writeInteger(m_miniCalBGColor);
    writer.writeBoolean(m_miniShowYear);
    WriteFont(writer, m_miniTitleFont);
    WriteFont(writer, m_miniHeadersFont);
    writer.writeInteger(m_miniHeadersBGColor);
    writer.writeInteger(m_miniHeadersStyle);
    writer.writeInteger(m_miniHeadersBorder);
    writer.writeInteger(m_miniCellBorder);
    WriteFont(writer, m_miniCellFont);
    writer.writeInteger(m_numberPosition);
}

QByteArray CalendarModel::CalendarDocumentBytes() const
{
    ValueWriter writer;
    writeHeader(writer, kCalendarDocument);
    WriteStyle(writer);
    writer.writeInteger(m_mainCalDay);
    writer.writeInteger(m_mainCalMonth);
    writer.writeInteger(m_mainCalYear);
    writer.writeInteger(m_startOfWeek);
    int hour, minute, second, millisecond;
    DecodeTime(m_startingTime, hour, minute, second, millisecond);
    writer.writeInteger(hour);
    writer.writeInteger(minute);
    for (const TQmRtfStorage &cell : m_cells)
        writeCellStream(writer, cell);
    writer.writeListEnd();
    return writer.bytes();
}

QByteArray CalendarModel::StyleSheetBytes() const
{
    ValueWriter writer;
    writeHeader(writer, kStyleSheet);
    WriteStyle(writer);
    writer.writeListEnd();
    return writer.bytes();
}

void CalendarModel::SaveCalendarToFile(const QString &fileName) const
{
    writeFileAtomically(fileName, CalendarDocumentBytes());
}

void CalendarModel::SaveStyleSheetToFile(const QString &fileName) const
{
    writeFileAtomically(fileName, StyleSheetBytes());
}

// Loading -----------------------------------------------------------------
// Values go straight into the fields: no repaint, no layout, and no line
// layout resetting the borders the file gives one by one.

void CalendarModel::ReadFont(ValueReader &reader, FontDescription &font)
{
    font.name = reader.readString().left(255);
    font.size = reader.readInteger(-kFontSizeLimit, kFontSizeLimit);
    font.style = {};
    for (FontStyle style : {FontStyle::Bold, FontStyle::Italic, FontStyle::Underline, FontStyle::StrikeOut}) {
        if (reader.readBoolean())
            font.style |= style;
    }
    font.color = reader.readInteger();
}

void CalendarModel::ReadStyle(ValueReader &reader)
{
    m_paperSize = quint8(reader.readInteger(kPaperLetter, kPaperA4));
    // RecalcLayout derives the orientation from the layout again.
    m_calendarOrientation = readEnum(reader, coLandscape);
    m_leftMarginInch = marginInches(reader);
    m_topMarginInch = marginInches(reader);
    m_rightMarginInch = marginInches(reader);
    m_bottomMarginInch = marginInches(reader);
    m_calendarLayout = readEnum(reader, loDay15);
    m_calendarBorder = readEnum(reader, cbTopBottom);
    m_calendarLineLayout = readEnum(reader, llCellsOnly);
    for (QString &name : m_monthNames)
        name = reader.readString();
    for (QString &name : m_dayNames)
        name = reader.readString();
    m_titleBGColor = reader.readInteger();
    ReadFont(reader, m_titleFont);
    m_titleShowYear = reader.readBoolean();
    ReadFont(reader, m_headersFont);
    m_headersBorder = readEnum(reader, cbTopBottom);
    m_headersStyle = readEnum(reader, dsWhole);
    m_headersBGColor = reader.readInteger();
    ReadFont(reader, m_cellFont);
    m_cellBorder = readEnum(reader, cbTopBottom);
    m_miniCalendarLineLayout = readEnum(reader, mllMinimal);
    m_miniCalBorder = readEnum(reader, cbTopBottom);
    m_miniCalBGColor = reader.readInteger();
    m_miniShowYear = reader.readBoolean();
    ReadFont(reader, m_miniTitleFont);
    ReadFont(reader, m_miniHeadersFont);
    m_miniHeadersBGColor = reader.readInteger();
    m_miniHeadersStyle = readEnum(reader, dsWhole);
    m_miniHeadersBorder = readEnum(reader, cbTopBottom);
    m_miniCellBorder = readEnum(reader, cbTopBottom);
    ReadFont(reader, m_miniCellFont);
    m_numberPosition = readEnum(reader, cnpUpperRight);
}

void CalendarModel::LoadCalendarFromStream(QIODevice &stream)
{
    ValueReader reader(stream);
    readHeader(reader);
    ReadStyle(reader);
    m_mainCalDay = reader.readInteger(); // drawing copes with any day
    m_mainCalMonth = reader.readInteger(1, 12);
    m_mainCalYear = reader.readInteger(1, 9999);
    m_startOfWeek = reader.readInteger();
    const int hour = reader.readInteger();
    const int minute = reader.readInteger();
    m_startingTime = EncodeTime(hour, minute, 0, 0);
    for (TQmRtfStorage &cell : m_cells)
        readCellStream(reader, cell);
    reader.readListEnd();
    RecalcLayout(MiniFonts::Keep);
}

void CalendarModel::LoadStyleSheetFromStream(QIODevice &stream)
{
    ValueReader reader(stream);
    readHeader(reader);
    ReadStyle(reader);
    reader.readListEnd();
}

void CalendarModel::LoadCalendarFromFile(const QString &fileName)
{
    loadFile(fileName, [this](QIODevice &file) { LoadCalendarFromStream(file); });
}

void CalendarModel::LoadStyleSheetFromFile(const QString &fileName)
{
    loadFile(fileName, [this](QIODevice &file) { LoadStyleSheetFromStream(file); });
}
