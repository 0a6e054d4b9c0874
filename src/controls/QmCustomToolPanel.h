#pragma once

#include "controls/QmToolBarTypes.h"
#include "controls/ToolButtons.h"
#include "platform/Color.h"

#include <QFrame>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <vector>

class QButtonGroup;
class QToolButton;
class TQmTBCombo;
class TQmToolPanelClient;

/// The machinery of a formatting toolbar: its lists and speed buttons in
/// creation order, the link to the editing control that receives their
/// choices, the palette of the colour lists, hints and enabling.
///
/// Flow: an editing control calls `RegisterControl` when it becomes the
/// active editor (the toolbar takes its colour table as palette) and shows
/// its state with `SetButtonState` and `SetListText`; a click on a button or
/// a choice in a list gives the focus back to that control and hands it the
/// choice (`TQmToolPanelClient`). Disabling the panel disables every control
/// on it; enabling it again gives each button back the enabled state it had.
class TQmCustomToolPanel : public QFrame
{
    Q_OBJECT

public:
    using Palette = std::array<TColor, 16>;
    /// A choice in a list; the handler may change `kind`.
    using TQmSelectEvent =
        std::function<void(TQmCustomToolPanel &sender, TQmSelNr &kind, const QString &text, int number)>;
    /// A button went down (`selected`) or up; the handler may change `selected`.
    /// `index` is the button's place among the toolbar's controls.
    using TQmIconSelectEvent = std::function<void(TQmCustomToolPanel &sender, bool &selected, const QString &name,
                                                  int group, int number, int index)>;

    explicit TQmCustomToolPanel(QWidget *parent = nullptr);
    ~TQmCustomToolPanel() override;

    /// Lists and buttons in creation order.
    const std::vector<QWidget *> &Controls() const { return m_controls; }
    /// The list shown for `list`, or null.
    TQmTBCombo *List(TQmTbListbox list) const;
    /// The button of `group` with `number`, or null when it is not shown.
    QToolButton *Button(int group, int number) const;

    // What the editing control shows --------------------------------------
    /// Puts a button down or up without reporting a click.
    void SetButtonState(int group, int number, bool down);
    /// Shows `text` in a text list (the item with that text when there is one).
    void SetListText(TQmTbListbox list, const QString &text);
    /// Shows item `index` of a list (a palette index for colour lists).
    void SetListIndex(TQmTbListbox list, int index);

    // Links ---------------------------------------------------------------
    /// Makes `control` (a widget implementing `TQmToolPanelClient`) the
    /// receiver of button clicks and list choices, takes its colour table as
    /// palette and passes both on along the NextToolBar chain.
    void RegisterControl(QWidget *control);
    QWidget *FocusedControl() const { return m_focusedControl; }
    /// The colours of the colour lists; passed on along the NextToolBar chain.
    const Palette &ColorPalette() const { return m_palette; }
    void SetColorPalette(const Palette &palette);
    /// A further receiver of list choices (a `TQmToolPanelClient`); cleared when it is destroyed.
    QObject *UpdateObject() const { return m_updateObject; }
    void SetUpdateObject(QObject *object) { m_updateObject = object; }
    /// The object name of a further receiver of list choices, looked up in
    /// the toolbar's window when a choice is made; a name that finds nothing is cleared.
    const QString &UpdateObjectName() const { return m_updateObjectName; }
    void SetUpdateObjectName(const QString &name) { m_updateObjectName = name; }
    /// A toolbar that is told of every registration and palette too.
    TQmCustomToolPanel *NextToolBar() const { return m_nextToolBar; }
    void SetNextToolBar(TQmCustomToolPanel *next) { m_nextToolBar = next; }
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    // Hints -----------------------------------------------------------------
    /// Lines "QMI_<button name>=<hint>". Read while empty, it is filled with
    /// "QMI_<name>=<name>" for every button name.
    const QStringList &Hints();
    void SetHints(const QStringList &hints);

    // Events ----------------------------------------------------------------
    void SetOnSelection(TQmSelectEvent handler) { m_onSelection = std::move(handler); }
    void SetOnIconSelection(TQmIconSelectEvent handler) { m_onIconSelection = std::move(handler); }

protected:
    /// Removes every list and button.
    void ClearControls();
    /// A new list at the end of the creation order; choices in it are reported.
    TQmTBCombo *AddList(TQmTbListbox list);
    /// A new speed button at the end of the creation order.
    QToolButton *AddButton(const qm::ToolButton &button);

private:
    struct ButtonEntry {
        QToolButton *button = nullptr;
        const qm::ToolButton *info = nullptr;
    };

    /// Runs `step` on this toolbar and on each one down the NextToolBar
    /// chain; a chain that comes back to a toolbar ends there with a message.
    void alongChain(const std::function<void(TQmCustomToolPanel &)> &step);
    void buttonClicked(const ButtonEntry &entry);
    /// A choice of item `index` (-1 for typed text) in `list`.
    void listChosen(TQmTBCombo *list, const QString &text, int index);
    /// Hands a list choice to `receiver` when it is a toolbar client.
    static void deliverSelection(QObject *receiver, TQmSelNr kind, const QString &text, int number);
    QObject *namedUpdateObject();
    /// The receiving control with the focus given back, or null.
    TQmToolPanelClient *focusedClient();
    void updateColorLists();
    void updateHints();
    QString hintFor(const qm::ToolButton &button);

    std::vector<QWidget *> m_controls;
    std::vector<ButtonEntry> m_buttons;
    std::map<TQmTbListbox, TQmTBCombo *> m_lists;
    QButtonGroup *m_alignmentGroup = nullptr;
    Palette m_palette;
    QPointer<QWidget> m_focusedControl;
    QPointer<QObject> m_updateObject;
    QString m_updateObjectName;
    QPointer<TQmCustomToolPanel> m_nextToolBar;
    bool m_passingOn = false;
    bool m_locked = false;
    QStringList m_hints;
    TQmSelectEvent m_onSelection;
    TQmIconSelectEvent m_onIconSelection;
};
