#pragma once

#include <QAction>

/// A menu item created by TMRUFileList: a recent-files entry (EntryNumber 1
/// for the most recent file), or the separator or submenu item in front of
/// the entries (EntryNumber 0). The list finds its own items by this type.
class TMRUMenuItem : public QAction
{
    Q_OBJECT

public:
    TMRUMenuItem(const QString &caption, int entryNumber, QObject *parent);

    int EntryNumber() const { return m_entryNumber; }
    void SetEntryNumber(int entryNumber) { m_entryNumber = entryNumber; }

private:
    int m_entryNumber;
};
