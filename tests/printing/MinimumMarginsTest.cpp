#include "printing/MinimumMargins.h"

#include "calendar/CalendarModel.h"
#include "support/QtPrinting.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace {

using qm::MinimumMargins;

/// A printer whose printable area leaves `border` inches free on each side.
void setBorder(QPrinter &printer, int resolution, const QMarginsF &border)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(resolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(border, QPageLayout::Inch);
}

void setMargins(CalendarModel &calendar, const MinimumMargins &margins)
{
    calendar.SetLeftMarginInch(margins.left);
    calendar.SetTopMarginInch(margins.top);
    calendar.SetRightMarginInch(margins.right);
    calendar.SetBottomMarginInch(margins.bottom);
}

TEST(MinimumMargins, AreThePrintableAreasDistancesFromThePaperEdges)
{
    // Qt keeps a printer's printable area in whole points: the borders are too.
    struct Row {
        const char *name;
        int resolution;
        QMarginsF border;
        TCalendarLayout layout;
        MinimumMargins expected;
    };
    const Row rows[] = {
        {"each side its own", 600, QMarginsF(0.25, 0.5, 0.75, 1), loFullCalendar, {0.25f, 0.5f, 0.75f, 1}},
        {"landscape", 1200, QMarginsF(0.5, 0.25, 1, 0.75), LOFullCalendarLS, {0.5f, 0.25f, 1, 0.75f}},
        {"no border", 300, QMarginsF(0, 0, 0, 0), loFullCalendar, {0, 0, 0, 0}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QPrinter printer(QPrinter::HighResolution);
        setBorder(printer, row.resolution, row.border);
        CalendarModel calendar;
        calendar.SetCalendarLayout(row.layout);
        const std::optional<MinimumMargins> minimum = qm::readMinimumMargins(printer, calendar);
        ASSERT_TRUE(minimum);
        EXPECT_FLOAT_EQ(minimum->left, row.expected.left);
        EXPECT_FLOAT_EQ(minimum->top, row.expected.top);
        EXPECT_FLOAT_EQ(minimum->right, row.expected.right);
        EXPECT_FLOAT_EQ(minimum->bottom, row.expected.bottom);
        EXPECT_EQ(printer.pageLayout().orientation(),
                  row.layout == LOFullCalendarLS ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
}

TEST(MinimumMargins, ComplainAboutAndWidenOnlyTheMarginsOutsideThePrintableArea)
{
    const QString outside = QStringLiteral(" Margin is outside of Printer printable area");
    struct Row {
        const char *name;
        MinimumMargins margins;
        QStringList complaints;
        MinimumMargins widened;
    };
    const MinimumMargins minimum{0.25f, 0.3f, 0.35f, 0.4f};
    const Row rows[] = {
        {"all inside", {1, 1, 1, 1}, {}, {1, 1, 1, 1}},
        {"equal to the minimum is inside", minimum, {}, minimum},
        {"left only", {0.1f, 1, 1, 1}, {QStringLiteral("Left") + outside}, {0.25f, 1, 1, 1}},
        {"left and bottom",
         {0.2f, 0.5f, 0.5f, 0.1f},
         {QStringLiteral("Left") + outside, QStringLiteral("Bottom") + outside},
         {0.25f, 0.5f, 0.5f, 0.4f}},
        {"all four, left to bottom",
         {0, 0, 0, 0},
         {QStringLiteral("Left") + outside, QStringLiteral("Top") + outside, QStringLiteral("Right") + outside,
          QStringLiteral("Bottom") + outside},
         minimum},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CalendarModel calendar;
        setMargins(calendar, row.margins);
        EXPECT_EQ(qm::marginComplaints(calendar, minimum), row.complaints);
        qm::widenMargins(calendar, minimum);
        EXPECT_EQ(calendar.LeftMarginInch(), row.widened.left);
        EXPECT_EQ(calendar.TopMarginInch(), row.widened.top);
        EXPECT_EQ(calendar.RightMarginInch(), row.widened.right);
        EXPECT_EQ(calendar.BottomMarginInch(), row.widened.bottom);
    }
}

} // namespace
