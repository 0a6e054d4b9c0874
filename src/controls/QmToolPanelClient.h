#pragma once

#include "controls/QmToolBarTypes.h"
#include "platform/Color.h"

#include <QString>

#include <array>

/// What a formatting toolbar asks of an editing control: the control that
/// registers with a toolbar (and the toolbar's `UpdateObject`) implements
/// this beside being a widget, and shows its own state on the toolbar with
/// `TQmCustomToolPanel::SetButtonState` and `SetListText`.
class TQmToolPanelClient
{
public:
    virtual ~TQmToolPanelClient() = default;

    /// The 16 colours of the control's document: the toolbar's palette.
    virtual std::array<TColor, 16> ToolBarPalette() const = 0;
    /// A button of `group` with `number` (and hint name `name`) went down
    /// (`selected`) or up.
    virtual void ToolBarIconSelection(bool selected, int group, int number, const QString &name) = 0;
    /// A choice in a list: the font name in `text`, the size in `number`,
    /// or a palette index in `number`.
    virtual void ToolBarListSelection(TQmSelNr kind, const QString &text, int number) = 0;
};
