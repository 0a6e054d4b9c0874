#include "controls/ToolListDelegate.h"

#include "controls/ToolGlyphs.h"

#include <QApplication>
#include <QPainter>

namespace {

/// Room before a font name for the TrueType mark.
constexpr int GlyphColumn = 14;

} // namespace

void ToolListDelegate::paintSwatch(QPainter &painter, const QRect &rect, const QColor &color)
{
    const QRect swatch = rect.adjusted(2, 1, -3, -2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(color);
    painter.drawRect(swatch);
    painter.restore();
}

void ToolListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant swatch = index.data(SwatchRole);
    const QVariant trueType = index.data(TrueTypeRole);
    if (!swatch.isValid() && !trueType.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
    if (swatch.isValid()) {
        paintSwatch(*painter, item.rect, swatch.value<QColor>());
        return;
    }
    if (trueType.toBool()) {
        const QPixmap glyph = qm::trueTypeGlyph();
        painter->drawPixmap(item.rect.left() + 1, item.rect.center().y() - glyph.height() / 2, glyph);
    }
    const QPalette::ColorRole textRole =
        item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(textRole));
    painter->drawText(item.rect.adjusted(GlyphColumn, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine, item.text);
    painter->restore();
}

QSize ToolListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.data(TrueTypeRole).isValid())
        size.rwidth() += GlyphColumn;
    return size;
}
