#include "controls/QmCustomToolPanel.h"

#include "controls/QmTBCombo.h"
#include "controls/QmToolPanelClient.h"
#include "controls/ToolGlyphs.h"
#include "platform/Prompts.h"
#include "richtext/TextHeader.h"

#include <QButtonGroup>
#include <QToolButton>

using namespace qm;

namespace {

struct ListKind {
    int tag;
    TQmSelNr selection;
    bool colors;
};

ListKind listKind(TQmTbListbox list)
{
    switch (list) {
    case SelFontName:
        return {1, snFontName, false};
    case SelFontSize:
        return {2, snFontSize, false};
    case SelFontColor:
        return {3, snFontColor, true};
    case SelStyle:
        return {4, snStyle, true};
    case SelBackgroundColor:
        return {5, snBackgroundColor, true};
    case SelParColor:
        return {6, snParColor, true};
    }
    return {0, snFontName, false};
}

} // namespace

TQmCustomToolPanel::TQmCustomToolPanel(QWidget *parent)
    : QFrame(parent)
    , m_palette(TTextHeader::defaultColors())
{}

TQmCustomToolPanel::~TQmCustomToolPanel() = default;

TQmTBCombo *TQmCustomToolPanel::List(TQmTbListbox list) const
{
    const auto found = m_lists.find(list);
    return found == m_lists.end() ? nullptr : found->second;
}

QToolButton *TQmCustomToolPanel::Button(int group, int number) const
{
    for (const ButtonEntry &entry : m_buttons) {
        if (entry.info->group == group && entry.info->number == number)
            return entry.button;
    }
    return nullptr;
}

// Building ------------------------------------------------------------------

void TQmCustomToolPanel::ClearControls()
{
    for (QWidget *control : m_controls)
        delete control;
    m_controls.clear();
    m_buttons.clear();
    m_lists.clear();
    delete m_alignmentGroup;
    m_alignmentGroup = nullptr;
}

TQmTBCombo *TQmCustomToolPanel::AddList(TQmTbListbox list)
{
    const ListKind kind = listKind(list);
    auto *combo = new TQmTBCombo(this);
    combo->SetTag(kind.tag);
    m_lists[list] = combo;
    m_controls.push_back(combo);
    if (kind.colors)
        updateColorLists();
    connect(combo, &QComboBox::activated, this,
            [this, combo](int index) { listChosen(combo, combo->itemText(index), index); });
    connect(combo, &TQmTBCombo::textTyped, this, [this, combo](const QString &text) { listChosen(combo, text, -1); });
    combo->show();
    return combo;
}

QToolButton *TQmCustomToolPanel::AddButton(const ToolButton &info)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(info.bitmapName));
    button->setIcon(toolGlyph(button->objectName()));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hintFor(info));
    if (info.group == bgAlignment) {
        if (!m_alignmentGroup)
            m_alignmentGroup = new QButtonGroup(this);
        m_alignmentGroup->addButton(button);
    }
    m_controls.push_back(button);
    m_buttons.push_back({button, &info});
    const ButtonEntry entry = m_buttons.back();
    connect(button, &QToolButton::clicked, this, [this, entry] { buttonClicked(entry); });
    button->show();
    return button;
}

// State shown by the editing control ---------------------------------------------

void TQmCustomToolPanel::SetButtonState(int group, int number, bool down)
{
    if (QToolButton *button = Button(group, number))
        button->setChecked(down);
}

void TQmCustomToolPanel::SetListText(TQmTbListbox list, const QString &text)
{
    TQmTBCombo *combo = List(list);
    if (!combo)
        return;
    const int index = combo->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        combo->setCurrentIndex(index);
    if (combo->isEditable())
        combo->setEditText(index >= 0 ? combo->itemText(index) : text);
}

void TQmCustomToolPanel::SetListIndex(TQmTbListbox list, int index)
{
    if (TQmTBCombo *combo = List(list))
        combo->setCurrentIndex(index);
}

// Links ---------------------------------------------------------------------------

void TQmCustomToolPanel::alongChain(const std::function<void(TQmCustomToolPanel &)> &step)
{
    if (m_passingOn) {
        m_nextToolBar = nullptr;
        Prompts::instance().ShowInformation(QStringLiteral("Error: NextToolBar Loop"));
        return;
    }
    step(*this);
    if (!m_nextToolBar)
        return;
    m_passingOn = true;
    m_nextToolBar->alongChain(step);
    m_passingOn = false;
}

void TQmCustomToolPanel::RegisterControl(QWidget *control)
{
    alongChain([control](TQmCustomToolPanel &toolBar) {
        toolBar.m_focusedControl = control;
        if (const auto *client = dynamic_cast<const TQmToolPanelClient *>(control)) {
            toolBar.m_palette = client->ToolBarPalette();
            toolBar.updateColorLists();
        }
    });
}

void TQmCustomToolPanel::SetColorPalette(const Palette &palette)
{
    alongChain([&palette](TQmCustomToolPanel &toolBar) {
        toolBar.m_palette = palette;
        toolBar.updateColorLists();
    });
}

void TQmCustomToolPanel::updateColorLists()
{
    std::array<QColor, 16> colors;
    std::transform(m_palette.begin(), m_palette.end(), colors.begin(), toQColor);
    for (const auto &[list, combo] : m_lists) {
        if (!listKind(list).colors)
            continue;
        std::array<QColor, 16> shown = colors;
        // Background colour 0 means no background: the window shows through.
        if (list == SelBackgroundColor)
            shown[0] = palette().color(QPalette::Base);
        combo->SetColors(shown);
    }
}

// Choices -------------------------------------------------------------------------

TQmToolPanelClient *TQmCustomToolPanel::focusedClient()
{
    auto *client = dynamic_cast<TQmToolPanelClient *>(m_focusedControl.data());
    if (client)
        m_focusedControl->setFocus(Qt::OtherFocusReason);
    return client;
}

void TQmCustomToolPanel::buttonClicked(const ButtonEntry &entry)
{
    bool selected = entry.button->isChecked();
    const QString name = QString::fromLatin1(entry.info->name);
    const int index = int(std::find(m_controls.begin(), m_controls.end(), entry.button) - m_controls.begin());
    if (m_onIconSelection)
        m_onIconSelection(*this, selected, name, entry.info->group, entry.info->number, index);
    if (TQmToolPanelClient *client = focusedClient())
        client->ToolBarIconSelection(selected, entry.info->group, entry.info->number, name);
}

void TQmCustomToolPanel::deliverSelection(QObject *receiver, TQmSelNr kind, const QString &text, int number)
{
    if (auto *client = dynamic_cast<TQmToolPanelClient *>(receiver))
        client->ToolBarListSelection(kind, text, number);
}

QObject *TQmCustomToolPanel::namedUpdateObject()
{
    if (m_updateObjectName.isEmpty())
        return nullptr;
    QObject *named = window()->findChild<QObject *>(m_updateObjectName);
    if (!named)
        m_updateObjectName.clear();
    return named;
}

void TQmCustomToolPanel::listChosen(TQmTBCombo *list, const QString &text, int index)
{
    const auto found =
        std::find_if(m_lists.begin(), m_lists.end(), [list](const auto &entry) { return entry.second == list; });
    TQmSelNr kind = listKind(found->first).selection;
    const int number = kind == snFontSize ? text.trimmed().toInt() : index;

    // Each receiver hears of the choice once, even when it is named in several ways.
    std::vector<QObject *> told;
    const auto tell = [&](QObject *receiver) {
        if (!receiver || std::find(told.begin(), told.end(), receiver) != told.end())
            return;
        told.push_back(receiver);
        deliverSelection(receiver, kind, text, number);
    };
    tell(namedUpdateObject());
    tell(m_updateObject);
    if (m_onSelection)
        m_onSelection(*this, kind, text, number);
    QObject *focused = m_focusedControl;
    if (focusedClient())
        tell(focused);
}

// Hints ---------------------------------------------------------------------------

const QStringList &TQmCustomToolPanel::Hints()
{
    if (m_hints.isEmpty()) {
        for (const QStringView name : defaultHintNames())
            m_hints.append(QStringLiteral("QMI_") + name.toString() + u'=' + name.toString());
    }
    return m_hints;
}

void TQmCustomToolPanel::SetHints(const QStringList &hints)
{
    m_hints = hints;
    updateHints();
}

void TQmCustomToolPanel::updateHints()
{
    for (const ButtonEntry &entry : m_buttons)
        entry.button->setToolTip(hintFor(*entry.info));
}

QString TQmCustomToolPanel::hintFor(const ToolButton &button)
{
    const QString key = QStringLiteral("QMI_") + QLatin1String(button.name) + u'=';
    for (const QString &line : Hints()) {
        if (line.startsWith(key, Qt::CaseInsensitive))
            return line.mid(key.size());
    }
    return {};
}
