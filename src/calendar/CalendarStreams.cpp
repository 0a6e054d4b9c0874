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
        throw QmError::cannotOpenFile(fileName, file.errorString());
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

/// Writes the values of the style block and of a document's date; the twin
/// of SettingsReader, so that one list of settings serves both directions.
class SettingsWriter
{
public:
    explicit SettingsWriter(ValueWriter &writer)
        : m_writer(writer)
    {}
    void integer(qint32 value) { m_writer.writeInteger(value); }
    void integer(qint32 value, qint32, qint32) { m_writer.writeInteger(value); }
    template <typename Enum> void enumeration(Enum value, Enum) { m_writer.writeInteger(value); }
    void boolean(bool value) { m_writer.writeBoolean(value); }
    void margin(float inches) { m_writer.writeInteger(marginHundredths(inches)); }
    void font(const FontDescription &font) { CalendarModel::WriteFont(m_writer, font); }
    template <std::size_t count> void names(const std::array<QString, count> &names)
    {
        for (const QString &name : names)
            m_writer.writeString(name);
    }
    /// Hour and minute.
    void timeOfDay(TDateTime time)
    {
        int hour, minute, second, millisecond;
        DecodeTime(time, hour, minute, second, millisecond);
        m_writer.writeInteger(hour);
        m_writer.writeInteger(minute);
    }

private:
    ValueWriter &m_writer;
};

/// Reads what SettingsWriter writes, straight into the fields: no repaint, no
/// layout, and no line layout resetting the borders the file gives one by one.
/// A value that cannot be drawn is refused as it is read.
class SettingsReader
{
public:
    explicit SettingsReader(ValueReader &reader)
        : m_reader(reader)
    {}
    template <typename Integer> void integer(Integer &value) { value = m_reader.readInteger(); }
    template <typename Integer> void integer(Integer &value, qint32 minimum, qint32 maximum)
    {
        value = Integer(m_reader.readInteger(minimum, maximum));
    }
    /// Enumerations are stored as their ordinals; an ordinal the type does not
    /// have would reach the drawing code as a value it cannot draw.
    template <typename Enum> void enumeration(Enum &value, Enum last) { value = Enum(m_reader.readInteger(0, last)); }
    void boolean(bool &value) { value = m_reader.readBoolean(); }
    void margin(float &inches) { inches = marginInches(m_reader); }
    void font(FontDescription &font) { CalendarModel::ReadFont(m_reader, font); }
    template <std::size_t count> void names(std::array<QString, count> &names)
    {
        for (QString &name : names)
            name = m_reader.readString();
    }
    void timeOfDay(TDateTime &time)
    {
        const int hour = m_reader.readInteger();
        const int minute = m_reader.readInteger();
        time = EncodeTime(hour, minute, 0, 0);
    }

private:
    ValueReader &m_reader;
};

} // namespace

// The stored settings, in their order -------------------------------------

template <typename Settings, typename Model> void CalendarModel::streamStyle(Settings &settings, Model &model)
{
    auto &style = model.m_style;
    settings.integer(style.paperSize, kPaperLetter, kPaperA4);
    // RecalcLayout derives the orientation read from the layout again.
    settings.enumeration(model.m_calendarOrientation, coLandscape);
    settings.margin(style.leftMarginInch);
    settings.margin(style.topMarginInch);
    settings.margin(style.rightMarginInch);
    settings.margin(style.bottomMarginInch);
    settings.enumeration(style.calendarLayout, loDay15);
    settings.enumeration(model.m_calendarBorder, cbTopBottom);
    settings.enumeration(style.calendarLineLayout, llCellsOnly);
    settings.names(style.monthNames);
    settings.names(style.dayNames);
    settings.integer(style.titleBGColor);
    settings.font(style.titleFont);
    settings.boolean(style.titleShowYear);
    settings.font(style.headersFont);
    settings.enumeration(model.m_headersBorder, cbTopBottom);
    settings.enumeration(style.headersStyle, dsWhole);
    settings.integer(style.headersBGColor);
    settings.font(style.cellFont);
    settings.enumeration(model.m_cellBorder, cbTopBottom);
    settings.enumeration(style.miniCalendarLineLayout, mllMinimal);
    settings.enumeration(model.m_miniCalBorder, cbTopBottom);
    settings.integer(style.miniCalBGColor);
    settings.boolean(style.miniShowYear);
    settings.font(style.miniTitleFont);
    settings.font(style.miniHeadersFont);
    settings.integer(style.miniHeadersBGColor);
    settings.enumeration(style.miniHeadersStyle, dsWhole);
    settings.enumeration(model.m_miniHeadersBorder, cbTopBottom);
    settings.enumeration(model.m_miniCellBorder, cbTopBottom);
    settings.font(style.miniCellFont);
    settings.enumeration(model.m_numberPosition, cnpUpperRight);
}

template <typename Settings, typename Model> void CalendarModel::streamDate(Settings &settings, Model &model)
{
    auto &style = model.m_style;
    settings.integer(style.mainCalDay); // drawing copes with any day
    settings.integer(style.mainCalMonth, 1, 12);
    settings.integer(style.mainCalYear, 1, 9999);
    settings.integer(style.startOfWeek);
    settings.timeOfDay(style.startingTime);
}

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
    SettingsWriter settings(writer);
    streamStyle(settings, *this);
}

QByteArray CalendarModel::CalendarDocumentBytes() const
{
    ValueWriter writer;
    writeHeader(writer, kCalendarDocument);
    WriteStyle(writer);
    SettingsWriter settings(writer);
    streamDate(settings, *this);
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

void CalendarModel::ReadFont(ValueReader &reader, FontDescription &font)
{
    font.name = reader.readString().left(255);
    font.size = reader.readInteger(-FontDescription::largestSize, FontDescription::largestSize);
    font.style = {};
    for (FontStyle style : {FontStyle::Bold, FontStyle::Italic, FontStyle::Underline, FontStyle::StrikeOut}) {
        if (reader.readBoolean())
            font.style |= style;
    }
    font.color = reader.readInteger();
}

void CalendarModel::ReadStyle(ValueReader &reader)
{
    SettingsReader settings(reader);
    streamStyle(settings, *this);
}

void CalendarModel::LoadCalendarFromStream(QIODevice &stream)
{
    ValueReader reader(stream);
    readHeader(reader);
    ReadStyle(reader);
    SettingsReader settings(reader);
    streamDate(settings, *this);
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
