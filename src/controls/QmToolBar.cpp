#include "controls/QmToolBar.h"

#include "controls/QmTBCombo.h"
#include "controls/ToolListDelegate.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QToolButton>

using namespace qm;

namespace {

constexpr QSize ButtonSize(23, 22);
constexpr int ButtonTop = 3;
constexpr int ListTop = 4;
constexpr int ListHeight = 21;
constexpr int ListSpacing = 4;
/// Longest font name the font table holds.
constexpr int FontNameLength = 31;

/// The lists in the order they are placed from the left.
constexpr TQmTbListbox ListOrder[] = {SelFontName,        SelFontSize, SelFontColor,
                                      SelBackgroundColor, SelStyle,    SelParColor};

} // namespace

TQmToolBar::TQmToolBar(QWidget *parent)
    : TQmCustomToolPanel(parent)
{
    resize(300, 31);
    rebuild();
}

void TQmToolBar::Setsel_ListBoxes(TqmTbListboxen lists)
{
    m_listBoxes = lists;
    rebuild();
}

void TQmToolBar::Setsel_StatusIcons(TqmTbIcons icons)
{
    m_statusIcons = icons;
    rebuild();
}

void TQmToolBar::Setsel_ActionIcons(TqmTbIcons2 icons)
{
    m_actionIcons = icons;
    rebuild();
}

void TQmToolBar::Setsel_DatabaseIcons(TqmTbIcons3 icons)
{
    m_databaseIcons = icons;
    rebuild();
}

void TQmToolBar::Setsel_EditIcons(TqmTbIcons4 icons)
{
    m_editIcons = icons;
    rebuild();
}

void TQmToolBar::SetFontSizeFrom(int size)
{
    m_fontSizeFrom = size;
    rebuild();
}

void TQmToolBar::SetFontSizeTo(int size)
{
    m_fontSizeTo = size;
    rebuild();
}

void TQmToolBar::SetFontChoice(TFontSelChoice choice)
{
    m_fontChoice = choice;
    rebuild();
}

void TQmToolBar::SetShowFont(bool show)
{
    m_showFont = show;
    rebuild();
}

void TQmToolBar::SetWidthBetweenGroups(int pixels)
{
    m_widthBetweenGroups = pixels;
    rebuild();
}

bool TQmToolBar::isShown(const ToolButton &button) const
{
    switch (button.set) {
    case ToolButtonSet::Status:
        return m_statusIcons.testFlag(TQmTbIcon(button.member));
    case ToolButtonSet::Action:
        return m_actionIcons.testFlag(TQmTbIcon2(button.member));
    case ToolButtonSet::Database:
        return m_databaseIcons.testFlag(TQmTbIcon3(button.member));
    case ToolButtonSet::Edit:
        return m_editIcons.testFlag(TQmTbIcon4(button.member));
    }
    return false;
}

void TQmToolBar::rebuild()
{
    ClearControls();
    const QFontMetrics metrics = fontMetrics();
    int x = ListSpacing;
    for (const TQmTbListbox kind : ListOrder) {
        if (!m_listBoxes.testFlag(kind))
            continue;
        TQmTBCombo *list = AddList(kind);
        int width = metrics.horizontalAdvance(QStringLiteral("A")) + 32;
        if (kind == SelFontName) {
            fillFontNames(*list);
            width = 0;
            for (int i = 0; i < list->count(); ++i)
                width = std::max(width, metrics.horizontalAdvance(list->itemText(i) + QStringLiteral("    ")));
        } else if (kind == SelFontSize) {
            fillFontSizes(*list);
            width = 3 * metrics.horizontalAdvance(QLatin1Char('8')) + 24;
        }
        list->setGeometry(x, ListTop, width, ListHeight);
        x += width + ListSpacing;
    }

    int group = 0;
    for (const ToolButton &info : toolButtons()) {
        if (!isShown(info))
            continue;
        if (info.group != group) {
            x += m_widthBetweenGroups;
            group = info.group;
        }
        AddButton(info)->setGeometry(QRect(QPoint(x, ButtonTop), ButtonSize));
        x += ButtonSize.width();
    }
}

void TQmToolBar::fillFontNames(TQmTBCombo &list)
{
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    list.lineEdit()->setMaxLength(FontNameLength);
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    for (const QString &family : families) {
        list.addItem(family);
        const int index = list.count() - 1;
        list.setItemData(index, QFontDatabase::isSmoothlyScalable(family), ToolListDelegate::TrueTypeRole);
        if (m_showFont)
            list.setItemData(index, QFont(family), Qt::FontRole);
    }
    SetListText(SelFontName, font().family());
}

void TQmToolBar::fillFontSizes(TQmTBCombo &list)
{
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    const int from = m_fontSizeFrom == 0 ? 1 : m_fontSizeFrom;
    for (int size = from; size <= m_fontSizeTo; ++size)
        list.addItem(QLatin1Char(' ') + QString::number(size));
}
