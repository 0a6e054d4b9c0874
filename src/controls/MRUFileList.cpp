#include "MRUFileList.h"

#include "MRUMenuItem.h"

#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"

#include <QMenu>
#include <QMenuBar>

TMRUFileList::TMRUFileList(QObject *owner)
    : QObject(owner)
    , m_submenuName(QStringLiteral("Reopen"))
    , m_autoSaveName(QStringLiteral("\\Software\\My Application"))
    , m_autoSaveKey(QStringLiteral("MRU Items"))
{}

TMRUFileList::~TMRUFileList()
{
    if (!m_autoSave)
        return;
    try {
        SaveList();
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    }
}

void TMRUFileList::SetMaximum(int maximum)
{
    if (maximum < m_maximum && m_files.size() > maximum) {
        m_files.resize(maximum);
        BuildMenu();
    }
    m_maximum = maximum;
}

void TMRUFileList::SetUseSubmenu(bool useSubmenu)
{
    if (useSubmenu == m_useSubmenu)
        return;
    m_useSubmenu = useSubmenu;
    BuildMenu();
}

void TMRUFileList::SetSubmenuName(const QString &name)
{
    if (name == m_submenuName)
        return;
    m_submenuName = name;
    if (m_useSubmenu)
        BuildMenu();
}

void TMRUFileList::SetFileMenu(QMenu *menu)
{
    RemoveMenuItems();
    m_fileMenu = menu;
    BuildMenu();
}

void TMRUFileList::Loaded()
{
    if (m_autoSave)
        LoadList();
}

void TMRUFileList::AddFile(const QString &fileName)
{
    const auto same = [&fileName](const QString &listed) { return listed.compare(fileName, Qt::CaseInsensitive) == 0; };
    const qsizetype found = std::find_if(m_files.cbegin(), m_files.cend(), same) - m_files.cbegin();
    if (found == m_files.size()) {
        m_files.prepend(fileName);
        while (m_files.size() > m_maximum)
            m_files.removeLast();
    } else {
        m_files.move(found, 0);
    }
    BuildMenu();
}

void TMRUFileList::InsertFile(int index, const QString &fileName)
{
    m_files.insert(qBound(0, index, int(m_files.size())), fileName);
    BuildMenu();
}

bool TMRUFileList::LoadList()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return false;
    m_files.clear();
    for (const QString &line : qm::IniFile(m_autoSaveName).readSectionLines(m_autoSaveKey))
        m_files << line.mid(line.indexOf(u'=') + 1);
    BuildMenu();
    return true;
}

bool TMRUFileList::SaveList()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return false;
    QList<qm::IniFile::KeyValue> keys;
    keys.reserve(m_files.size());
    for (qsizetype k = 0; k < m_files.size(); ++k)
        keys.append({QStringLiteral("F%1").arg(k), m_files[k]});
    qm::IniFile(m_autoSaveName).writeSection(m_autoSaveKey, keys);
    return true;
}

QWidget *TMRUFileList::menuTarget(int *position) const
{
    if (!m_fileMenu)
        return nullptr;
    if (!m_fileMenu->actions().isEmpty()) {
        *position = int(m_fileMenu->actions().size());
        return m_fileMenu;
    }
    // An empty menu is replaced by the entries in the menu that holds it.
    QAction *menuAction = m_fileMenu->menuAction();
    for (QObject *holder : menuAction->associatedObjects()) {
        if (qobject_cast<QMenu *>(holder) || qobject_cast<QMenuBar *>(holder)) {
            auto *target = static_cast<QWidget *>(holder);
            *position = int(target->actions().indexOf(menuAction));
            return target;
        }
    }
    return nullptr;
}

void TMRUFileList::BuildMenu()
{
    if (!m_fileMenu)
        return;
    RemoveMenuItems();
    if (m_files.isEmpty())
        return;
    int position = 0;
    QWidget *target = menuTarget(&position);
    if (!target)
        return;
    const auto insertAt = [](QWidget *menu, int index, QAction *item) {
        menu->insertAction(menu->actions().value(index, nullptr), item);
    };

    // A separator with a caption is drawn as a titled section, caption and all.
    auto *separator = new TMRUMenuItem(QString(), 0, this);
    separator->setSeparator(true);
    insertAt(target, position++, separator);
    if (m_useSubmenu) {
        auto *submenuItem = new TMRUMenuItem(m_submenuName, 0, this);
        submenuItem->setMenu(new QMenu(m_submenuName, target));
        insertAt(target, position, submenuItem);
        target = submenuItem->menu();
        position = 0;
    }
    for (qsizetype k = 0; k < m_files.size(); ++k) {
        // An & in a path is doubled so that the menu shows it rather than
        // underlining the next letter ("R&D.QMF" would read "RD.QMF").
        QString path = m_files[k];
        path.replace(u'&', QStringLiteral("&&"));
        auto *entry = new TMRUMenuItem(QStringLiteral("&%1 %2").arg(k + 1).arg(path), int(k + 1), this);
        connect(entry, &QAction::triggered, this, [this, entry] { ItemClick(entry); });
        insertAt(target, position++, entry);
    }
}

void TMRUFileList::RemoveMenuItems()
{
    int position = 0;
    QWidget *target = menuTarget(&position);
    if (!target)
        return;
    const QList<QAction *> items = target->actions();
    for (auto it = items.crbegin(); it != items.crend(); ++it) {
        auto *item = qobject_cast<TMRUMenuItem *>(*it);
        if (!item)
            continue;
        target->removeAction(item);
        // The clicked entry is still being reported when the menu is rebuilt,
        // so items go once control returns to the event loop.
        if (item->menu())
            item->menu()->deleteLater();
        item->deleteLater();
    }
}

void TMRUFileList::ItemClick(TMRUMenuItem *item)
{
    const int index = item->EntryNumber() - 1;
    if (index < 0 || index >= m_files.size())
        return;
    const QString fileName = m_files[index];
    if (m_removeOnClick) {
        m_files.removeAt(index);
        BuildMenu();
    }
    if (m_onClick)
        m_onClick(item, fileName);
}
