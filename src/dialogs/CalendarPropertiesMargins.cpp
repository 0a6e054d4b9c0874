// The Margins page and the zoom bar under the preview.

#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/ViewCentre.h"
#include "dialogs/MarginSteps.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int zoomStep = 10;
constexpr int largestZoom = 100;
constexpr int smallestZoom = 20;

} // namespace

void TCalendarProperties::SetMarginComboxFromValues(QComboBox *list, float inches)
{
    list->setCurrentIndex(marginStepIndex(inches));
}

void TCalendarProperties::MarginComboxChange(QComboBox *list)
{
    if (m_updating || list->currentIndex() < 0)
        return;
    const float inches = marginStepInches(list->currentIndex());
    CalendarModel &calendar = preview();
    if (list == m_leftMargin)
        calendar.SetLeftMarginInch(inches);
    else if (list == m_topMargin)
        calendar.SetTopMarginInch(inches);
    else if (list == m_rightMargin)
        calendar.SetRightMarginInch(inches);
    else if (list == m_bottomMargin)
        calendar.SetBottomMarginInch(inches);
}

void TCalendarProperties::UseInchesClick()
{
    m_updating = true;
    const QStringList texts = marginStepTexts(m_useInches->isChecked() ? MarginUnit::Inches : MarginUnit::Millimeters);
    for (QComboBox *list : {m_leftMargin, m_topMargin, m_rightMargin, m_bottomMargin}) {
        const int selected = list->currentIndex();
        list->clear();
        list->addItems(texts);
        list->setCurrentIndex(selected);
    }
    m_updating = false;
}

void TCalendarProperties::updateZoomLabel()
{
    m_zoomLabel->setText(QString::number(preview().Magnification()) + QLatin1Char('%'));
}

void TCalendarProperties::zoomPreviewBy(int step)
{
    qm::zoomAroundViewCentre(*m_scrollBox, *m_exampleCalendar,
                             [this, step] { preview().SetMagnification(preview().Magnification() + step); });
}

void TCalendarProperties::ZoomInButtonClick()
{
    if (preview().Magnification() < largestZoom)
        zoomPreviewBy(zoomStep);
    updateZoomLabel();
}

void TCalendarProperties::ZoomOutbuttonClick()
{
    if (preview().Magnification() > smallestZoom)
        zoomPreviewBy(-zoomStep);
    updateZoomLabel();
}
