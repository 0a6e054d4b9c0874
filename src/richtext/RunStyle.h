#pragma once

#include <QColor>
#include <QString>

/// What selecting a character attribute leaves in the canvas for one run of
/// equal attributes: the font, the colours and the run flags that the engine
/// draws itself (underline, script positions, RTF-code marking). Colours of
/// a character that keeps the canvas colours stay those of the run before.
struct RunStyle {
    QString fontName = QStringLiteral("Arial");
    int fontSize = 10; ///< points, after script reduction and font scale
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    QColor textColor = Qt::black;
    QColor brushColor = Qt::white;
    QColor penColor = Qt::black; ///< underline and marking
    bool underline = false;
    bool superscript = false;
    bool subscript = false;
    bool rtfCode = false;
};
