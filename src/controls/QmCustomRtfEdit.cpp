#include "controls/QmCustomRtfEdit.h"

#include "controls/RichTextClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleHints>

using qm::EditCommand;

namespace {

/// Pixels a wheel step of 15 degrees scrolls: three lines of 10-point text.
constexpr int WheelStepPixels = 48;
constexpr int WheelStepAngle = 120;

std::optional<TCaretMove> caretMoveOf(EditCommand command)
{
    switch (command) {
    case EditCommand::PageUp:
        return TCaretMove::PageUp;
    case EditCommand::PageDown:
        return TCaretMove::PageDown;
    case EditCommand::LineStart:
        return TCaretMove::LineStart;
    case EditCommand::LineEnd:
        return TCaretMove::LineEnd;
    case EditCommand::DocumentStart:
        return TCaretMove::DocumentStart;
    case EditCommand::DocumentEnd:
        return TCaretMove::DocumentEnd;
    case EditCommand::CharLeft:
        return TCaretMove::CharLeft;
    case EditCommand::CharRight:
        return TCaretMove::CharRight;
    case EditCommand::WordLeft:
        return TCaretMove::WordLeft;
    case EditCommand::WordRight:
        return TCaretMove::WordRight;
    case EditCommand::LineUp:
        return TCaretMove::LineUp;
    case EditCommand::LineDown:
        return TCaretMove::LineDown;
    default:
        return std::nullopt;
    }
}

} // namespace

TQmCustomRtfEdit::TQmCustomRtfEdit(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    resize(100, 100);
    m_engine.CurrentAttr().fontNumber = quint8(m_engine.GetFontNr(QStringLiteral("Arial")));
    m_engine.SetScrollHandler([this] { update(); });
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    m_caretBlink.setInterval(flashTime > 0 ? flashTime / 2 : 0);
    connect(&m_caretBlink, &QTimer::timeout, this, [this] {
        m_caretVisible = !m_caretVisible;
        update();
    });
    updateLayoutWidth();
}

TQmCustomRtfEdit::~TQmCustomRtfEdit() = default;

// Properties ------------------------------------------------------------------

void TQmCustomRtfEdit::SetZooming(int percent)
{
    m_engine.SetZooming(percent);
    update();
}

void TQmCustomRtfEdit::SetResizing(int percent)
{
    m_engine.SetFontScale(percent);
    update();
}

void TQmCustomRtfEdit::SetWordWrap(bool wrap)
{
    m_engine.SetWordWrap(wrap);
    updateLayoutWidth();
    update();
}

void TQmCustomRtfEdit::SetTransparent(bool transparent)
{
    m_engine.SetTransparent(transparent);
    update();
}

void TQmCustomRtfEdit::SetColor(TColor color)
{
    m_engine.SetBackgroundColor(color);
    update();
}

void TQmCustomRtfEdit::SetCaretDisabled(bool disabled)
{
    m_caretDisabled = disabled;
    restartCaretBlink();
    update();
}

void TQmCustomRtfEdit::updateLayoutWidth()
{
    // While lines wrap, they wrap at the window's width, also after a new
    // text is loaded.
    const bool wrap = m_engine.WordWrap();
    m_engine.SetFixedLayoutWidth(wrap);
    m_engine.SetLayoutWidthOverride(wrap ? width() : 0);
    if (wrap)
        m_engine.SetLayoutWidth(width());
    m_engine.SetPaintHeight(height());
}

void TQmCustomRtfEdit::setVisible(bool visible)
{
    const quint32 flags = m_engine.PaintFlags();
    m_engine.SetPaintFlags(visible ? flags & ~qm::paint::Suspended : flags | qm::paint::Suspended);
    QWidget::setVisible(visible);
}

// Change protocol -------------------------------------------------------------

bool TQmCustomRtfEdit::reportChange(bool changed)
{
    if (!changed)
        return false;
    m_modified = true;
    caretMoved();
    if (m_onChange)
        m_onChange(*this);
    return true;
}

void TQmCustomRtfEdit::caretMoved()
{
    updateLayoutWidth();
    m_engine.ScrollToCaret();
    restartCaretBlink();
    update();
}

// Operations --------------------------------------------------------------------

void TQmCustomRtfEdit::SelectAll()
{
    m_engine.SelectAll();
    caretMoved();
}

bool TQmCustomRtfEdit::CopyToClipboard()
{
    if (!m_engine.HasSelection())
        return false;
    const std::optional<QByteArray> rtf = m_engine.SelectionData(FormatRTF);
    if (!rtf)
        return false;
    QGuiApplication::clipboard()->setMimeData(qm::richTextMimeData(*rtf, m_engine.SelectedText()).release());
    return true;
}

void TQmCustomRtfEdit::CutToClipboard()
{
    if (m_engine.ChangeAllowed() && CopyToClipboard())
        reportChange(m_engine.DeleteSelection());
}

void TQmCustomRtfEdit::PasteFromClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !m_engine.ChangeAllowed())
        return;
    if (const std::optional<QByteArray> rtf = qm::rtfFromMimeData(*data)) {
        reportChange(m_engine.PasteRtf(*rtf));
    } else if (data->hasText()) {
        reportChange(m_engine.PasteText(data->text()));
    } else if (data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        reportChange(m_engine.InsertGraphic(qm::Graphic::fromBitmap(picture), 0, 0) != 0);
    }
}

bool TQmCustomRtfEdit::Undo()
{
    return reportChange(m_engine.Undo());
}

bool TQmCustomRtfEdit::Redo()
{
    return reportChange(m_engine.Redo());
}

// Keyboard ------------------------------------------------------------------------

bool TQmCustomRtfEdit::event(QEvent *event)
{
    // Tab types a tab here instead of moving the focus.
    if (event->type() == QEvent::KeyPress && m_wantTabs) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void TQmCustomRtfEdit::keyPressEvent(QKeyEvent *event)
{
    const qm::KeyAction action = qm::keyDownAction(event->key(), event->modifiers());
    if (action.command != EditCommand::None) {
        runCommand(action);
        return;
    }
    const QString characters = qm::typedCharacters(*event);
    if (characters.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    typeCharacters(characters, event->modifiers());
}

void TQmCustomRtfEdit::move(TCaretMove move, TSelectionMode mode)
{
    m_engine.MoveCaret(move, mode);
    caretMoved();
}

void TQmCustomRtfEdit::runCommand(qm::KeyAction action)
{
    if (const std::optional<TCaretMove> caretMove = caretMoveOf(action.command)) {
        move(*caretMove, action.extend ? TSelectionMode::Extend : TSelectionMode::Collapse);
        return;
    }
    switch (action.command) {
    case EditCommand::ScrollPageUp:
        m_engine.ScrollUp(height());
        break;
    case EditCommand::ScrollPageDown:
        m_engine.ScrollDown(height());
        break;
    case EditCommand::InsertTab:
        reportChange(m_engine.TypeText(u"\t"));
        break;
    case EditCommand::ShiftTabPressed:
        if (m_shiftTabPressed)
            m_shiftTabPressed(*this);
        break;
    case EditCommand::CtrlTabPressed:
        if (m_ctrlTabPressed)
            m_ctrlTabPressed(*this);
        break;
    case EditCommand::PageBreak:
        reportChange(m_engine.TypeCharacter(TQmRTFTextInput::PageBreakCode));
        break;
    case EditCommand::ToggleInsert:
        m_engine.SetInserting(!m_engine.Inserting());
        break;
    case EditCommand::Paste:
        PasteFromClipboard();
        break;
    case EditCommand::Copy:
        CopyToClipboard();
        break;
    case EditCommand::Cut:
        CutToClipboard();
        break;
    case EditCommand::DeleteForward:
        reportChange(m_engine.TypeCharacter(TQmRTFTextInput::DeleteCode));
        break;
    default:
        break;
    }
}

void TQmCustomRtfEdit::typeCharacters(const QString &characters, Qt::KeyboardModifiers modifiers)
{
    // Text goes in as one piece, so that a pair of surrogates stays whole.
    QString text;
    const auto typeText = [&] {
        if (!text.isEmpty())
            reportChange(m_engine.TypeText(text));
        text.clear();
    };
    for (const QChar character : characters) {
        char16_t code = character.unicode();
        if (m_onKeyPress)
            m_onKeyPress(*this, code);
        if (code == 0)
            continue;
        const EditCommand command = qm::typedCommand(code, modifiers);
        if (command == EditCommand::InsertText) {
            text.append(QChar(code));
            continue;
        }
        typeText();
        switch (command) {
        case EditCommand::Copy:
            CopyToClipboard();
            break;
        case EditCommand::Paste:
            PasteFromClipboard();
            break;
        case EditCommand::Cut:
            CutToClipboard();
            break;
        case EditCommand::SelectAll:
            SelectAll();
            break;
        case EditCommand::Undo:
            Undo();
            break;
        case EditCommand::Redo:
            Redo();
            break;
        case EditCommand::Backspace:
            reportChange(m_engine.TypeCharacter(TQmRTFTextInput::BackspaceCode));
            break;
        case EditCommand::Enter:
            reportChange(m_engine.TypeCharacter(TQmRTFTextInput::EnterCode));
            break;
        case EditCommand::RemoveSelection:
            m_engine.RemoveSelection();
            caretMoved();
            break;
        default:
            break;
        }
    }
    typeText();
}

void TQmCustomRtfEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        reportChange(m_engine.TypeText(event->commitString()));
    m_preedit = event->preeditString();
    update();
    event->accept();
}

QVariant TQmCustomRtfEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return !ReadOnly();
    case Qt::ImCursorRectangle:
        return const_cast<TQmRTFTextInput &>(m_engine).CaretRect().translated(-m_engine.ScrollPosition());
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    default:
        return QWidget::inputMethodQuery(query);
    }
}

// Mouse and scrolling -------------------------------------------------------------

QPoint TQmCustomRtfEdit::documentPoint(QPoint point) const
{
    return point + m_engine.ScrollPosition();
}

void TQmCustomRtfEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_pressPoint = event->position().toPoint();
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    m_engine.MoveCaretToPoint(documentPoint(m_pressPoint), extend ? TSelectionMode::Extend : TSelectionMode::Collapse);
    m_selecting = !m_noBlockMarking;
    caretMoved();
}

void TQmCustomRtfEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    m_engine.MoveCaretToPoint(documentPoint(event->position().toPoint()), TSelectionMode::Extend);
    caretMoved();
}

void TQmCustomRtfEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_selecting = false;
    // A click without moving selects nothing.
    if (event->position().toPoint() == m_pressPoint && !(event->modifiers() & Qt::ShiftModifier)) {
        m_engine.RemoveSelection();
        update();
    }
}

void TQmCustomRtfEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_noBlockMarking) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    m_engine.SelectWordAt(documentPoint(event->position().toPoint()));
    m_selecting = false;
    caretMoved();
}

void TQmCustomRtfEdit::wheelEvent(QWheelEvent *event)
{
    m_engine.ScrollDown(-event->angleDelta().y() * WheelStepPixels / WheelStepAngle);
    event->accept();
}

void TQmCustomRtfEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateLayoutWidth();
}

// Painting and caret ----------------------------------------------------------------

bool TQmCustomRtfEdit::caretShown() const
{
    return hasFocus() && !m_caretDisabled;
}

void TQmCustomRtfEdit::restartCaretBlink()
{
    m_caretVisible = true;
    if (caretShown() && m_caretBlink.interval() > 0)
        m_caretBlink.start();
    else
        m_caretBlink.stop();
}

void TQmCustomRtfEdit::paintEvent(QPaintEvent *)
{
    updateLayoutWidth();
    QPainter painter(this);
    m_engine.PaintView(&painter, size());
    if (!caretShown())
        return;
    const QRect caret = m_engine.CaretRect().translated(-m_engine.ScrollPosition());
    if (!m_preedit.isEmpty()) {
        painter.setPen(Qt::black);
        const QRect composed(caret.topLeft(), QSize(width() - caret.x(), caret.height()));
        painter.fillRect(composed, Qt::white);
        painter.drawText(composed, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, m_preedit);
    }
    if (m_caretVisible)
        painter.fillRect(QRect(caret.x(), caret.y(), 1, caret.height()), Qt::black);
}

void TQmCustomRtfEdit::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    restartCaretBlink();
    update();
    if (m_onEnter)
        m_onEnter(*this);
}

void TQmCustomRtfEdit::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_selecting = false;
    restartCaretBlink();
    update();
}

// Drag and drop ------------------------------------------------------------------------

void TQmCustomRtfEdit::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void TQmCustomRtfEdit::dragMoveEvent(QDragMoveEvent *event)
{
    bool accept = false;
    if (m_onDragOver)
        m_onDragOver(*this, *event, accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TQmCustomRtfEdit::dropEvent(QDropEvent *event)
{
    if (!m_onDragDrop)
        return;
    m_onDragDrop(*this, *event);
    event->acceptProposedAction();
}
