#pragma once

#include "controls/QmCustomRtfEdit.h"
#include "controls/QmCustomToolPanel.h"
#include "controls/QmRichTextSetMode.h"
#include "controls/QmToolPanelClient.h"

#include <QPointer>

/// The rich-text editing control of a calendar cell: the editor window
/// (`TQmCustomRtfEdit`) linked to a formatting toolbar, with the operations
/// the main window and the calendar use.
///
/// The control registers with its toolbar (`QmToolBar`) whenever it takes
/// the focus, shows the state at the caret there, and applies the toolbar's
/// buttons and list choices to the selection (or the current attribute).
class TQmRichText : public TQmCustomRtfEdit, public TQmToolPanelClient
{
    Q_OBJECT

public:
    explicit TQmRichText(QWidget *parent = nullptr);
    ~TQmRichText() override;

    TQmCustomToolPanel *QmToolBar() const { return m_toolBar; }
    void SetQmToolBar(TQmCustomToolPanel *toolBar);

    /// Page size and margins in twips (-1000 keeps a value), when a change is allowed.
    void SetPageLayout(int leftMargin, int rightMargin, int pageHeight, int pageWidth, int bottomMargin, int topMargin);
    /// A copy of `graphic` as a picture at the caret (see
    /// `TQmRTFTextInput::InsertGraphic`); returns its number, 0 for none.
    quint16 InsertGraphic(const qm::Graphic &graphic, int width, int height);
    TAttr GetCurrentAttr() const { return RtfText().CurrentAttr(); }
    /// Makes `attr` the current attribute and gives the selection its font,
    /// size, colours and style, when a change is allowed.
    void SetCurrentAttr(const TAttr &attr);
    /// The font-table number of `name` (cut to 31 characters).
    int GetFontNr(const QString &name) { return RtfText().GetFontNr(name); }
    /// The colour of entry 0 to 14, else black.
    TColor GetColorEntry(int number) const { return RtfText().GetColorEntry(number); }
    /// See `TQmRTFTextPaint::PaintLines`.
    int PaintLines(QPainter *canvas, int x, TQmRTFTextPaint::TPaintMode mode, int firstLine, int height, int width,
                   int y)
    {
        return RtfText().PaintLines(canvas, x, mode, firstLine, height, width, y);
    }
    quint8 PrintOptions() const { return RtfText().PrintOptions(); }
    void SetPrintOptions(quint8 options) { RtfText().SetPrintOptions(options); }

    // TQmToolPanelClient
    std::array<TColor, 16> ToolBarPalette() const override;
    void ToolBarIconSelection(bool selected, int group, int number, const QString &name) override;
    void ToolBarListSelection(TQmSelNr kind, const QString &text, int number) override;

protected:
    void caretMoved() override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void characterStyle(bool selected, int number);
    void editingCommand(bool selected, int number);
    /// Applies the fields of `source` that `mask` names and reports the change.
    void applyAttr(const TAttr &source, quint16 mask);
    /// Shows the state at the caret on the toolbar.
    void showState();

    QPointer<TQmCustomToolPanel> m_toolBar;
    TQmRichTextSetMode m_setMode;
};
