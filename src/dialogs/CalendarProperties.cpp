#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "calendar/PageGeometry.h"
#include "controls/CalendarPanel.h"
#include "controls/ColorButton.h"
#include "controls/DatePicker.h"
#include "controls/FormPlacement.h"
#include "controls/HelpWindow.h"
#include "controls/Hint.h"
#include "controls/RadioGroup.h"
#include "dialogs/LayoutChoice.h"
#include "dialogs/MarginSteps.h"
#include "platform/Environment.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"
#include "platform/RoundHalfEven.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList pageTitles{
    QStringLiteral("Layout"),         QStringLiteral("Date"),
    QStringLiteral("Fonts & Colors"), QStringLiteral("Mini Fonts & Colors"),
    QStringLiteral("Header Styles"),  QStringLiteral("Line Styles"),
    QStringLiteral("Day Planner"),    QStringLiteral("Language"),
    QStringLiteral("Margins"),
};

constexpr int notebookWidth = 288;
constexpr int previewBorder = 2;
/// Room around each name in the list of pages.
constexpr int pageListPadding = 6;

// The help topics of the pages follow one another from the Layout page's.
constexpr int firstHelpTopic = 2100;

const QString headerHint = QStringLiteral("\r(the header is the part of the calendar showing \rthe names of the days)");
const QString titleHint = QStringLiteral("\r(the title is the part of the calendar showing \rthe month and year)");
const QString numberCellsHint =
    QStringLiteral("\r(the number cells are the part of the calendar \rshowing the individual days by number)");

template <typename T> T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QLabel *makeHeading(const QString &text)
{
    auto *heading = new QLabel(text);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    heading->setFont(font);
    QPalette black = heading->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(black);
    return heading;
}

/// A notebook page: its heading, then `content`, then room to spare.
QWidget *makePage(const QString &heading, QLayout *content, const char *headingName = nullptr)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QLabel *label = makeHeading(heading);
    if (headingName)
        label->setObjectName(QLatin1String(headingName));
    layout->addWidget(label);
    layout->addLayout(content);
    layout->addStretch();
    return page;
}

QGroupBox *makeGroup(const QString &title, std::initializer_list<QWidget *> controls)
{
    auto *group = new QGroupBox(title);
    auto *layout = new QVBoxLayout(group);
    for (QWidget *control : controls)
        layout->addWidget(control, 0, Qt::AlignLeft);
    return group;
}

/// The starting-time button's glyph: a clock face at three o'clock.
QIcon clockGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.drawLine(QPointF(8, 8), QPointF(8, 4));
    painter.drawLine(QPointF(8, 8), QPointF(11.5, 8));
    return QIcon(glyph);
}

/// `control` with a label on its left.
QWidget *labelled(const QString &label, QWidget *control)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(label));
    layout->addWidget(control);
    layout->addStretch();
    return row;
}

/// The least size of the preview's scroll box: the whole page at the zoom the
/// preview starts at, on either paper in either orientation, with the grey
/// border around it.
QSize wholePageAtDefaultZoom(int frameWidth)
{
    const int pixelsPerInch = qm::Environment::screenPixelsPerInch();
    int longestSide = 0;
    for (const quint8 paper : {qm::kPaperLetter, qm::kPaperA4}) {
        const QSize page = qm::PageSizeInPixels(paper, coPortrait, pixelsPerInch);
        longestSide = std::max({longestSide, page.width(), page.height()});
    }
    const int side = qm::scalePercent(longestSide, TCalendarProperties::DefaultZoom) + 2 * (previewBorder + frameWidth);
    return {side, side};
}

QPushButton *makeButton(const QString &caption, const char *name, const QString &hint)
{
    auto *button = named(new QPushButton(caption), name);
    qm::setHint(button, hint);
    return button;
}

} // namespace

TCalendarProperties::TCalendarProperties(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    // Modal to the window that opened it only: the help its Help button opens
    // must take clicks, links and the wheel while the dialog stays open.
    setWindowModality(Qt::WindowModal);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    setFont(arial);

    m_notebook = named(new QStackedWidget, "Notebook");
    m_notebook->setFixedWidth(notebookWidth);
    for (QWidget *page :
         {buildLayoutPage(), buildDatePage(), buildFontsPage(), buildMiniFontsPage(), buildHeaderStylesPage(),
          buildLineStylesPage(), buildDayPlannerPage(), buildLanguagePage(), buildMarginsPage()})
        m_notebook->addWidget(page);

    // The pages are listed beside the notebook, each a click away; a strip of
    // nine tabs under it would not fit the notebook's width.
    m_tabSet = named(new QListWidget, "TabSet1");
    m_tabSet->addItems(pageTitles);
    m_tabSet->setSpacing(pageListPadding / 2);
    m_tabSet->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabSet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabSet->setFixedWidth(m_tabSet->sizeHintForColumn(0) + 2 * (m_tabSet->frameWidth() + pageListPadding));
    m_tabSet->setMinimumHeight(m_tabSet->count() * (m_tabSet->sizeHintForRow(0) + pageListPadding) +
                               2 * m_tabSet->frameWidth());
    qm::setHint(m_tabSet,
                QStringLiteral("Click a tab to work with a different aspect of \rthis calendar's properties"));
    connect(m_tabSet, &QListWidget::currentRowChanged, m_notebook, &QStackedWidget::setCurrentIndex);
    m_tabSet->setCurrentRow(0);

    auto *bevel = new QFrame;
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);

    auto *top = new QHBoxLayout;
    top->addWidget(m_tabSet);
    top->addWidget(m_notebook);
    top->addWidget(bevel);
    top->addWidget(buildPreview(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildButtonRow());
    // As small as the controls and the whole preview page allow.
    resize(minimumSizeHint());
}

TCalendarProperties::~TCalendarProperties() = default;

CalendarModel &TCalendarProperties::preview() const
{
    return m_exampleCalendar->calendar();
}

void TCalendarProperties::repaintPreview()
{
    m_exampleCalendar->update();
}

void TCalendarProperties::showPage(int index)
{
    m_tabSet->setCurrentRow(index);
}

int TCalendarProperties::helpTopic() const
{
    return firstHelpTopic + m_notebook->currentIndex();
}

QWidget *TCalendarProperties::buildLayoutPage()
{
    m_layoutList = named(new QListWidget, "LayoutList");
    m_layoutList->addItems(layoutListItems());
    // Tall enough for every item, so that none is cut off.
    m_layoutList->setFixedHeight(m_layoutList->sizeHintForRow(0) * m_layoutList->count() +
                                 2 * m_layoutList->frameWidth());
    qm::setHint(m_layoutList, QStringLiteral("Select a layout for the calendar from this list"));
    connect(m_layoutList, &QListWidget::currentRowChanged, this, &TCalendarProperties::LayoutListClick);

    m_orientation =
        named(new RadioGroup(QStringLiteral("Orientation"), {QStringLiteral("Portrait"), QStringLiteral("Landscape")}),
              "rOrientation");
    qm::setHint(m_orientation, QStringLiteral("Choose Portrait or Landscape orientation"));
    connect(m_orientation, &RadioGroup::changed, this, &TCalendarProperties::LayoutListClick);

    m_paperSize =
        named(new RadioGroup(QStringLiteral("Paper"), {QStringLiteral("Letter"), QStringLiteral("A4")}), "PaperSize");
    qm::setHint(m_paperSize, QStringLiteral("Choose the paper size"));
    connect(m_paperSize, &RadioGroup::changed, this, &TCalendarProperties::LayoutListClick);

    auto *groups = new QHBoxLayout;
    groups->addWidget(m_orientation);
    groups->addWidget(m_paperSize);
    auto *content = new QVBoxLayout;
    content->addWidget(m_layoutList);
    content->addLayout(groups);
    return makePage(QStringLiteral("Select Layout"), content);
}

QWidget *TCalendarProperties::buildDatePage()
{
    m_dateLabel = named(new QLabel, "DateLabel");
    m_dateLabel->setAlignment(Qt::AlignCenter);

    m_calendar = named(new DatePicker, "Calendar");
    qm::setHint(m_calendar, QStringLiteral("Click on a date to select it"));
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TCalendarProperties::CalendarChange);

    struct Move {
        const char *caption, *name, *hint;
        void (DatePicker::*move)();
    };
    const Move moves[] = {
        {"<<", "Button8", "Click for the previous year", &DatePicker::PrevYear},
        {"<", "Button9", "Click for the previous month", &DatePicker::PrevMonth},
        {"Now", "Button10", "Click for today's date", &DatePicker::Now},
        {">", "Button11", "Click for the next month", &DatePicker::NextMonth},
        {">>", "Button12", "Click for the next year", &DatePicker::NextYear},
    };
    auto *buttons = new QHBoxLayout;
    for (const Move &move : moves) {
        QPushButton *button = makeButton(QLatin1String(move.caption), move.name, QLatin1String(move.hint));
        connect(button, &QPushButton::clicked, m_calendar, move.move);
        buttons->addWidget(button);
    }

    m_weekStartsOn =
        named(new RadioGroup(QStringLiteral("Week Starts On"), {QStringLiteral("Sunday"), QStringLiteral("Monday")}),
              "WeekStartsOn");
    qm::setHint(m_weekStartsOn, QStringLiteral("Select the day that the calendar week starts on"));
    connect(m_weekStartsOn, &RadioGroup::changed, this, [this] {
        if (!m_updating)
            preview().SetStartOfWeek(m_weekStartsOn->ItemIndex() + 1);
    });

    m_titleShowYearCheck = named(new QCheckBox(QStringLiteral("Show Year in Title")), "TitleShowYearCheck");
    qm::setHint(m_titleShowYearCheck,
                QStringLiteral("For full calendars, show the year as well\ras the month in the title"));
    connect(m_titleShowYearCheck, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_updating)
            preview().SetTitleShowYear(checked);
    });
    m_miniShowYearCheck = named(new QCheckBox(QStringLiteral("Show Year in Mini Title")), "MiniShowYearCheck");
    qm::setHint(m_miniShowYearCheck,
                QStringLiteral("For mini calendars, show the year as well\ras the month in the title"));
    connect(m_miniShowYearCheck, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_updating)
            preview().SetMiniShowYear(checked);
    });

    auto *checks = new QVBoxLayout;
    checks->addWidget(m_titleShowYearCheck);
    checks->addWidget(m_miniShowYearCheck);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_weekStartsOn);
    bottom->addLayout(checks);

    auto *content = new QVBoxLayout;
    content->addWidget(m_dateLabel);
    content->addWidget(m_calendar);
    content->addLayout(buttons);
    content->addLayout(bottom);
    QWidget *page = makePage(QStringLiteral("Select Month & Year"), content, "SelectMonthYearLabel");
    m_selectMonthYearLabel = page->findChild<QLabel *>(QStringLiteral("SelectMonthYearLabel"));
    return page;
}

QPushButton *TCalendarProperties::makeFontButton(const char *name, const FontProperty &font, const QString &hint)
{
    QPushButton *button = makeButton(QStringLiteral("Font"), name, hint);
    button->setFixedWidth(75);
    connect(button, &QPushButton::clicked, this, [this, font] { chooseFont(font); });
    return button;
}

TColorButton *TCalendarProperties::makeColorButton(const char *name, std::function<void(TColor)> write,
                                                   const QString &hint)
{
    auto *button = named(new TColorButton, name);
    button->setFixedSize(button->sizeHint());
    qm::setHint(button, hint);
    connect(button, &TColorButton::colorChanged, this, [this, button, write] {
        if (m_updating)
            return;
        write(button->Color());
        repaintPreview();
    });
    return button;
}

QWidget *TCalendarProperties::buildFontsPage()
{
    m_titleFontButton = makeFontButton("TitleFontbutton", {&CalendarModel::TitleFont, &CalendarModel::SetTitleFont},
                                       QStringLiteral("Select the Title font") + titleHint);
    m_titleBGColor = makeColorButton(
        "TitleBGColor", [this](TColor color) { preview().SetTitleBGColor(color); },
        QStringLiteral("Select the title background color") + titleHint);
    m_headerFontButton =
        makeFontButton("HeaderFontButton", {&CalendarModel::HeadersFont, &CalendarModel::SetHeadersFont},
                       QStringLiteral("Select the Header font") + headerHint);
    m_headerBGColor = makeColorButton(
        "HeaderBGColor", [this](TColor color) { preview().SetHeadersBGColor(color); },
        QStringLiteral("Select the Header background color") + headerHint);
    m_numberFontButton = makeFontButton("NumberFontButton", {&CalendarModel::CellFont, &CalendarModel::SetCellFont},
                                        QStringLiteral("Select theNumber Cells font") + numberCellsHint);

    auto *content = new QVBoxLayout;
    content->addWidget(makeGroup(QStringLiteral("Title"),
                                 {m_titleFontButton, labelled(QStringLiteral("Background Color"), m_titleBGColor)}));
    content->addWidget(makeGroup(QStringLiteral("Header"),
                                 {m_headerFontButton, labelled(QStringLiteral("Background Color"), m_headerBGColor)}));
    content->addWidget(makeGroup(QStringLiteral("Number Cells"), {m_numberFontButton}));
    return makePage(QStringLiteral("Fonts & Colors"), content);
}

QWidget *TCalendarProperties::buildMiniFontsPage()
{
    m_miniTitleFontButton =
        makeFontButton("Minititlefontbutton", {&CalendarModel::MiniTitleFont, &CalendarModel::SetMiniTitleFont},
                       QStringLiteral("Select the Mini Calendar Title font") + titleHint);
    m_miniHeaderFontButton =
        makeFontButton("MiniHeaderFontButton", {&CalendarModel::MiniHeadersFont, &CalendarModel::SetMiniHeadersFont},
                       QStringLiteral("Select the Mini Calendar Header font") + headerHint);
    m_miniHeadersBGColorButton = makeColorButton(
        "MiniHeadersBGColorButton", [this](TColor color) { preview().SetMiniHeadersBGColor(color); },
        QStringLiteral("Select the Mini Calendar Header background color") + headerHint);
    m_miniHeadersBGColorButton->SetOptions(cdPreventFullOpen);
    m_miniCellFontButton =
        makeFontButton("MiniCellFontButton", {&CalendarModel::MiniCellFont, &CalendarModel::SetMiniCellFont},
                       QStringLiteral("Select the Mini Calendar Number Cells font") + numberCellsHint);
    m_miniCalBGColorButton = makeColorButton(
        "MiniCalBGColorButton", [this](TColor color) { preview().SetMiniCalBGColor(color); },
        QStringLiteral("Select the color for the background of the \rentire Mini Calendar"));

    auto *content = new QVBoxLayout;
    content->addWidget(makeGroup(QStringLiteral("Mini Title"), {m_miniTitleFontButton}));
    content->addWidget(
        makeGroup(QStringLiteral("Mini Header"),
                  {m_miniHeaderFontButton, labelled(QStringLiteral("Background Color"), m_miniHeadersBGColorButton)}));
    content->addWidget(makeGroup(QStringLiteral("Mini Number Cells"), {m_miniCellFontButton}));
    content->addWidget(makeGroup(QStringLiteral("Mini Calendar Background Color"), {m_miniCalBGColorButton}));
    return makePage(QStringLiteral("Mini Fonts & Colors"), content);
}

QListWidget *TCalendarProperties::makeStyleList(const char *name, const QStringList &items,
                                                std::function<void(int)> write, const QString &hint)
{
    auto *list = named(new QListWidget, name);
    list->addItems(items);
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth());
    qm::setHint(list, hint);
    connect(list, &QListWidget::currentRowChanged, this, [this, write](int row) {
        if (!m_updating && row >= 0)
            write(row);
    });
    return list;
}

QWidget *TCalendarProperties::buildHeaderStylesPage()
{
    const QStringList styles{QStringLiteral("First Character"), QStringLiteral("First Three Characters"),
                             QStringLiteral("Whole Word")};
    m_calHeaderStyleCombo = makeStyleList(
        "CalHeaderStyleCombo", styles, [this](int row) { preview().SetHeadersStyle(TCalHeadersStyle(row)); },
        QStringLiteral("Select a Header Style for the calendar") + headerHint);
    m_miniHeadersStyleCombo = makeStyleList(
        "MiniHeadersStyleCombo", styles, [this](int row) { preview().SetMiniHeadersStyle(TCalHeadersStyle(row)); },
        QStringLiteral("Select a Header Style for the Mini calendars") + headerHint);

    auto *content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Header Style")));
    content->addWidget(m_calHeaderStyleCombo);
    content->addWidget(new QLabel(QStringLiteral("Mini Header Style")));
    content->addWidget(m_miniHeadersStyleCombo);
    return makePage(QStringLiteral("Header Styles"), content);
}

QWidget *TCalendarProperties::buildLineStylesPage()
{
    m_calendarLineLayoutCombo = makeStyleList(
        "CalendarLineLayoutCombo",
        {QStringLiteral("Full"), QStringLiteral("Headers & Cells"), QStringLiteral("Cells Only")},
        [this](int row) { preview().SetCalendarLineLayout(TCalendarLineLayout(row)); },
        QStringLiteral("Select a Line Style for the calendar"));
    m_miniCalendarLineLayoutCombo = makeStyleList(
        "MiniCalendarLineLayoutCombo", {QStringLiteral("Full"), QStringLiteral("Boxed"), QStringLiteral("Minimal")},
        [this](int row) { preview().SetMiniCalendarLineLayout(TMiniCalendarLineLayout(row)); },
        QStringLiteral("Select a Line Style for the Mini calendars"));

    auto *content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Calendar Line Style")));
    content->addWidget(m_calendarLineLayoutCombo);
    content->addWidget(new QLabel(QStringLiteral("Mini-Calendar Line Style")));
    content->addWidget(m_miniCalendarLineLayoutCombo);
    return makePage(QStringLiteral("Line Styles"), content);
}

QWidget *TCalendarProperties::buildDayPlannerPage()
{
    m_startingTimeButton = named(new QToolButton, "StartingtimeButton");
    m_startingTimeButton->setIcon(clockGlyph());
    m_startingTimeButton->setIconSize(QSize(16, 16));
    qm::setHint(m_startingTimeButton, QStringLiteral("Select a starting time by clicking here"));
    connect(m_startingTimeButton, &QToolButton::clicked, this, &TCalendarProperties::StartingtimeButtonClick);

    m_timeLabel = named(new QLabel, "TimeLabel");
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(16);
    bold.setBold(true);
    m_timeLabel->setFont(bold);

    auto *group = new QGroupBox(QStringLiteral("Starting Time (for day planners)"));
    auto *row = new QHBoxLayout(group);
    row->addWidget(m_startingTimeButton);
    row->addWidget(m_timeLabel);
    row->addStretch();

    auto *note = new QLabel(QStringLiteral("*(Note: This setting only applies if you have selected one of the two "
                                           "Day Planners from the Layout tab)"));
    note->setWordWrap(true);

    auto *content = new QVBoxLayout;
    content->addWidget(group);
    content->addWidget(note);
    return makePage(QStringLiteral("Day Planner"), content);
}

QWidget *TCalendarProperties::buildLanguagePage()
{
    m_monthNames = named(new QPlainTextEdit, "MonthNames");
    qm::setHint(m_monthNames,
                QStringLiteral("Type in the month names, starting with January,\ror click one of the buttons below"));
    m_dayNames = named(new QPlainTextEdit, "DayNames");
    qm::setHint(m_dayNames,
                QStringLiteral("Type in the day names, starting with Sunday, or \rclick one of the buttons below."));
    for (QPlainTextEdit *editor : {m_monthNames, m_dayNames}) {
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor->installEventFilter(this);
    }

    auto *editors = new QGridLayout;
    editors->addWidget(new QLabel(QStringLiteral("Month Names")), 0, 0);
    editors->addWidget(new QLabel(QStringLiteral("Day Names")), 0, 1);
    editors->addWidget(m_monthNames, 1, 0, 2, 1);
    editors->addWidget(m_dayNames, 1, 1);

    // Two per row, in the order German, English, Spanish, French, Italian.
    struct Button {
        Language language;
        const char *name;
    };
    const Button buttons[] = {{Language::German, "GermanButton"},
                              {Language::English, "EnglishButton"},
                              {Language::Spanish, "SpanishButton"},
                              {Language::French, "FrenchButton"},
                              {Language::Italian, "ItalianButton"}};
    auto *grid = new QGridLayout;
    for (int index = 0; index < 5; ++index) {
        const LanguageNames &names = languageNames(buttons[index].language);
        QPushButton *button = makeButton(names.buttonCaption, buttons[index].name, names.hint);
        button->setFixedSize(66, 28);
        const Language language = buttons[index].language;
        connect(button, &QPushButton::clicked, this, [this, language] { LanguageClick(language); });
        grid->addWidget(button, index / 2, index % 2);
    }
    editors->addLayout(grid, 2, 1);
    return makePage(QStringLiteral("Month and Day Names"), editors);
}

QComboBox *TCalendarProperties::makeMarginList(const char *name, const QString &hint)
{
    auto *list = named(new QComboBox, name);
    list->addItems(marginStepTexts(MarginUnit::Inches));
    qm::setHint(list, hint);
    connect(list, &QComboBox::activated, this, [this, list] { MarginComboxChange(list); });
    return list;
}

QWidget *TCalendarProperties::buildMarginsPage()
{
    m_leftMargin =
        makeMarginList("LeftMarginInchcombo", QStringLiteral("Select the left margin for the printed calendar"));
    m_topMargin =
        makeMarginList("TopMarginInchcombo", QStringLiteral("Select the top margin for the printed calendar"));
    m_rightMargin =
        makeMarginList("RightMarginInchcombo", QStringLiteral("Select the right margin for the printed calendar"));
    m_bottomMargin =
        makeMarginList("BottomMarginInchcombo", QStringLiteral("Select the bottom margin for the printed calendar"));

    auto *group = new QGroupBox(QStringLiteral("Select Page Margins"));
    auto *lists = new QGridLayout(group);
    const std::pair<const char *, QComboBox *> rows[] = {{"Left Margin", m_leftMargin},
                                                         {"Top Margin", m_topMargin},
                                                         {"Right Margin", m_rightMargin},
                                                         {"Bottom Margin", m_bottomMargin}};
    int row = 0;
    for (const auto &[label, list] : rows) {
        lists->addWidget(new QLabel(QLatin1String(label)), row, 0);
        lists->addWidget(list, row++, 1);
    }

    m_useInches = named(new QRadioButton(QStringLiteral("Use Inches")), "useInches");
    qm::setHint(m_useInches, QStringLiteral("Click to see measurements in inches"));
    m_useInches->setChecked(true);
    m_useMillimeters = named(new QRadioButton(QStringLiteral("Use Millimeters")), "UseMillimeters");
    qm::setHint(m_useMillimeters, QStringLiteral("Click to see measurements in millimeters"));
    for (QRadioButton *unit : {m_useInches, m_useMillimeters})
        connect(unit, &QRadioButton::clicked, this, &TCalendarProperties::UseInchesClick);

    auto *content = new QVBoxLayout;
    content->addWidget(group);
    content->addWidget(m_useInches);
    content->addWidget(m_useMillimeters);
    return makePage(QStringLiteral("Margins"), content);
}

QWidget *TCalendarProperties::buildPreview()
{
    const QString hint = QStringLiteral("This is an example calendar");
    m_scrollBox = named(new QScrollArea, "ScrollBox1");
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    QPalette grey = m_scrollBox->palette();
    grey.setColor(QPalette::Dark, QColor(142, 142, 142));
    m_scrollBox->setPalette(grey);
    qm::setHint(m_scrollBox, hint);

    // The preview sits two pixels in from the grey, inside a single black line.
    auto *canvas = new QWidget;
    m_previewFrame = new QFrame(canvas);
    m_previewFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_previewFrame->setLineWidth(1);
    m_previewFrame->move(previewBorder - 1, previewBorder - 1);
    m_exampleCalendar = named(new TCalendarPanel(m_previewFrame), "ExampleCalendar");
    m_exampleCalendar->move(1, 1);
    qm::setHint(m_exampleCalendar, hint);
    // The preview changes its own size with its magnification and layout;
    // the scrolled area follows it.
    m_exampleCalendar->installEventFilter(this);
    m_scrollBox->setWidget(canvas);
    m_scrollBox->setMinimumSize(wholePageAtDefaultZoom(m_scrollBox->frameWidth()));
    fitPreviewArea();

    auto *zoomIn = named(new QToolButton, "ZoomInButton");
    zoomIn->setText(QStringLiteral("+"));
    zoomIn->setFixedSize(24, 19);
    qm::setHint(zoomIn, QStringLiteral("Click to zoom in (make the calendar larger)"));
    connect(zoomIn, &QToolButton::clicked, this, &TCalendarProperties::ZoomInButtonClick);
    auto *zoomOut = named(new QToolButton, "ZoomOutbutton");
    zoomOut->setText(QStringLiteral("-"));
    zoomOut->setFixedSize(24, 19);
    qm::setHint(zoomOut, QStringLiteral("Click to zoom out (make the calendar smaller)"));
    connect(zoomOut, &QToolButton::clicked, this, &TCalendarProperties::ZoomOutbuttonClick);
    m_zoomLabel = named(new QLabel(QStringLiteral("100%")), "ZoomLabel");

    auto *zoomBar = new QHBoxLayout;
    zoomBar->addWidget(zoomIn);
    zoomBar->addWidget(zoomOut);
    zoomBar->addWidget(m_zoomLabel);
    zoomBar->addStretch();

    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox, 1);
    layout->addLayout(zoomBar);
    return column;
}

QWidget *TCalendarProperties::buildButtonRow()
{
    QPushButton *ok = makeButton(QStringLiteral("OK"), "OkButton", QStringLiteral("Click to save changes"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TCalendarProperties::OkButtonClick);
    QPushButton *cancel =
        makeButton(QStringLiteral("Cancel"), "CancelButton", QStringLiteral("Click to cancel changes"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton *saveAs = makeButton(
        QStringLiteral("Save As Style Sheet"), "SaveAsStyleSheetButton",
        QStringLiteral(
            "Click to save these settings as a style sheet, \rwhich may be applied to other calendars you\rcreate."));
    connect(saveAs, &QPushButton::clicked, this, &TCalendarProperties::SaveAsStyleSheetButtonClick);
    QPushButton *load = makeButton(
        QStringLiteral("Load Style Sheet"), "LoadStyleSheetButton",
        QStringLiteral("Click to load a previously saved style sheet and\rapply the settings to this calendar"));
    connect(load, &QPushButton::clicked, this, &TCalendarProperties::LoadStyleSheetButtonClick);
    QPushButton *defaults = makeButton(QStringLiteral("Default Style"), "Defaultbutton",
                                       QStringLiteral("Click to apply the default style settings to\rthis calendar"));
    connect(defaults, &QPushButton::clicked, this, &TCalendarProperties::DefaultbuttonClick);
    QPushButton *help =
        makeButton(QStringLiteral("Help"), "Helpbutton", QStringLiteral("Click for help with Properties "));
    connect(help, &QPushButton::clicked, this, &TCalendarProperties::HelpbuttonClick);

    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : {ok, cancel, saveAs, load, defaults, help})
        layout->addWidget(button);
    return row;
}

void TCalendarProperties::fitPreviewArea()
{
    m_previewFrame->resize(m_exampleCalendar->size() + QSize(2, 2));
    m_scrollBox->widget()->resize(m_exampleCalendar->size() + QSize(2 * previewBorder, 2 * previewBorder));
}

bool TCalendarProperties::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_exampleCalendar && event->type() == QEvent::Resize)
        fitPreviewArea();
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_monthNames)
            MonthNamesExit();
        else if (watched == m_dayNames)
            DayNamesExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendarProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_updating)
        FormActivate();
}

void TCalendarProperties::runPlacement(void (*placement)(QWidget *))
{
    try {
        placement(this);
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    }
}

void TCalendarProperties::FormActivate()
{
    if (!m_updating)
        return;
    updateZoomLabel();
    runPlacement(&qm::RestoreFormPlacement);
    if (m_newCalendar)
        preview().SetDefaults();
    DetermineSettings();
    m_updating = false;
    LayoutListClick();
}

void TCalendarProperties::done(int result)
{
    runPlacement(&qm::SaveFormPlacement);
    QDialog::done(result);
}

void TCalendarProperties::HelpbuttonClick()
{
    qm::ShowHelpTopic(helpTopic());
}
