#include "Hint.h"

#include <QWidget>

namespace qm {

QString withLineFeeds(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void setHint(QWidget *control, const QString &text)
{
    control->setToolTip(withLineFeeds(text));
}

} // namespace qm
