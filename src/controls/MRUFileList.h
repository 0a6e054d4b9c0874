#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;
class TMRUMenuItem;

/// The recently used files, most recent first, shown as numbered entries
/// ("&1 /path/file") at the end of a menu and kept in a section of a settings
/// file (keys "F0", "F1", ... most recent first).
class TMRUFileList : public QObject
{
    Q_OBJECT

public:
    /// Raised with the clicked entry and its path.
    using TMRUClick = std::function<void(TMRUMenuItem *sender, const QString &fileName)>;

    explicit TMRUFileList(QObject *owner = nullptr);
    /// Saves the list when AutoSave is on; a failed write is reported through
    /// the prompts.
    ~TMRUFileList() override;

    /// Most entries AddFile keeps (0..255). Lowering it drops the oldest entries.
    int Maximum() const { return m_maximum; }
    void SetMaximum(int maximum);
    /// A clicked entry leaves the list before the click is reported.
    bool RemoveOnClick() const { return m_removeOnClick; }
    void SetRemoveOnClick(bool remove) { m_removeOnClick = remove; }
    /// The entries go into a submenu captioned SubmenuName.
    bool UseSubmenu() const { return m_useSubmenu; }
    void SetUseSubmenu(bool useSubmenu);
    const QString &SubmenuName() const { return m_submenuName; }
    void SetSubmenuName(const QString &name);
    const TMRUClick &OnMRUItemClick() const { return m_onClick; }
    void SetOnMRUItemClick(TMRUClick onClick) { m_onClick = std::move(onClick); }
    /// The menu that receives the entries: after its items, or, when it has
    /// none, in its parent menu in its place.
    QMenu *FileMenu() const { return m_fileMenu; }
    void SetFileMenu(QMenu *menu);
    /// Load the list in Loaded() and save it on destruction.
    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool autoSave) { m_autoSave = autoSave; }
    /// The settings file and its section that hold the list.
    const QString &AutoSaveName() const { return m_autoSaveName; }
    void SetAutoSaveName(const QString &fileName) { m_autoSaveName = fileName; }
    const QString &AutoSaveKey() const { return m_autoSaveKey; }
    void SetAutoSaveKey(const QString &section) { m_autoSaveKey = section; }

    /// The paths, most recent first.
    const QStringList &Files() const { return m_files; }

    /// To be called once the properties are set: loads the list when AutoSave is on.
    void Loaded();
    /// Puts `fileName` first. A path already listed (compared without regard to
    /// letter case) moves up and keeps its spelling; a new one may push the
    /// oldest out.
    void AddFile(const QString &fileName);
    /// Puts `fileName` back at `index` (0 = first), as when a clicked entry
    /// must return to where it was; the list may then exceed Maximum, as after LoadList.
    void InsertFile(int index, const QString &fileName);
    /// Reads every line of the section in file order (the text after the first
    /// "=" of each); false when no file or section is named.
    bool LoadList();
    /// Replaces the keys of the section with the list, in one write of the
    /// file; false when no file or section is named.
    /// Throws QmError "Unable to write to <path>" when the file cannot be written.
    bool SaveList();
    /// Rebuilds the menu entries: a separator, then one entry per path; nothing
    /// at all for an empty list.
    virtual void BuildMenu();

private:
    /// The menu that holds the entries (or the submenu item), and where they start.
    QWidget *menuTarget(int *position) const;
    void RemoveMenuItems();
    void ItemClick(TMRUMenuItem *item);

    int m_maximum = 5;
    bool m_removeOnClick = true;
    bool m_useSubmenu = false;
    QString m_submenuName;
    TMRUClick m_onClick;
    QPointer<QMenu> m_fileMenu;
    bool m_autoSave = true;
    QString m_autoSaveName;
    QString m_autoSaveKey;
    QStringList m_files;
};
