// The flat button's state: properties, the mouse, keys and groups. Painting
// is in ExplorerButtonPaint.cpp.

#include "ExplorerButton.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace {

/// The caption without its accelerator signs: a single "&" is dropped, "&&" becomes "&".
QString withoutAccelerators(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == u'&')
            continue;
        text += caption[i];
    }
    return text;
}

} // namespace

TExplorerButton::TExplorerButton(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_Hover, false);
    setFocusPolicy(Qt::NoFocus);
    resize(50, 40);
}

TExplorerButton::~TExplorerButton()
{
    releaseDownPattern();
}

void TExplorerButton::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TExplorerButton::SetAllowAllUp(bool allowAllUp)
{
    m_allowAllUp = allowAllUp;
    if (m_groupIndex == 0)
        return;
    for (TExplorerButton *sibling : groupSiblings())
        sibling->m_allowAllUp = allowAllUp;
}

void TExplorerButton::SetBevelStyle(TBevelStyle style)
{
    if (style == m_bevelStyle)
        return;
    m_bevelStyle = style;
    update();
}

void TExplorerButton::SetBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap;
    regenerateShadedBitmap();
    update();
}

void TExplorerButton::SetNoFocusBitmap(const QImage &bitmap)
{
    m_noFocusBitmap = bitmap;
    regenerateShadedBitmap();
    update();
}

void TExplorerButton::SetDisabledBitmap(const QImage &bitmap)
{
    m_disabledBitmap = bitmap;
    if (!isEnabled())
        update();
}

void TExplorerButton::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateShortcuts();
    if (m_options.testFlag(boIconOnly))
        setToolTip(withoutAccelerators(caption));
    else
        update();
}

void TExplorerButton::SetGroupIndex(int groupIndex)
{
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    if (groupIndex == 0 && m_down) {
        m_down = false;
        update();
    }
}

void TExplorerButton::SetDown(bool down)
{
    if (down == m_down || m_groupIndex == 0)
        return;
    m_down = down;
    update();
    if (!down)
        return;
    for (TExplorerButton *sibling : groupSiblings()) {
        if (sibling->m_down) {
            sibling->m_down = false;
            sibling->update();
        }
    }
}

void TExplorerButton::SetDropDownMenu(QMenu *menu)
{
    if (m_dropDownMenu)
        disconnect(m_dropDownMenu, nullptr, this, nullptr);
    m_dropDownMenu = menu;
    // The mark goes with a destroyed menu.
    if (menu)
        connect(menu, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    if (m_options.testFlag(boPopupMark))
        update();
}

void TExplorerButton::SetLayout(TExplorerButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TExplorerButton::SetOptions(TExplorerButtonOptions options)
{
    m_options = options;
    const QString plainCaption = withoutAccelerators(m_caption);
    if (options.testFlag(boIconOnly) && toolTip().isEmpty()) {
        setToolTip(plainCaption);
        m_showHint = true;
    } else if (toolTip() == plainCaption) {
        setToolTip(QString());
        m_showHint = false;
    }
    update();
}

void TExplorerButton::SetShadingType(TExplorerButtonShadingType shadingType)
{
    if (shadingType == m_shadingType)
        return;
    m_shadingType = shadingType;
    regenerateShadedBitmap();
    update();
}

void TExplorerButton::SetShowDownPattern(bool show)
{
    m_showDownPattern = show;
    update();
}

void TExplorerButton::SetUnselectedFontColor(TColor color)
{
    m_unselectedFontColor = color;
    update();
}

void TExplorerButton::SetShadowColor(TColor color)
{
    m_shadowColor = color;
    update();
}

void TExplorerButton::SetWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    update();
}

void TExplorerButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    updateShortcuts();
}

void TExplorerButton::SetCancel(bool cancel)
{
    m_cancel = cancel;
    updateShortcuts();
}

void TExplorerButton::Click()
{
    Q_EMIT clicked();
}

QList<TExplorerButton *> TExplorerButton::groupSiblings() const
{
    QList<TExplorerButton *> siblings;
    if (!parentWidget())
        return siblings;
    for (TExplorerButton *button : parentWidget()->findChildren<TExplorerButton *>(Qt::FindDirectChildrenOnly)) {
        if (button != this && button->m_groupIndex == m_groupIndex)
            siblings.append(button);
    }
    return siblings;
}

bool TExplorerButton::hasPopupMark() const
{
    return m_options.testFlag(boPopupMark) && m_dropDownMenu;
}

bool TExplorerButton::pointerIsOver() const
{
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

void TExplorerButton::updateShortcuts()
{
    for (int *id : {&m_acceleratorShortcut, &m_defaultShortcuts[0], &m_defaultShortcuts[1], &m_cancelShortcut}) {
        if (*id != 0)
            releaseShortcut(*id);
        *id = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_acceleratorShortcut = grabShortcut(mnemonic);
    if (m_default) {
        m_defaultShortcuts[0] = grabShortcut(Qt::Key_Return);
        m_defaultShortcuts[1] = grabShortcut(Qt::Key_Enter);
    }
    if (m_cancel)
        m_cancelShortcut = grabShortcut(Qt::Key_Escape);
}

bool TExplorerButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_showHint)
        return true;
    if (event->type() != QEvent::Shortcut)
        return QWidget::event(event);
    if (!isEnabled() || !isVisible())
        return true;
    const int id = static_cast<QShortcutEvent *>(event)->shortcutId();
    if (id == m_acceleratorShortcut)
        accelerator();
    else if (id == m_defaultShortcuts[0] || id == m_defaultShortcuts[1] || id == m_cancelShortcut)
        Click();
    return true;
}

void TExplorerButton::accelerator()
{
    m_mouseInControl = true;
    m_pressed = false;
    repaint();
    leftButtonDown();
    QApplication::processEvents();
    leftButtonUp();
    QApplication::processEvents();
    if (!pointerIsOver()) {
        m_mouseInControl = false;
        update();
    }
}

void TExplorerButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (!window()->isActiveWindow())
        window()->activateWindow();
    leftButtonDown();
}

void TExplorerButton::leftButtonDown()
{
    if (!isEnabled() || !isVisible())
        return;
    m_pressed = true;
    m_mouseInControl = true;
    repaint();
    if (!m_dropDownMenu)
        return;
    m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
    // The press that opened the menu is over: its release, and any click that
    // closed the menu, belong to no one.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    m_mouseInControl = pointerIsOver();
    m_pressed = false;
    update();
}

void TExplorerButton::mouseMoveEvent(QMouseEvent *event)
{
    // While pressed the button holds the pointer and sees it leave and come back.
    if (m_pressed) {
        if (rect().contains(event->position().toPoint()))
            pointerEntered();
        else
            pointerLeft();
    }
    QWidget::mouseMoveEvent(event);
}

void TExplorerButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
        rightButtonUp();
        return;
    }
    if (event->button() == Qt::LeftButton)
        leftButtonUp();
}

void TExplorerButton::leftButtonUp()
{
    if (!isEnabled() || !isVisible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_mouseInControl && m_groupIndex != 0) {
        if (!m_down)
            SetDown(true);
        else if (m_allowAllUp)
            SetDown(false);
    }
    if (m_mouseInControl) {
        // The hover frame goes until the pointer leaves and comes back.
        m_mouseInControl = false;
        update();
        if (!m_dropDownMenu)
            Click();
    }
}

void TExplorerButton::rightButtonUp()
{
    if (!m_popupMenu)
        return;
    m_popupMenu->exec(QCursor::pos());
    m_mouseInControl = pointerIsOver();
    m_pressed = false;
    update();
}

void TExplorerButton::enterEvent(QEnterEvent *event)
{
    pointerEntered();
    QWidget::enterEvent(event);
}

void TExplorerButton::leaveEvent(QEvent *event)
{
    pointerLeft();
    QWidget::leaveEvent(event);
}

void TExplorerButton::pointerEntered()
{
    if (m_mouseInControl)
        return;
    m_mouseInControl = true;
    if (!m_down && isEnabled())
        update();
}

void TExplorerButton::pointerLeft()
{
    if (!m_mouseInControl)
        return;
    m_mouseInControl = false;
    if (!m_down && isEnabled())
        update();
}

void TExplorerButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        m_mouseInControl = false;
        update();
    }
    QWidget::changeEvent(event);
}
