#include "ColorButton.h"

#include "Frame3D.h"
#include "platform/Prompts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TColorButton::TColorButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
}

void TColorButton::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TColorButton::SetMargin(int margin)
{
    if (margin < 0 || margin > 1)
        return;
    m_margin = margin;
    update();
}

void TColorButton::setDown(bool down)
{
    if (m_down == down)
        return;
    m_down = down;
    update();
}

void TColorButton::pressButton()
{
    if (!isEnabled())
        return;
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    setDown(true);
    m_tracking = true;
    if (m_activationEvent == aeMouseDown) {
        openColorDialog();
        Click();
    }
}

void TColorButton::releaseButton()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    setDown(false);
}

void TColorButton::Click()
{
    Q_EMIT clicked();
    m_tracking = false;
    m_down = false;
    update();
    if (m_activationEvent == aeClick)
        openColorDialog();
}

void TColorButton::openColorDialog()
{
    qm::ColorRequest request;
    request.color = m_color;
    request.fullOpen = m_options.testFlag(cdFullOpen);
    request.preventFullOpen = m_options.testFlag(cdPreventFullOpen);
    request.customColors = m_customColors;
    const std::optional<TColor> chosen = qm::Prompts::instance().chooseColor(request);
    m_customColors = request.customColors;
    if (chosen) {
        SetColor(*chosen);
        Q_EMIT colorChanged();
    }
    Q_EMIT clicked();
}

void TColorButton::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressButton();
}

void TColorButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking)
        setDown(rect().contains(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void TColorButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool wasTracking = m_tracking;
        releaseButton();
        if (wasTracking && rect().contains(event->position().toPoint()))
            Click();
    }
    QWidget::mouseReleaseEvent(event);
}

void TColorButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnabled()) {
        if (event->key() == Qt::Key_Space) {
            if (!m_down)
                pressButton();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TColorButton::keyReleaseEvent(QKeyEvent *event)
{
    // Holding Space repeats press and release pairs; only the real release clicks.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isEnabled()) {
        releaseButton();
        Click();
    }
    QWidget::keyReleaseEvent(event);
}

void TColorButton::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TColorButton::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TColorButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

QRect TColorButton::swatchRect() const
{
    const int w = width(), h = height();
    const int x0 = w / 2 - (w - 14) / 2 - 1;
    const int y0 = h / 2 - (h - 14) / 2 - 1;
    QRect swatch(x0 - 2 * m_margin, y0 - 2 * m_margin, w - 14 + 4 * m_margin, h - 14 + 4 * m_margin);
    if (m_down)
        swatch.translate(1, 1);
    return swatch;
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colors = palette();
    const QColor face = colors.color(QPalette::Button);
    const QColor highlight = colors.color(QPalette::Light);
    const QColor shadow = colors.color(QPalette::Dark);
    const QColor frame = colors.color(QPalette::Shadow);

    painter.fillRect(rect(), face);
    QRect inside = rect();
    if (m_down) {
        qm::drawFrame3D(painter, inside, frame, highlight);
        qm::drawFrame3D(painter, inside, shadow, face);
    } else {
        qm::drawFrame3D(painter, inside, highlight, frame);
        qm::drawFrame3D(painter, inside, face, shadow);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = QRect(2, 2, width() - 5, height() - 5);
        if (m_down)
            option.rect.translate(1, 1);
        option.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }

    const QRect swatch = swatchRect();
    if (swatch.width() <= 0 || swatch.height() <= 0)
        return;
    painter.fillRect(swatch, Qt::black);
    painter.fillRect(swatch.adjusted(1, 1, -1, -1), isEnabled() ? qm::toQColor(m_color) : face);
}
