#pragma once

#include "controls/KeyboardTable.h"
#include "richtext/QmRTFTextInput.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QDropEvent;

/// The window of a rich-text editor over its engine (`TQmRTFTextInput`,
/// the document): painting the visible part, keys through the keyboard
/// table, text from input methods, mouse selection, a 1-pixel caret shown
/// while the control has the focus, scrolling inside the control, the
/// clipboard, and drag-over and drop events for the host.
///
/// Change protocol: every operation that changes the text asks the engine
/// whether a change is allowed (not read-only, not loading) and afterwards
/// reports it through `OnChange`. Loading a document into `RtfText` reports
/// nothing and empties the undo history.
class TQmCustomRtfEdit : public QWidget
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TQmCustomRtfEdit &sender)>;
    /// A typed character before the control acts on it; set `key` to 0 to swallow it.
    using TKeyPressEvent = std::function<void(TQmCustomRtfEdit &sender, char16_t &key)>;
    /// Something is dragged over the control; set `accept` to take it.
    using TDragOverEvent = std::function<void(TQmCustomRtfEdit &sender, QDropEvent &event, bool &accept)>;
    using TDragDropEvent = std::function<void(TQmCustomRtfEdit &sender, QDropEvent &event)>;

    explicit TQmCustomRtfEdit(QWidget *parent = nullptr);
    ~TQmCustomRtfEdit() override;

    /// The document.
    TQmRTFTextInput &RtfText() { return m_engine; }
    const TQmRTFTextInput &RtfText() const { return m_engine; }

    // Properties -------------------------------------------------------------
    bool ReadOnly() const { return m_engine.ReadOnly(); }
    void SetReadOnly(bool readOnly) { m_engine.SetReadOnly(readOnly); }
    /// Percent; 0 or less means 100.
    int Zooming() const { return m_engine.Zooming(); }
    void SetZooming(int percent);
    /// Font scale in percent.
    int Resizing() const { return m_engine.FontScale(); }
    void SetResizing(int percent);
    bool Inserting() const { return m_engine.Inserting(); }
    void SetInserting(bool inserting) { m_engine.SetInserting(inserting); }
    /// Lines break at the control's width.
    bool WordWrap() const { return m_engine.WordWrap(); }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return m_engine.Transparent(); }
    void SetTransparent(bool transparent);
    TColor Color() const { return m_engine.BackgroundColor(); }
    void SetColor(TColor color);
    /// The Tab key types a tab instead of moving the focus.
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool want) { m_wantTabs = want; }
    /// The mouse places the caret but selects nothing.
    bool NoBlockMarking() const { return m_noBlockMarking; }
    void SetNoBlockMarking(bool off) { m_noBlockMarking = off; }
    bool CaretDisabled() const { return m_caretDisabled; }
    void SetCaretDisabled(bool disabled);
    /// Set by every reported change; the host clears it.
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    /// Scroll offsets in pixels.
    int TopOffset() const { return m_engine.ScrollPosition().y(); }
    int LeftOffset() const { return m_engine.ScrollPosition().x(); }

    // Operations ---------------------------------------------------------------
    /// The `Visible` setter: a hidden control's engine neither lays out nor
    /// paints, and lays the text out anew when it is shown.
    void SetVisible(bool visible) { setVisible(visible); }
    void setVisible(bool visible) override;
    void SelectAll();
    /// Copies the selection as RTF and plain text; false (and the clipboard
    /// unchanged) without a selection or when writing it failed.
    bool CopyToClipboard();
    void CutToClipboard();
    /// Inserts the clipboard's RTF, else its text, else its picture.
    void PasteFromClipboard();
    bool Undo();
    bool Redo();

    // Events ---------------------------------------------------------------------
    void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }
    void SetOnEnter(TNotifyEvent handler) { m_onEnter = std::move(handler); }
    void SetOnKeyPress(TKeyPressEvent handler) { m_onKeyPress = std::move(handler); }
    void SetOnDragOver(TDragOverEvent handler) { m_onDragOver = std::move(handler); }
    void SetOnDragDrop(TDragDropEvent handler) { m_onDragDrop = std::move(handler); }
    void SetCtrlTabPressed(TNotifyEvent handler) { m_ctrlTabPressed = std::move(handler); }
    void SetShiftTabPressed(TNotifyEvent handler) { m_shiftTabPressed = std::move(handler); }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    /// Repaints and calls `OnChange` when `changed`; returns it.
    bool reportChange(bool changed);
    /// The caret moved or the attributes changed: the caret is made visible
    /// and the window repainted. Layers above show the state at the caret.
    virtual void caretMoved();

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void runCommand(qm::KeyAction action);
    void typeCharacters(const QString &characters, Qt::KeyboardModifiers modifiers);
    void move(TCaretMove move, TSelectionMode mode);
    /// `point` of the window in document pixels.
    QPoint documentPoint(QPoint point) const;
    void updateLayoutWidth();
    bool caretShown() const;
    void restartCaretBlink();

    TQmRTFTextInput m_engine;
    bool m_wantTabs = true;
    bool m_noBlockMarking = false;
    bool m_caretDisabled = false;
    bool m_modified = false;
    bool m_selecting = false;
    QPoint m_pressPoint;
    /// Text an input method is composing, shown at the caret until committed.
    QString m_preedit;
    bool m_caretVisible = true;
    QTimer m_caretBlink;
    TNotifyEvent m_onChange;
    TNotifyEvent m_onEnter;
    TKeyPressEvent m_onKeyPress;
    TDragOverEvent m_onDragOver;
    TDragDropEvent m_onDragDrop;
    TNotifyEvent m_ctrlTabPressed;
    TNotifyEvent m_shiftTabPressed;
};
