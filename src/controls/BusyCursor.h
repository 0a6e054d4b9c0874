#pragma once

namespace qm {

/// Shows the hourglass over the whole application. Calls do not nest: one
/// EndBusy ends any number of BeginBusy.
void BeginBusy();

/// Goes back to the ordinary cursor.
void EndBusy();

} // namespace qm
