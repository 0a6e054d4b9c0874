#pragma once

#include "dialogs/LanguageNames.h"
#include "platform/Color.h"
#include "platform/FontDescription.h"

#include <QDialog>

#include <functional>

class CalendarModel;
class DatePicker;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class RadioGroup;
class TCalendarPanel;
class TColorButton;

/// The dialog in which the user sets everything about a calendar but the
/// text of its cells. It edits a working copy, the preview `ExampleCalendar`:
/// every control writes into it at once, so the preview always shows what OK
/// would apply. The caller copies the document's style into the preview
/// (AssignStyle) before showing the dialog and copies it back after OK.
///
/// Controls carry their names as object names ("LayoutList", "OkButton", ...).
class TCalendarProperties : public QDialog
{
    Q_OBJECT

public:
    /// The preview's zoom until the user chooses another; at this zoom the
    /// whole page fits the preview's box at the dialog's least size.
    static constexpr int DefaultZoom = 30;

    explicit TCalendarProperties(QWidget *parent = nullptr);
    ~TCalendarProperties() override;

    TCalendarPanel *ExampleCalendar() const { return m_exampleCalendar; }

    // Set by the caller before the dialog is shown.
    /// Opened for a new calendar: the first activation applies the default style.
    bool NewCalendar() const { return m_newCalendar; }
    void SetNewCalendar(bool value) { m_newCalendar = value; }
    /// The document has cell text, so OK asks before a change of layout group.
    bool WarnLayoutChange() const { return m_warnLayoutChange; }
    void SetWarnLayoutChange(bool value) { m_warnLayoutChange = value; }
    /// The layout group of the document when the dialog opened.
    int OldLayoutGroup() const { return m_oldLayoutGroup; }
    void SetOldLayoutGroup(int value) { m_oldLayoutGroup = value; }

    /// True while the dialog fills its controls from the preview; the
    /// controls' handlers then write nothing.
    bool FUpdating() const { return m_updating; }
    /// True when the selected layout is a planner: the date picker chooses a
    /// starting day and the date label shows the long date.
    bool FPlannerDate() const { return m_plannerDate; }

    /// The first activation: zoom label, placement, defaults for a new
    /// calendar, the controls filled from the preview, then LayoutListClick.
    void FormActivate();
    /// Fills every control from the preview.
    void DetermineSettings();
    /// Applies paper, layout and orientation to the preview.
    void LayoutListClick();
    /// Enables the controls that apply to the preview's layout.
    void SetButtons();
    /// Labels the picker's date and writes it into the preview.
    void CalendarChange();

    void MonthNamesExit();
    void DayNamesExit();
    /// One of the five language buttons.
    void LanguageClick(Language language);

    /// Selects the step for `inches` in a margin list without writing anything.
    void SetMarginComboxFromValues(QComboBox *list, float inches);
    /// Writes the picked step of `list` into the matching margin of the preview.
    void MarginComboxChange(QComboBox *list);
    /// Relabels the four margin lists in the checked unit.
    void UseInchesClick();
    void ZoomInButtonClick();
    void ZoomOutbuttonClick();

    void OkButtonClick();
    void DefaultbuttonClick();
    void SaveAsStyleSheetButtonClick();
    void LoadStyleSheetButtonClick();
    void HelpbuttonClick();
    void StartingtimeButtonClick();

    /// The help topic of the page shown.
    int helpTopic() const;

    /// Page 0..8 of the notebook, as a click on its tab shows it.
    void showPage(int index);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// How the dialog reads and writes one of the calendar's six fonts.
    struct FontProperty {
        const qm::FontDescription &(CalendarModel::*read)() const;
        void (CalendarModel::*write)(const qm::FontDescription &);
    };

    CalendarModel &preview() const;
    void repaintPreview();
    void chooseFont(const FontProperty &font);
    void updateZoomLabel();
    /// Changes the preview's magnification by `step` around the centre of its box.
    void zoomPreviewBy(int step);
    /// Sizes the scrolled area around the preview to the preview's size.
    void fitPreviewArea();
    /// Places or stores the dialog; a failure to write is reported, not raised.
    void runPlacement(void (*placement)(QWidget *));

    QWidget *buildLayoutPage();
    QWidget *buildDatePage();
    QWidget *buildFontsPage();
    QWidget *buildMiniFontsPage();
    QWidget *buildHeaderStylesPage();
    QWidget *buildLineStylesPage();
    QWidget *buildDayPlannerPage();
    QWidget *buildLanguagePage();
    QWidget *buildMarginsPage();
    QWidget *buildPreview();
    QWidget *buildButtonRow();
    QPushButton *makeFontButton(const char *name, const FontProperty &font, const QString &hint);
    TColorButton *makeColorButton(const char *name, std::function<void(TColor)> write, const QString &hint);
    QListWidget *makeStyleList(const char *name, const QStringList &items, std::function<void(int)> write,
                               const QString &hint);
    QComboBox *makeMarginList(const char *name, const QString &hint);

    bool m_updating = true;
    bool m_plannerDate = false;
    bool m_newCalendar = false;
    bool m_warnLayoutChange = false;
    int m_oldLayoutGroup = 1;

    TCalendarPanel *m_exampleCalendar = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QFrame *m_previewFrame = nullptr;
    /// The list of pages, under the name of the tab strip it stands for.
    QListWidget *m_tabSet = nullptr;
    QStackedWidget *m_notebook = nullptr;

    QListWidget *m_layoutList = nullptr;
    RadioGroup *m_orientation = nullptr;
    RadioGroup *m_paperSize = nullptr;

    QLabel *m_selectMonthYearLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
    DatePicker *m_calendar = nullptr;
    RadioGroup *m_weekStartsOn = nullptr;
    QCheckBox *m_titleShowYearCheck = nullptr;
    QCheckBox *m_miniShowYearCheck = nullptr;

    QPushButton *m_titleFontButton = nullptr;
    TColorButton *m_titleBGColor = nullptr;
    QPushButton *m_headerFontButton = nullptr;
    TColorButton *m_headerBGColor = nullptr;
    QPushButton *m_numberFontButton = nullptr;
    QPushButton *m_miniTitleFontButton = nullptr;
    QPushButton *m_miniHeaderFontButton = nullptr;
    TColorButton *m_miniHeadersBGColorButton = nullptr;
    QPushButton *m_miniCellFontButton = nullptr;
    TColorButton *m_miniCalBGColorButton = nullptr;

    QListWidget *m_calHeaderStyleCombo = nullptr;
    QListWidget *m_miniHeadersStyleCombo = nullptr;
    QListWidget *m_calendarLineLayoutCombo = nullptr;
    QListWidget *m_miniCalendarLineLayoutCombo = nullptr;

    QToolButton *m_startingTimeButton = nullptr;
    QLabel *m_timeLabel = nullptr;

    QPlainTextEdit *m_monthNames = nullptr;
    QPlainTextEdit *m_dayNames = nullptr;

    QComboBox *m_leftMargin = nullptr;
    QComboBox *m_topMargin = nullptr;
    QComboBox *m_rightMargin = nullptr;
    QComboBox *m_bottomMargin = nullptr;
    QRadioButton *m_useInches = nullptr;
    QRadioButton *m_useMillimeters = nullptr;

    QLabel *m_zoomLabel = nullptr;
};
