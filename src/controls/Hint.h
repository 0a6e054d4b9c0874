#pragma once

#include <QString>

class QWidget;

namespace qm {

/// The program's texts break lines with carriage returns ("\r" or "\r\n");
/// Qt's widgets break them with line feeds.
QString withLineFeeds(const QString &text);

/// Shows `text` as the hint (tool tip) of `control`.
void setHint(QWidget *control, const QString &text);

} // namespace qm
