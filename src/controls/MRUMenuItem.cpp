#include "MRUMenuItem.h"

TMRUMenuItem::TMRUMenuItem(const QString &caption, int entryNumber, QObject *parent)
    : QAction(caption, parent)
    , m_entryNumber(entryNumber)
{}
