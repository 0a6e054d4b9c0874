// The icon strip beside the calendar: the menu of icon sets above it, the
// library it shows and the ticks of that menu.

#include "CalendarMain.h"

#include "controls/ExplorerButton.h"
#include "controls/GIconListBox.h"
#include "platform/FileNameCase.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>

namespace {

/// The libraries that come with the program, in the menu's order: the
/// item's caption, the file, and the part of a path that ticks the item.
struct IconSet {
    const char *caption;
    const char *fileName;
    const char *mark;
};

constexpr IconSet iconSets[] = {
    {"Activities", "activity.icl", "ACTIVITY.ICL"}, {"Events", "events.icl", "EVENTS.ICL"},
    {"Holidays", "holiday.icl", "HOLIDAY.ICL"},     {"Miscellaneous #1", "misc1.icl", "MISC1.ICL"},
    {"Miscellaneous #2", "misc2.icl", "MISC2.ICL"},
};

qm::FileDialogRequest iconCollectionRequest(const QString &currentFile)
{
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Other Icons");
    request.initialFolder = QFileInfo(currentFile).absolutePath();
    request.defaultSuffix = QStringLiteral("ICL");
    // Beyond the icon containers, pictures as icon themes keep them.
    request.filter = QStringLiteral("All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.PNG *.SVG);;ICL Files (*.ICL);;"
                                    "DLL Files (*.DLL);;EXE Files (*.EXE);;ICO Files (*.ICO);;NIL Files (*.NIL);;"
                                    "Pictures (*.PNG *.SVG)");
    request.acceptFolders = true;
    return request;
}

} // namespace

void TCalendarMain::createIconStrip(QLayout *iconPanelLayout)
{
    m_iconSetsMenu = new QMenu(this);
    const std::function<void()> commands[] = {
        [this] { mnuActivitiesICLClick(); }, [this] { mnuEventsICLClick(); }, [this] { mnuHolidaysICLClick(); },
        [this] { mnuMisc1ICLClick(); },      [this] { mnuMisc2ICLClick(); },
    };
    for (size_t i = 0; i < std::size(iconSets); ++i)
        m_iconSetItems.append(m_iconSetsMenu->addAction(QLatin1String(iconSets[i].caption), this, commands[i]));
    m_iconSetItems.append(
        m_iconSetsMenu->addAction(QStringLiteral("Other"), this, [this] { mnuOtherICONFILEClick(); }));
    for (QAction *item : std::as_const(m_iconSetItems))
        item->setCheckable(true);

    m_panel2 = new QWidget;
    m_panel2->setFixedHeight(21);
    m_iconBarButton = new TExplorerButton(m_panel2);
    m_iconBarButton->setGeometry(6, 1, 40, 17);
    m_iconBarButton->SetOptions(boMonoDisplay | boPopupMark);
    m_iconBarButton->setToolTip(QStringLiteral("Select a new icon set"));
    m_iconBarButton->SetDropDownMenu(m_iconSetsMenu);
    iconPanelLayout->addWidget(m_panel2);

    m_iconListBox = new TGIconListBox;
    m_iconListBox->setToolTip(QStringLiteral("To add an icon to the calendar, drag and drop\nit onto the cell in which "
                                             "you want it to appear. It will \nthen appear in the cell as part of the "
                                             "editable\ntext"));
    iconPanelLayout->addWidget(m_iconListBox);
}

void TCalendarMain::chooseIconSet(const QString &fileName)
{
    m_iconListBox->SetFileName(qm::DataFileName(fileName));
    SavePreferences();
    SetButtons();
}

void TCalendarMain::mnuActivitiesICLClick()
{
    chooseIconSet(QLatin1String(iconSets[0].fileName));
}

void TCalendarMain::mnuEventsICLClick()
{
    chooseIconSet(QLatin1String(iconSets[1].fileName));
}

void TCalendarMain::mnuHolidaysICLClick()
{
    chooseIconSet(QLatin1String(iconSets[2].fileName));
}

void TCalendarMain::mnuMisc1ICLClick()
{
    chooseIconSet(QLatin1String(iconSets[3].fileName));
}

void TCalendarMain::mnuMisc2ICLClick()
{
    chooseIconSet(QLatin1String(iconSets[4].fileName));
}

void TCalendarMain::mnuOtherICONFILEClick()
{
    qm::Prompts &prompts = qm::Prompts::instance();
    const qm::FileDialogRequest request = iconCollectionRequest(m_iconListBox->FileName());
    QString chosen = prompts.getOpenFileName(request);
    if (!chosen.isEmpty())
        m_iconListBox->SetFileName(chosen);
    while (m_iconListBox->NumberOfIcons() == 0) {
        prompts.ShowInformation(QStringLiteral("No icons found in ") + chosen);
        const QString another = prompts.getOpenFileName(request);
        if (another.isEmpty())
            break;
        chosen = another;
        m_iconListBox->SetFileName(chosen);
    }
    if (m_iconListBox->NumberOfIcons() == 0)
        m_iconListBox->SetFileName(qm::DataFileName(QStringLiteral("Misc1.icl")));
    SavePreferences();
    SetButtons();
}

void TCalendarMain::setIconSetTicks()
{
    const QString path = m_iconFileName.toUpper();
    bool anyTicked = false;
    for (size_t i = 0; i < std::size(iconSets); ++i) {
        const bool ticked = path.contains(QLatin1String(iconSets[i].mark));
        m_iconSetItems[qsizetype(i)]->setChecked(ticked);
        anyTicked = anyTicked || ticked;
    }
    QAction *other = m_iconSetItems.last();
    if (anyTicked)
        other->setChecked(false);
    else if (!path.isEmpty() && qm::fileExistsIgnoringCase(m_iconFileName))
        other->setChecked(true);
}
