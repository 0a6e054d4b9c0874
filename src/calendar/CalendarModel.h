#pragma once

#include "calendar/CalendarAttributes.h"
#include "calendar/CalendarStyle.h"
#include "calendar/CalendarTypes.h"
#include "calendar/DateGrid.h"
#include "calendar/PageGeometry.h"
#include "richtext/QmRtfStorage.h"

#include <QImage>
#include <QObject>
#include <QSize>

#include <array>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace qm {
class Canvas;
class CellTextPainter;
class DrawingTarget;
class ValueReader;
class ValueWriter;
} // namespace qm

/// One calendar page: every setting of a calendar document, the rich text of
/// its 42 cells, the page geometry computed from the settings, and the
/// drawing of the page on screen, into a bitmap or on paper.
///
/// Views listen to two signals: `repaintNeeded` (draw again) and
/// `viewSizeChanged` (the page at `Magnification`, `ScaledPageSize`, may have
/// a new size). A setter given the value the calendar already has does
/// nothing; fonts are the exception and always repaint. Nothing is validated:
/// a month, year, day or layout out of range is stored as given and the page
/// then draws blank (or, for a planner day, from the nearest valid day).
class CalendarModel : public QObject
{
    Q_OBJECT

public:
    enum class MiniFonts { Keep, Reset };

    explicit CalendarModel(QObject *parent = nullptr);
    ~CalendarModel() override;

    // Settings (read with X(), written with SetX(v)).
    TCalendarOrientation CalendarOrientation() const { return m_calendarOrientation; }
    /// Stored, then overwritten from the layout by RecalcLayout.
    void SetCalendarOrientation(TCalendarOrientation value) { setAndRecalc(m_calendarOrientation, value); }
    TCalendarLayout CalendarLayout() const { return m_style.calendarLayout; }
    void SetCalendarLayout(TCalendarLayout value) { setAndRecalc(m_style.calendarLayout, value); }
    TCalendarLineLayout CalendarLineLayout() const { return m_style.calendarLineLayout; }
    /// A new value also sets CalendarBorder, HeadersBorder and CellBorder.
    void SetCalendarLineLayout(TCalendarLineLayout value);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_style.miniCalendarLineLayout; }
    /// A new value also sets MiniCalBorder, MiniCellBorder and MiniHeadersBorder.
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout value);

    TColor TitleBGColor() const { return m_style.titleBGColor; }
    void SetTitleBGColor(TColor value) { setAndRepaint(m_style.titleBGColor, value); }
    TColor HeadersBGColor() const { return m_style.headersBGColor; }
    void SetHeadersBGColor(TColor value) { setAndRepaint(m_style.headersBGColor, value); }
    TColor MiniHeadersBGColor() const { return m_style.miniHeadersBGColor; }
    void SetMiniHeadersBGColor(TColor value) { setAndRepaint(m_style.miniHeadersBGColor, value); }
    TColor MiniCalBGColor() const { return m_style.miniCalBGColor; }
    void SetMiniCalBGColor(TColor value) { setAndRepaint(m_style.miniCalBGColor, value); }

    const qm::FontDescription &TitleFont() const { return m_style.titleFont; }
    void SetTitleFont(const qm::FontDescription &value) { setFont(m_style.titleFont, value); }
    const qm::FontDescription &HeadersFont() const { return m_style.headersFont; }
    void SetHeadersFont(const qm::FontDescription &value) { setFont(m_style.headersFont, value); }
    const qm::FontDescription &CellFont() const { return m_style.cellFont; }
    void SetCellFont(const qm::FontDescription &value) { setFont(m_style.cellFont, value); }
    const qm::FontDescription &MiniTitleFont() const { return m_style.miniTitleFont; }
    void SetMiniTitleFont(const qm::FontDescription &value) { setFont(m_style.miniTitleFont, value); }
    const qm::FontDescription &MiniHeadersFont() const { return m_style.miniHeadersFont; }
    void SetMiniHeadersFont(const qm::FontDescription &value) { setFont(m_style.miniHeadersFont, value); }
    const qm::FontDescription &MiniCellFont() const { return m_style.miniCellFont; }
    void SetMiniCellFont(const qm::FontDescription &value) { setFont(m_style.miniCellFont, value); }

    float LeftMarginInch() const { return m_style.leftMarginInch; }
    void SetLeftMarginInch(float value) { setAndRecalc(m_style.leftMarginInch, value); }
    float TopMarginInch() const { return m_style.topMarginInch; }
    void SetTopMarginInch(float value) { setAndRecalc(m_style.topMarginInch, value); }
    float RightMarginInch() const { return m_style.rightMarginInch; }
    void SetRightMarginInch(float value) { setAndRecalc(m_style.rightMarginInch, value); }
    float BottomMarginInch() const { return m_style.bottomMarginInch; }
    void SetBottomMarginInch(float value) { setAndRecalc(m_style.bottomMarginInch, value); }

    TCalBorderStyle CalendarBorder() const { return m_calendarBorder; }
    void SetCalendarBorder(TCalBorderStyle value) { setAndRepaint(m_calendarBorder, value); }
    TCalBorderStyle HeadersBorder() const { return m_headersBorder; }
    void SetHeadersBorder(TCalBorderStyle value) { setAndRepaint(m_headersBorder, value); }
    TCalBorderStyle CellBorder() const { return m_cellBorder; }
    void SetCellBorder(TCalBorderStyle value) { setAndRepaint(m_cellBorder, value); }
    TCalBorderStyle MiniCalBorder() const { return m_miniCalBorder; }
    void SetMiniCalBorder(TCalBorderStyle value) { setAndRepaint(m_miniCalBorder, value); }
    TCalBorderStyle MiniHeadersBorder() const { return m_miniHeadersBorder; }
    void SetMiniHeadersBorder(TCalBorderStyle value) { setAndRepaint(m_miniHeadersBorder, value); }
    TCalBorderStyle MiniCellBorder() const { return m_miniCellBorder; }
    void SetMiniCellBorder(TCalBorderStyle value) { setAndRepaint(m_miniCellBorder, value); }

    TCalHeadersStyle HeadersStyle() const { return m_style.headersStyle; }
    void SetHeadersStyle(TCalHeadersStyle value) { setAndRepaint(m_style.headersStyle, value); }
    TCalHeadersStyle MiniHeadersStyle() const { return m_style.miniHeadersStyle; }
    void SetMiniHeadersStyle(TCalHeadersStyle value) { setAndRepaint(m_style.miniHeadersStyle, value); }
    bool TitleShowYear() const { return m_style.titleShowYear; }
    void SetTitleShowYear(bool value) { setAndRepaint(m_style.titleShowYear, value); }
    bool MiniShowYear() const { return m_style.miniShowYear; }
    void SetMiniShowYear(bool value) { setAndRepaint(m_style.miniShowYear, value); }
    TCalendarNumberPosition NumberPosition() const { return m_numberPosition; }
    void SetNumberPosition(TCalendarNumberPosition value) { setAndRepaint(m_numberPosition, value); }

    /// The first day of the planners; month layouts ignore it.
    int MainCalDay() const { return m_style.mainCalDay; }
    void SetMainCalDay(int value) { setAndRecalc(m_style.mainCalDay, value); }
    /// The month of the main grid and the first month of a mini-calendar sheet.
    int MainCalMonth() const { return m_style.mainCalMonth; }
    void SetMainCalMonth(int value) { setAndRecalc(m_style.mainCalMonth, value); }
    int MainCalYear() const { return m_style.mainCalYear; }
    void SetMainCalYear(int value) { setAndRecalc(m_style.mainCalYear, value); }
    /// 1 starts the week on Sunday; any other value on Monday.
    int StartOfWeek() const { return m_style.startOfWeek; }
    void SetStartOfWeek(int value) { setAndRepaint(m_style.startOfWeek, value); }

    /// Screen scale in percent. Values of 0 or less are ignored.
    int Magnification() const { return m_magnification; }
    void SetMagnification(int value);

    /// 0 = US Letter, 1 = A4.
    quint8 PaperSize() const { return m_style.paperSize; }
    void SetPaperSize(quint8 value) { setAndRecalc(m_style.paperSize, value); }
    /// The time of the day planners' first row (its date part is ignored).
    TDateTime StartingTime() const { return m_style.startingTime; }
    void SetStartingTime(TDateTime value) { setAndRecalc(m_style.startingTime, value); }

    // Month names 1..12 and day names 1..7 (1 = Sunday). Out-of-range indexes
    // read as an empty name and are ignored on writing. Writing does not repaint.
    const std::array<QString, 12> &MonthNameList() const { return m_style.monthNames; }
    const std::array<QString, 7> &DayNameList() const { return m_style.dayNames; }
    QString GetMonthName(int index) const;
    void SetMonthName(int index, const QString &name);
    QString GetDayName(int index) const;
    void SetDayName(int index, const QString &name);

    /// The store of cell 1..42 (month grid row by row; planners one per row,
    /// notes last). The calendar owns it for its whole life.
    TQmRtfStorage &Cells(int index) { return m_cells.at(index - 1); }
    const TQmRtfStorage &Cells(int index) const { return m_cells.at(index - 1); }
    /// The empty document ClearAllCells copies into every cell.
    const TQmRtfStorage &BlankStorage() const { return m_blankStorage; }

    // Layout state, computed by RecalcLayout in layout pixels (1/P inch).
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }
    const TRect &MainRect() const { return m_mainRect; }
    /// Mini-calendar 1..60.
    const TRect &MiniRects(int index) const { return m_miniRects.at(index - 1); }
    qm::MonthOfYear MiniMonths(int index) const { return m_miniMonths.at(index - 1); }
    int MiniCount() const { return m_miniCount; }
    bool ShowMainCalendar() const { return m_showMainCalendar; }
    bool ShowMinis() const { return m_showMinis; }
    bool IsPlanner() const { return m_isPlanner; }
    /// The P the layout was computed with.
    int LayoutPixelsPerInch() const { return m_layoutPixelsPerInch; }
    /// The page at Magnification: the size of the view that shows it.
    QSize ScaledPageSize() const;
    /// The resolution of the page's bitmaps, in dots per metre: the layout's
    /// pixels per inch, whatever the magnification.
    int bitmapDotsPerMeter() const;

    /// Recomputes orientation, page size, main and mini rectangles and mini
    /// months from the settings (and, with MiniFonts::Reset, the mini fonts'
    /// sizes for the layout); the view then resizes and repaints.
    void RecalcLayout(MiniFonts miniFonts);
    /// 0 for the month grids, 1 for the mini-calendar sheets, 2..5 for the
    /// week, two-week, 10-slot and 15-slot planners; -1 for an unknown layout.
    int LayoutGroup() const;
    /// Empties every cell and forgets where the cells lie. Does not repaint.
    void ClearAllCells();
    bool HasCellText() const;

    /// The settings AssignStyle copies, as one value.
    const qm::CalendarStyle &Style() const { return m_style; }
    /// Copies the look and the date of `source` (not the cells, magnification,
    /// number position, single borders or orientation), then lays out again.
    void AssignStyle(const CalendarModel &source);
    /// Whether the two calendars agree in everything AssignStyle copies and
    /// in their line layouts.
    bool SameStyle(const CalendarModel &other) const;
    /// The settings of a new calendar, dated today.
    void SetDefaults();

    // Calendar documents (.QMF: style, date, starting time and the 42 cells)
    // and style sheets (.QMS: the style alone). Every failure raises QmError.

    /// Writes the document to `fileName` through a temporary file in the same
    /// folder that replaces the file only when everything was written; a
    /// failed save leaves the old file as it was. Raises "Cannot create file
    /// <name>", with the system's reason, when the file cannot be created or
    /// written.
    void SaveCalendarToFile(const QString &fileName) const;
    /// As SaveCalendarToFile, for a style sheet.
    void SaveStyleSheetToFile(const QString &fileName) const;
    /// The bytes of the document and of the style sheet.
    QByteArray CalendarDocumentBytes() const;
    QByteArray StyleSheetBytes() const;

    /// Reads a document into this calendar, storing every value straight into
    /// its setting, and lays the page out. Cells the file leaves empty keep
    /// their text (call ClearAllCells first for a fresh document). Raises
    /// "Cannot open file <name>", then as LoadCalendarFromStream.
    void LoadCalendarFromFile(const QString &fileName);
    /// Reads a document from `stream` (open for reading; a file or buffer).
    /// Raises "Stream read error" when it ends early, "Invalid property value"
    /// for an unexpected tag or a setting that cannot be drawn, "Invalid
    /// stream format" for a cell stream without its signature, "Invalid
    /// argument to time encode" for an impossible starting time, and the RTF
    /// reader's errors. What was read before the error stays; the page is
    /// then not laid out again.
    void LoadCalendarFromStream(QIODevice &stream);
    /// Reads the style of a style sheet (or of a document) into this
    /// calendar; does not lay out or repaint. Raises as LoadCalendarFromFile;
    /// a document fails with "Invalid property value" after its style.
    void LoadStyleSheetFromFile(const QString &fileName);
    void LoadStyleSheetFromStream(QIODevice &stream);

    /// The style block: paper, orientation, margins, layout, line layout,
    /// names, colours, fonts, borders, header styles and number position.
    void WriteStyle(qm::ValueWriter &writer) const;
    void ReadStyle(qm::ValueReader &reader);
    /// A font as seven values: name, size, bold, italic, underline, strike-out, colour.
    static void WriteFont(qm::ValueWriter &writer, const qm::FontDescription &font);
    static void ReadFont(qm::ValueReader &reader, qm::FontDescription &font);

    // Drawing. None of these throws for any settings.

    /// Draws the page as the screen shows it, at Magnification, onto a white
    /// device of ScaledPageSize, and records where the cells lie.
    void DrawPage(QPainter &painter);
    /// The page as DrawPage draws it, in a new image of ScaledPageSize (a null
    /// image when that size cannot be allocated).
    QImage MakeBitmap();
    /// Prints the page as one page on `device` (its orientation is set from
    /// the calendar), at the device's resolution. The cell records of the
    /// screen are kept. Raises "Printing failed" when the device cannot be
    /// painted on.
    void PrintCalendar(QPagedPaintDevice &device);

    /// The record of the latest screen drawing, whose cells hit testing uses.
    const TCalendarAttributes &MainAttr() const { return m_mainAttr; }
    /// Whether (x, y), in view pixels, lies in a cell of the latest drawing.
    bool PointInCell(int x, int y) const { return CellAtPoint(x, y) != 0; }
    /// The first cell 1..42 whose rTotal holds (x, y), 0 when none does.
    int CellAtPoint(int x, int y) const;
    /// The day of cell 1..42 in the latest drawing (0 for blank and planner cells).
    int CellDay(int iCell) const;
    const CellRecord &CellRecordOf(int iCell) const { return m_mainAttr.cells.at(iCell - 1); }

Q_SIGNALS:
    void repaintNeeded();
    void viewSizeChanged();

private:
    void repaint() { Q_EMIT repaintNeeded(); }
    template <typename T> void setAndRecalc(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        RecalcLayout(MiniFonts::Keep);
    }
    template <typename T> void setAndRepaint(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        repaint();
    }
    // Fonts are copied and always repaint: a caller may re-set a font it has
    // changed elsewhere and expects to see the change.
    void setFont(qm::FontDescription &field, const qm::FontDescription &value)
    {
        field = value;
        repaint();
    }
    /// The style block and a document's date in stream order: the one list
    /// that writing (`Model` const) and reading both go through.
    template <typename Settings, typename Model> static void streamStyle(Settings &settings, Model &model);
    template <typename Settings, typename Model> static void streamDate(Settings &settings, Model &model);
    void fillNamesFromLocale();
    void applyLineLayoutBorders();
    void applyMiniLineLayoutBorders();
    void layMinis(int layout);
    void setMiniFontSize(int size);

    TCalendarAttributes mainAttributes(const qm::DrawingTarget &target) const;
    TCalendarAttributes miniAttributes(const qm::DrawingTarget &target) const;
    void drawPage(qm::Canvas &canvas, const qm::DrawingTarget &target, TCalendarAttributes &mainAttr);
    /// Draws the grid or planner and returns how many cells it recorded.
    int drawMainCalendar(qm::Canvas &canvas, TCalendarAttributes &attr) const;
    void paintCellTexts(const qm::DrawingTarget &target, QPainter &painter, TCalendarAttributes &attr, int drawnCells);
    void drawMinis(qm::Canvas &canvas, const qm::DrawingTarget &target) const;

    qm::CalendarStyle m_style;
    TCalendarOrientation m_calendarOrientation = coPortrait;
    TCalBorderStyle m_calendarBorder = cbAll;
    TCalBorderStyle m_headersBorder = cbAll;
    TCalBorderStyle m_cellBorder = cbAll;
    TCalBorderStyle m_miniCalBorder = cbAll;
    TCalBorderStyle m_miniHeadersBorder = cbBottom;
    TCalBorderStyle m_miniCellBorder = cbNone;
    TCalendarNumberPosition m_numberPosition = cnpUpperRight;
    int m_magnification = 100;

    TQmRtfStorage m_blankStorage;
    std::array<TQmRtfStorage, qm::kCellCount> m_cells;
    /// Paints cell text; one engine and one cell image for every drawing.
    std::unique_ptr<qm::CellTextPainter> m_cellTextPainter;

    int m_layoutPixelsPerInch = 96;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    TRect m_mainRect;
    qm::MiniRectArray m_miniRects{};
    std::array<qm::MonthOfYear, qm::kMaxMiniCount> m_miniMonths{};
    int m_miniCount = 0;
    bool m_showMainCalendar = true;
    bool m_showMinis = false;
    bool m_isPlanner = false;

    TCalendarAttributes m_mainAttr;
};
