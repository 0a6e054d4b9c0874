#pragma once

#include "Alignment.h"
#include "platform/Color.h"

#include <QWidget>

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelAlignment = TAlignment;
enum TPanelBorderStyle { bsNone, bsSingle };

/// A light captioned cell that paints like a panel: an optional black frame,
/// an outer bevel, a band of its colour, an inner bevel, then its colour with
/// the caption centred vertically. The set-time dialog builds its hour and
/// minute cells from it; `Tag` carries the value a cell stands for.
class TGraphicPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TGraphicPanel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    /// Repaints when the caption changes.
    void SetCaption(const QString &caption);

    TPanelAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TPanelAlignment alignment);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    TPanelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TPanelBorderStyle style);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    QSize sizeHint() const override { return {185, 41}; }

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void drawBevel(QPainter &painter, QRect &rect, TPanelBevel bevel) const;

    QString m_caption;
    TPanelAlignment m_alignment = taCenter;
    TPanelBevel m_bevelInner = bvNone;
    TPanelBevel m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TPanelBorderStyle m_borderStyle = bsNone;
    TColor m_color = qm::clBtnFace;
    bool m_locked = false;
    int m_tag = 0;
    bool m_pressed = false;
};
