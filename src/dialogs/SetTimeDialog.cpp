#include "SetTimeDialog.h"

#include "controls/GraphicPanel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize cellSize(24, 19);

/// A raised panel whose first line is a grey title bar.
QFrame *makeTitledPanel(QWidget *parent, const QRect &geometry, const QString &title)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(title.trimmed() + QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);

    auto *bar = new QLabel(title, panel);
    QFont bold = bar->font();
    bold.setBold(true);
    bar->setFont(bold);
    bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar->setAutoFillBackground(true);
    QPalette grey = bar->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    grey.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(grey);
    bar->setGeometry(1, 1, geometry.width() - 2, 16);
    return panel;
}

} // namespace

TSetTimeDialog::TSetTimeDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    setFont(arial);
    setFixedSize(306, 334);

    m_hourPanel = makeTitledPanel(this, QRect(16, 7, 271, 125), QStringLiteral("  Hour"));
    addHourCells();
    m_minutePanel = makeTitledPanel(this, QRect(16, 136, 270, 144), QStringLiteral("  Minute"));
    addMinuteCells();

    m_okButton = new QPushButton(QStringLiteral("Ok"), this);
    m_okButton->setGeometry(16, 290, 78, 33);
    m_okButton->setToolTip(QStringLiteral("Save the selected time"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setGeometry(208, 290, 78, 33);
    m_cancelButton->setToolTip(QStringLiteral("Cancel"));
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TGraphicPanel *TSetTimeDialog::addCell(QWidget *panel, int tag, const QString &caption, QPoint position,
                                       const QString &hint)
{
    auto *cell = new TGraphicPanel(panel);
    cell->setGeometry(QRect(position, cellSize));
    cell->SetCaption(caption);
    cell->SetTag(tag);
    cell->SetColor(qm::clSilver);
    cell->setToolTip(hint);
    return cell;
}

QLabel *TSetTimeDialog::addLabel(QWidget *panel, const QString &text, QPoint position)
{
    auto *label = new QLabel(text, panel);
    label->setGeometry(QRect(position, QSize(24, cellSize.height())));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void TSetTimeDialog::addHourCells()
{
    const QString hint = QStringLiteral("Click to set the hours portion of the time");
    const int rowTops[] = {21, 40, 75, 94};
    for (int hour = 0; hour < 24; ++hour) {
        const int hourOnClock = hour % 12 == 0 ? 12 : hour % 12;
        const QPoint position(7 + 24 * (hour % 6), rowTops[hour / 6]);
        TGraphicPanel *cell = addCell(m_hourPanel, hour, QString::number(hourOnClock), position, hint);
        connect(cell, &TGraphicPanel::clicked, this, [this, cell] { HourClick(cell); });
    }
    addLabel(m_hourPanel, QStringLiteral("AM"), QPoint(157, rowTops[0]));
    addLabel(m_hourPanel, QStringLiteral("PM"), QPoint(155, rowTops[2]));
}

void TSetTimeDialog::addMinuteCells()
{
    const QString hint = QStringLiteral("Click to set the minutes portion of the time");
    for (int minute = 0; minute < 60; ++minute) {
        const QPoint position(7 + 24 * (minute % 10), 22 + 19 * (minute / 10));
        TGraphicPanel *cell =
            addCell(m_minutePanel, minute, QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')), position, hint);
        connect(cell, &TGraphicPanel::clicked, this, [this, cell] { MinuteClick(cell); });
    }
}

TGraphicPanel *TSetTimeDialog::cell(QWidget *panel, int tag) const
{
    for (TGraphicPanel *candidate : panel->findChildren<TGraphicPanel *>(Qt::FindDirectChildrenOnly)) {
        if (candidate->Tag() == tag)
            return candidate;
    }
    return nullptr;
}

void TSetTimeDialog::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TSetTimeDialog::FormActivate()
{
    int second, millisecond;
    qm::DecodeTime(m_time, m_hour, m_minute, second, millisecond);
    ShowDateTime();
}

void TSetTimeDialog::HourClick(TGraphicPanel *cell)
{
    m_hour = cell->Tag();
    ShowDateTime();
}

void TSetTimeDialog::MinuteClick(TGraphicPanel *cell)
{
    m_minute = cell->Tag();
    ShowDateTime();
}

void TSetTimeDialog::ShowDateTime()
{
    m_time = qm::EncodeTime(m_hour, m_minute, 0, 0);
    setWindowTitle(QStringLiteral("Set Time As: ") + qm::FormatDateTime(u"hh:mm am/pm", m_time));
    const auto highlight = [](QWidget *panel, int selected) {
        for (TGraphicPanel *cell : panel->findChildren<TGraphicPanel *>(Qt::FindDirectChildrenOnly))
            cell->SetColor(cell->Tag() == selected ? qm::clYellow : qm::clSilver);
    };
    highlight(m_hourPanel, m_hour);
    highlight(m_minutePanel, m_minute);
}
