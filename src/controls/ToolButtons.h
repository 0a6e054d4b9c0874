#pragma once

#include "controls/QmToolBarTypes.h"

#include <QStringView>

#include <optional>
#include <span>

namespace qm {

/// Which of a toolbar's button sets decides whether a button is shown.
enum class ToolButtonSet { Status, Action, Database, Edit };

/// One speed button a formatting toolbar can show: what the editing control
/// receives (group and number), its picture and its name in the hint list.
struct ToolButton {
    TQmButtonGroup group;
    int number;
    const char *bitmapName; ///< "QMI_BOLD": the glyph drawn on the button
    const char *name;       ///< "Bold": the hint line is "QMI_Bold=..."
    ToolButtonSet set;
    int member; ///< the button's flag in its set
};

/// Every button, group after group in creation order, each group's buttons
/// in the order they are created.
std::span<const ToolButton> toolButtons();

/// The button with `group` and `number`, or null.
const ToolButton *findToolButton(int group, int number);

/// The style bit (`TAttr::Flag`) that character-style button `number`
/// (group 256) stands for; 0 for Normal and for numbers of no button.
quint32 styleFlagOf(int number);
/// The alignment button (group 512) of a `TParagraphFormat::Alignment`, and back.
int alignmentButtonOf(quint8 alignment);
std::optional<quint8> alignmentOfButton(int number);

/// The 38 button names in the order of a toolbar's default hint list.
std::span<const QStringView> defaultHintNames();

} // namespace qm
