#include "GraphicPanel.h"

#include "Frame3D.h"

#include <QMouseEvent>
#include <QPainter>

TGraphicPanel::TGraphicPanel(QWidget *parent)
    : QWidget(parent)
{
    resize(sizeHint());
}

void TGraphicPanel::SetCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TGraphicPanel::SetAlignment(TPanelAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TGraphicPanel::SetBevelInner(TPanelBevel bevel)
{
    m_bevelInner = bevel;
    update();
}

void TGraphicPanel::SetBevelOuter(TPanelBevel bevel)
{
    m_bevelOuter = bevel;
    update();
}

void TGraphicPanel::SetBevelWidth(int width)
{
    m_bevelWidth = qMax(1, width);
    update();
}

void TGraphicPanel::SetBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    update();
}

void TGraphicPanel::SetBorderStyle(TPanelBorderStyle style)
{
    m_borderStyle = style;
    update();
}

void TGraphicPanel::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TGraphicPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void TGraphicPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void TGraphicPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

void TGraphicPanel::drawBevel(QPainter &painter, QRect &rect, TPanelBevel bevel) const
{
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    switch (bevel) {
    case bvNone:
        return;
    case bvRaised:
        qm::drawFrame3D(painter, rect, highlight, shadow, m_bevelWidth);
        return;
    case bvLowered:
        qm::drawFrame3D(painter, rect, shadow, highlight, m_bevelWidth);
        return;
    case bvSpace: {
        const QColor fill = qm::toQColor(m_color);
        qm::drawFrame3D(painter, rect, fill, fill, m_bevelWidth);
        return;
    }
    }
}

void TGraphicPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor fill = qm::toQColor(m_color);
    QRect inside = rect();
    if (m_borderStyle == bsSingle)
        qm::drawFrame3D(painter, inside, Qt::black, Qt::black);
    drawBevel(painter, inside, m_bevelOuter);
    qm::drawFrame3D(painter, inside, fill, fill, m_borderWidth);
    drawBevel(painter, inside, m_bevelInner);
    painter.fillRect(inside, fill);

    if (m_caption.isEmpty())
        return;
    // Centred on the height of one line, as a panel centres its caption.
    const int lineHeight = fontMetrics().height();
    const QRect textRect(inside.left(), (inside.top() + inside.bottom() + 1 - lineHeight) / 2, inside.width(),
                         lineHeight);
    int flags = Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextSingleLine;
    switch (m_alignment) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(textRect, flags, m_caption);
}
