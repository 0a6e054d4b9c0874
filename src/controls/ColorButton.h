#pragma once

#include "platform/Color.h"

#include <QFlags>
#include <QStringList>
#include <QWidget>

/// Options handed to the colour dialog. Qt's dialog knows no "full open"
/// state or palette dithering; the button keeps them and passes on what the
/// dialog can honour.
enum TColorDialogOption {
    cdFullOpen = 0x01,
    cdPreventFullOpen = 0x02,
    cdShowHelp = 0x04,
    cdSolidColor = 0x08,
    cdAnyColor = 0x10,
};
Q_DECLARE_FLAGS(TColorDialogOptions, TColorDialogOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TColorDialogOptions)

/// When the colour dialog opens: on a completed click, or as soon as the
/// left mouse button goes down.
enum TActivationEvent { aeClick, aeMouseDown };

/// A push button whose face shows a swatch of its colour. Pressing it opens
/// the colour dialog (through qm::Prompts) preset to that colour; a confirmed
/// choice becomes the button's colour and raises colorChanged().
///
/// clicked() is raised for every click and once more when the colour dialog
/// closes, whatever its result, so with aeClick one click raises it twice.
class TColorButton : public QWidget
{
    Q_OBJECT

public:
    explicit TColorButton(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    /// Repaints; raises no event.
    void SetColor(TColor color);

    TColorDialogOptions Options() const { return m_options; }
    void SetOptions(TColorDialogOptions options) { m_options = options; }

    /// "ColorA=RRGGBB" entries handed to the colour dialog and taken back from it.
    const QStringList &CustomColors() const { return m_customColors; }
    void SetCustomColors(const QStringList &colors) { m_customColors = colors; }

    /// 0 or 1: the swatch grows by two pixels on every side for each step.
    /// Other values are ignored.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);

    TActivationEvent ActivationEvent() const { return m_activationEvent; }
    void SetActivationEvent(TActivationEvent event) { m_activationEvent = event; }

    /// True while the face is drawn pressed.
    bool isDown() const { return m_down; }

    /// Performs a click: raises clicked(), raises the face and, with aeClick,
    /// opens the colour dialog.
    void Click();

    QSize sizeHint() const override { return {44, 22}; }

Q_SIGNALS:
    /// The user confirmed a colour in the dialog (also the colour it had).
    void colorChanged();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void pressButton();
    void releaseButton();
    void setDown(bool down);
    void openColorDialog();
    /// The swatch rectangle for the current size, margin and state.
    QRect swatchRect() const;

    TColor m_color = qm::clWhite;
    TColorDialogOptions m_options;
    QStringList m_customColors;
    int m_margin = 1;
    TActivationEvent m_activationEvent = aeClick;
    bool m_down = false;
    bool m_tracking = false;
};
