#pragma once

#include <QStringList>

/// The layout list and the orientation group of the Layout page select one
/// calendar layout together: rows 0..8 are portrait/landscape pairs, rows
/// 9..12 the planners, which have no landscape form.
struct LayoutChoice {
    int listIndex = 0;
    int orientationIndex = 0; // 0 portrait, 1 landscape
};

/// The 13 texts of the layout list.
const QStringList &layoutListItems();
/// The layout ordinal for a list row and orientation; -1 when no row is selected.
int layoutFromChoice(LayoutChoice choice);
/// The list row and orientation showing `layout`; row 0 portrait for an unknown layout.
LayoutChoice choiceFromLayout(int layout);
