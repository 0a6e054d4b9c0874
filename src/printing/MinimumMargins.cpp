#include "printing/MinimumMargins.h"

#include "calendar/CalendarModel.h"

#include <QPrinter>

namespace qm {
namespace {

/// A distance in printer pixels as the single-precision inches margins are held in.
float inches(int pixels, int pixelsPerInch)
{
    return float(double(pixels) / pixelsPerInch);
}

struct MarginField {
    float MinimumMargins::*minimum;
    float (CalendarModel::*read)() const;
    void (CalendarModel::*write)(float);
    const char *name;
};

constexpr MarginField kMarginFields[] = {
    {&MinimumMargins::left, &CalendarModel::LeftMarginInch, &CalendarModel::SetLeftMarginInch, "Left"},
    {&MinimumMargins::top, &CalendarModel::TopMarginInch, &CalendarModel::SetTopMarginInch, "Top"},
    {&MinimumMargins::right, &CalendarModel::RightMarginInch, &CalendarModel::SetRightMarginInch, "Right"},
    {&MinimumMargins::bottom, &CalendarModel::BottomMarginInch, &CalendarModel::SetBottomMarginInch, "Bottom"},
};

bool isOutside(const CalendarModel &calendar, const MinimumMargins &minimum, const MarginField &field)
{
    return minimum.*field.minimum > (calendar.*field.read)();
}

} // namespace

std::optional<MinimumMargins> readMinimumMargins(QPrinter &printer, const CalendarModel &calendar)
{
    printer.setPageOrientation(calendar.CalendarOrientation() == coPortrait ? QPageLayout::Portrait
                                                                            : QPageLayout::Landscape);
    const int resolution = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    if (resolution <= 0 || !layout.isValid())
        return std::nullopt;
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    if (printable.isEmpty())
        return std::nullopt;
    MinimumMargins minimum;
    minimum.left = inches(printable.left(), resolution);
    minimum.top = inches(printable.top(), resolution);
    minimum.right = inches(paper.width() - printable.width() - printable.left(), resolution);
    minimum.bottom = inches(paper.height() - printable.height() - printable.top(), resolution);
    return minimum;
}

QStringList marginComplaints(const CalendarModel &calendar, const MinimumMargins &minimum)
{
    QStringList complaints;
    for (const MarginField &field : kMarginFields) {
        if (isOutside(calendar, minimum, field))
            complaints << QLatin1String(field.name) + QStringLiteral(" Margin is outside of Printer printable area");
    }
    return complaints;
}

void widenMargins(CalendarModel &calendar, const MinimumMargins &minimum)
{
    for (const MarginField &field : kMarginFields) {
        if (isOutside(calendar, minimum, field))
            (calendar.*field.write)(minimum.*field.minimum);
    }
}

} // namespace qm
