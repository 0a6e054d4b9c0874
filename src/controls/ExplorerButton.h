#pragma once

#include "Alignment.h"
#include "platform/Color.h"

#include <QFlags>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

enum TBevelStyle { bsLowered, bsRaised };
enum TExplorerButtonLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };
enum TExplorerButtonOption { boMonoDisplay = 0x1, boIconOnly = 0x2, boPopupMark = 0x4 };
Q_DECLARE_FLAGS(TExplorerButtonOptions, TExplorerButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TExplorerButtonOptions)
enum TExplorerButtonShadingType { stLight, stMedium, stDark };

/// A flat button: no frame while the pointer is elsewhere, a one-pixel raised
/// frame while it is over the button, a sunken one while pressed or down. It
/// shows a caption and/or a bitmap in one of four layouts, a grey-shaded
/// bitmap until the pointer comes over it, can be one of a group of toggle
/// buttons, and can drop a menu down under itself, marked by a small arrow.
///
/// Bitmaps are drawn transparently: their top-left pixel's colour is the
/// background. A button with a drop-down menu never raises clicked(): the
/// press opens the menu.
class TExplorerButton : public QWidget
{
    Q_OBJECT

public:
    explicit TExplorerButton(QWidget *parent = nullptr);
    ~TExplorerButton() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AllowAllUp() const { return m_allowAllUp; }
    /// In a group, also sets the value of every other button of the group.
    void SetAllowAllUp(bool allowAllUp);
    TBevelStyle BevelStyle() const { return m_bevelStyle; }
    void SetBevelStyle(TBevelStyle style);
    const QImage &Bitmap() const { return m_bitmap; }
    void SetBitmap(const QImage &bitmap);
    /// Shown instead of Bitmap while the pointer is elsewhere and boMonoDisplay is set.
    const QImage &NoFocusBitmap() const { return m_noFocusBitmap; }
    void SetNoFocusBitmap(const QImage &bitmap);
    const QImage &DisabledBitmap() const { return m_disabledBitmap; }
    void SetDisabledBitmap(const QImage &bitmap);
    /// May hold an "&" before the accelerator letter.
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    /// 0: a push button; else a toggle button of that group among its siblings.
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int groupIndex);
    bool Down() const { return m_down; }
    /// Ignored while GroupIndex is 0. Going down raises the group's other buttons.
    void SetDown(bool down);
    QMenu *DropDownMenu() const { return m_dropDownMenu; }
    void SetDropDownMenu(QMenu *menu);
    TExplorerButtonLayout Layout() const { return m_layout; }
    void SetLayout(TExplorerButtonLayout layout);
    TExplorerButtonOptions Options() const { return m_options; }
    void SetOptions(TExplorerButtonOptions options);
    TExplorerButtonShadingType ShadingType() const { return m_shadingType; }
    void SetShadingType(TExplorerButtonShadingType shadingType);
    bool ShowDownPattern() const { return m_showDownPattern; }
    void SetShowDownPattern(bool show);
    TColor UnselectedFontColor() const { return m_unselectedFontColor; }
    void SetUnselectedFontColor(TColor color);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor color);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    /// Enter in the window clicks the button.
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    /// Escape in the window clicks the button.
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel);
    /// The menu the right mouse button opens.
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }
    /// The hint is the tool tip; shown only while this is on (the default).
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show) { m_showHint = show; }

    /// The pointer is over the button (as far as the button is concerned:
    /// a click clears it until the pointer leaves and comes back).
    bool MouseInControl() const { return m_mouseInControl; }
    /// The left button went down on the button and is not yet released.
    bool Pressed() const { return m_pressed; }
    /// The generated grey version of Bitmap.
    const QImage &ShadedBitmap() const { return m_shadedBitmap; }

    /// Raises clicked().
    void Click();

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void leftButtonDown();
    void leftButtonUp();
    void rightButtonUp();
    void pointerEntered();
    void pointerLeft();
    void accelerator();
    bool pointerIsOver() const;
    /// The other buttons of this one's group (same parent, same GroupIndex).
    QList<TExplorerButton *> groupSiblings() const;
    void regenerateShadedBitmap();
    bool hasPopupMark() const;
    void updateShortcuts();

    // Painting (ExplorerButtonPaint.cpp).
    /// The 8 x 8 pattern of down buttons, shared by all buttons: made when
    /// first needed, freed whenever a button goes.
    static const QImage &downPattern();
    static void releaseDownPattern();
    void drawBitmap(QPainter &painter, const QImage &bitmap, QPoint at) const;
    void drawEmbossed(QPainter &painter, QPoint at) const;
    void drawFrame(QPainter &painter, bool sunken) const;

    TAlignment m_alignment = taCenter;
    bool m_allowAllUp = false;
    TBevelStyle m_bevelStyle = bsRaised;
    QImage m_bitmap;
    QImage m_noFocusBitmap;
    QImage m_disabledBitmap;
    QImage m_shadedBitmap;
    QString m_caption;
    int m_groupIndex = 0;
    bool m_down = false;
    QPointer<QMenu> m_dropDownMenu;
    QPointer<QMenu> m_popupMenu;
    TExplorerButtonLayout m_layout = blBitmapTop;
    TExplorerButtonOptions m_options = boMonoDisplay | boPopupMark;
    TExplorerButtonShadingType m_shadingType = stMedium;
    bool m_showDownPattern = true;
    TColor m_unselectedFontColor = qm::clWindowText;
    TColor m_shadowColor = qm::clBtnShadow;
    bool m_wordWrap = false;
    bool m_default = false;
    bool m_cancel = false;
    bool m_showHint = true;

    bool m_mouseInControl = false;
    bool m_pressed = false;
    int m_acceleratorShortcut = 0;
    int m_defaultShortcuts[2] = {0, 0};
    int m_cancelShortcut = 0;
};
