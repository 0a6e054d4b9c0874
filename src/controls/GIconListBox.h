#pragma once

#include <QListWidget>
#include <QPixmap>

#include <memory>

class IconCollection;

enum TOrientation { lbHorizontal, lbVertical };

/// The icon strip: a list of the icons of one file (or folder of pictures,
/// see IconCollection), one item per icon, its text the icon's number. Icons
/// are dragged out of it: the drag carries the selected icon's picture.
class TGIconListBox : public QListWidget
{
    Q_OBJECT

public:
    /// Where an item keeps its icon once extracted (a QPixmap).
    static constexpr int IconRole = Qt::UserRole;

    explicit TGIconListBox(QWidget *parent = nullptr);
    ~TGIconListBox() override;

    const QString &FileName() const { return m_fileName; }
    /// A value that differs (letter case counts) reloads the list and raises fileChanged().
    void SetFileName(const QString &fileName);
    /// When true the strip is enabled only while something exists at FileName.
    bool AutoDisable() const { return m_autoDisable; }
    void SetAutoDisable(bool autoDisable);
    /// True: icons are extracted when first drawn and kept. False: all at
    /// once when the file is loaded (switching to false loads them now).
    bool EnableCaching() const { return m_enableCaching; }
    void SetEnableCaching(bool enableCaching);
    /// -1 while no file is loaded (none set, or nothing at FileName); 0 for a
    /// file without icons.
    int NumberOfIcons() const { return m_numberOfIcons; }
    TOrientation Orientation() const { return m_orientation; }
    /// Stored; drawing does not depend on it.
    void SetOrientation(TOrientation orientation);

    /// The icon of item `index`, extracted first when caching and not yet
    /// done; null when there is none.
    QPixmap IconAt(int index);
    /// How many icons have been taken from the file since it was loaded.
    int ExtractedIcons() const { return m_extractedIcons; }

    /// Draws one item: its rectangle in the current brush, its icon centred.
    void drawItem(QPainter &painter, const QRect &rect, int index);

Q_SIGNALS:
    /// OnFileChange: FileName changed and the list was reloaded.
    void fileChanged();

protected:
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void LoadIcons();
    void ClearIcons();
    void UpdateEnabled();
    QPixmap ExtractIconAt(int number);

    QString m_fileName;
    bool m_autoDisable = true;
    bool m_enableCaching = true;
    int m_numberOfIcons = -1;
    TOrientation m_orientation = lbVertical;
    std::unique_ptr<IconCollection> m_collection;
    int m_extractedIcons = 0;
};
