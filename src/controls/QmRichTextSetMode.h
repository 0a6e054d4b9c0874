#pragma once

#include "richtext/Attr.h"

#include <QString>

#include <optional>

class TQmCustomToolPanel;

/// What the caret of an editing control stands in: what its toolbar shows.
struct TCaretState {
    TAttr attr;             ///< the current writing attribute
    QString fontName;       ///< the name of `attr`'s font
    bool selection = false; ///< text is selected
    quint8 alignment = 0;   ///< the caret paragraph's, as `TParagraphFormat::Alignment`
    int paragraphColor = 0; ///< the caret paragraph's shading background colour number
};

/// Shows an editing control's state at the caret on its toolbar: the style
/// buttons of the set bits down, the alignment button of the paragraph down,
/// the font name, size and colour numbers in the lists. Only what changed
/// since the last call is passed on, so that moving the caret through text of
/// one attribute leaves the toolbar alone.
class TQmRichTextSetMode
{
public:
    void ShowState(TQmCustomToolPanel &toolBar, const TCaretState &state);
    /// Makes the next `ShowState` pass everything on (a new toolbar, or one
    /// whose lists show a refused choice).
    void Invalidate() { m_shown.reset(); }

private:
    std::optional<TCaretState> m_shown;
    const TQmCustomToolPanel *m_toolBar = nullptr;
};
