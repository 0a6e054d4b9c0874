#pragma once

#include <QStyledItemDelegate>

/// Draws the items of a formatting toolbar's lists: a colour swatch for
/// items that carry a colour, otherwise the text, after a TrueType mark for
/// font names that carry one, in the item's own font when it has one.
class ToolListDelegate : public QStyledItemDelegate
{
public:
    enum Role {
        SwatchRole = Qt::UserRole + 1, ///< QColor: the item is a colour swatch
        TrueTypeRole,                  ///< bool: the item is a font name, true for a TrueType font
    };

    using QStyledItemDelegate::QStyledItemDelegate;

    /// A swatch in `rect`: inset by 2 x 1 pixels, filled with `color`, framed in black.
    static void paintSwatch(QPainter &painter, const QRect &rect, const QColor &color);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
