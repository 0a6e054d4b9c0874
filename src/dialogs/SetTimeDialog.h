#pragma once

#include "platform/DateTime.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TGraphicPanel;

/// The small modal dialog in which the user picks the starting time of the
/// day planners by clicking one hour cell and one minute cell. The caller sets
/// Time() before showing it and reads it back after OK; the result never
/// carries seconds.
class TSetTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSetTimeDialog(QWidget *parent = nullptr);

    TDateTime Time() const { return m_time; }
    void SetTime(TDateTime time) { m_time = time; }
    int Hour() const { return m_hour; }
    int Minute() const { return m_minute; }

    /// Takes the hour and minute from Time() and shows them; runs when the dialog is shown.
    void FormActivate();
    /// Recomputes Time() from the selected cells, the caption and the cell colours.
    void ShowDateTime();

    QWidget *HourPanel() const { return m_hourPanel; }
    QWidget *MinutePanel() const { return m_minutePanel; }
    /// The cell of `panel` whose tag is `tag`, or nullptr.
    TGraphicPanel *cell(QWidget *panel, int tag) const;
    QPushButton *Okbutton() const { return m_okButton; }
    QPushButton *CancelButton() const { return m_cancelButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void HourClick(TGraphicPanel *cell);
    void MinuteClick(TGraphicPanel *cell);
    TGraphicPanel *addCell(QWidget *panel, int tag, const QString &caption, QPoint position, const QString &hint);
    void addHourCells();
    void addMinuteCells();
    QLabel *addLabel(QWidget *panel, const QString &text, QPoint position);

    QWidget *m_hourPanel = nullptr;
    QWidget *m_minutePanel = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    TDateTime m_time = 0;
    int m_hour = 0;
    int m_minute = 0;
};
