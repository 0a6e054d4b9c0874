#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (int index = 0; index < items.size(); ++index) {
        auto *button = new QRadioButton(items[index], this);
        m_buttons->addButton(button, index);
        layout->addWidget(button);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Q_EMIT changed();
    });
}

int RadioGroup::ItemIndex() const
{
    return m_buttons->checkedId();
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last checked button.
    m_buttons->setExclusive(false);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}
