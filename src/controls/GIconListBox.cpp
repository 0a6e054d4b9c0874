#include "GIconListBox.h"

#include "BusyCursor.h"
#include "IconCollection.h"
#include "platform/FileNameCase.h"

#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

/// The system's icon size.
constexpr int iconHeight = qm::IconLibrary::iconSide;

/// Hands the drawing of each item to the strip.
class IconItemDelegate : public QStyledItemDelegate
{
public:
    explicit IconItemDelegate(TGIconListBox *box)
        : QStyledItemDelegate(box)
        , m_box(box)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group =
            option.state.testFlag(QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled;
        painter->setBrush(option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
        m_box->drawItem(*painter, option.rect, index.row());
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = option.palette.color(QPalette::Highlight);
            m_box->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_box);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        // Measured items take the icon's height; the fixed item height rules here.
        return {m_box->viewport()->width(), iconHeight + 2};
    }

private:
    TGIconListBox *m_box;
};

} // namespace

TGIconListBox::TGIconListBox(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new IconItemDelegate(this));
    setUniformItemSizes(true);
    QFont itemFont(QStringLiteral("Arial"));
    itemFont.setPixelSize(iconHeight + 2);
    setFont(itemFont);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    UpdateEnabled();
}

TGIconListBox::~TGIconListBox() = default;

void TGIconListBox::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    LoadIcons();
    Q_EMIT fileChanged();
}

void TGIconListBox::SetAutoDisable(bool autoDisable)
{
    if (autoDisable == m_autoDisable)
        return;
    m_autoDisable = autoDisable;
    UpdateEnabled();
}

void TGIconListBox::SetEnableCaching(bool enableCaching)
{
    if (enableCaching == m_enableCaching)
        return;
    m_enableCaching = enableCaching;
    if (!enableCaching)
        LoadIcons();
}

void TGIconListBox::SetOrientation(TOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    viewport()->update();
}

void TGIconListBox::ClearIcons()
{
    for (int i = 0; i < count(); ++i)
        item(i)->setData(IconRole, QVariant());
    m_numberOfIcons = -1;
}

void TGIconListBox::UpdateEnabled()
{
    setEnabled(!m_autoDisable || qm::fileExistsIgnoringCase(m_fileName));
}

void TGIconListBox::LoadIcons()
{
    ClearIcons();
    clear();
    m_collection.reset();
    m_extractedIcons = 0;
    UpdateEnabled();
    if (!qm::fileExistsIgnoringCase(m_fileName))
        return;
    const bool wasBusy = QGuiApplication::overrideCursor() != nullptr;
    if (!m_enableCaching)
        qm::BeginBusy();
    m_collection = std::make_unique<IconCollection>(m_fileName);
    m_numberOfIcons = m_collection->count();
    for (int i = 0; i < m_numberOfIcons; ++i) {
        auto *entry = new QListWidgetItem(QString::number(i), this);
        if (!m_enableCaching)
            entry->setData(IconRole, ExtractIconAt(i));
    }
    setCurrentRow(0);
    if (!m_enableCaching && !wasBusy)
        qm::EndBusy();
}

QPixmap TGIconListBox::ExtractIconAt(int number)
{
    ++m_extractedIcons;
    return m_collection ? QPixmap::fromImage(m_collection->icon(number)) : QPixmap();
}

QPixmap TGIconListBox::IconAt(int index)
{
    QListWidgetItem *entry = item(index);
    if (!entry)
        return {};
    if (m_enableCaching && !entry->data(IconRole).isValid())
        entry->setData(IconRole, ExtractIconAt(index));
    return entry->data(IconRole).value<QPixmap>();
}

void TGIconListBox::drawItem(QPainter &painter, const QRect &rect, int index)
{
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
    const QPixmap icon = IconAt(index);
    if (icon.isNull())
        return; // an icon that cannot be read leaves the item as filled
    // Icons are square: the width serves for both directions.
    painter.drawPixmap(rect.left() + (rect.width() - icon.width()) / 2, rect.top() + (rect.height() - icon.width()) / 2,
                       icon);
}

QMimeData *TGIconListBox::mimeData(const QList<QListWidgetItem *> &items) const
{
    auto *data = new QMimeData;
    if (!items.isEmpty()) {
        // The strip is the source; the picture travels too, for targets that read images.
        const QPixmap icon = const_cast<TGIconListBox *>(this)->IconAt(row(items.first()));
        if (!icon.isNull())
            data->setImageData(icon.toImage());
    }
    return data;
}

void TGIconListBox::startDrag(Qt::DropActions supportedActions)
{
    const QPixmap icon = IconAt(currentRow());
    if (icon.isNull())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData(selectedItems()));
    drag->setPixmap(icon);
    drag->setHotSpot(QPoint(icon.width() / 2, icon.height() / 2));
    drag->exec(supportedActions & Qt::CopyAction ? Qt::CopyAction : supportedActions);
}
