#include "controls/QmTBCombo.h"

#include "controls/ToolListDelegate.h"

#include <QKeyEvent>
#include <QStylePainter>

TQmTBCombo::TQmTBCombo(QWidget *parent)
    : QComboBox(parent)
{
    setItemDelegate(new ToolListDelegate(this));
    setFocusPolicy(Qt::ClickFocus);
}

void TQmTBCombo::SetColors(std::span<const QColor> colors)
{
    m_colorList = true;
    const int chosen = currentIndex();
    const QSignalBlocker quiet(this);
    while (count() > int(colors.size()))
        removeItem(count() - 1);
    for (int i = 0; i < int(colors.size()); ++i) {
        if (i >= count())
            addItem(QString());
        setItemData(i, colors[size_t(i)], ToolListDelegate::SwatchRole);
    }
    setCurrentIndex(std::clamp(chosen, 0, count() - 1));
    update();
}

void TQmTBCombo::showPopup()
{
    m_textAtOpen = currentText();
    QComboBox::showPopup();
}

void TQmTBCombo::hidePopup()
{
    QComboBox::hidePopup();
    // A choice made in the list arrives after the list closed and replaces this text.
    if (isEditable())
        setEditText(m_textAtOpen);
}

void TQmTBCombo::paintEvent(QPaintEvent *event)
{
    if (!m_colorList) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QVariant color = currentIndex() >= 0 ? itemData(currentIndex(), ToolListDelegate::SwatchRole) : QVariant();
    if (color.isValid())
        ToolListDelegate::paintSwatch(painter, field, color.value<QColor>());
}

void TQmTBCombo::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = currentText();
    if (enter && isEditable() && !text.isEmpty() && findText(text, Qt::MatchFixedString) < 0) {
        Q_EMIT textTyped(text);
        return;
    }
    QComboBox::keyPressEvent(event);
}
