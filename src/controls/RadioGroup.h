#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

/// A titled group of radio buttons read and set by item index, one button
/// per item, top to bottom. changed() is raised whenever another item
/// becomes checked, by the user or through SetItemIndex.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    /// The checked item, -1 when none is.
    int ItemIndex() const;
    /// Checks item `index`; an index outside the items checks none.
    void SetItemIndex(int index);
    QRadioButton *button(int index) const;

Q_SIGNALS:
    void changed();

private:
    QButtonGroup *m_buttons;
};
