#pragma once

#include <QColor>
#include <QComboBox>

#include <span>

/// A drop-down list of a formatting toolbar. It remembers its text when the
/// list opens and puts it back when the list closes without a new choice,
/// so that browsing the list does not change what the box shows. A colour
/// list shows its items, and the chosen one in the closed box, as swatches.
class TQmTBCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit TQmTBCombo(QWidget *parent = nullptr);

    /// The list's number in its toolbar (1 font name, 2 size, 3 text colour, ...).
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    /// Makes the list a colour list with one swatch item per colour, keeping
    /// the chosen index.
    void SetColors(std::span<const QColor> colors);
    bool IsColorList() const { return m_colorList; }

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    /// Enter was pressed on typed text that names no item.
    void textTyped(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_tag = 0;
    bool m_colorList = false;
    QString m_textAtOpen;
};
