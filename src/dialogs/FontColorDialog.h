#pragma once

#include "platform/FontDescription.h"

#include <QDialog>

class QFontDialog;
class TColorButton;

/// The font dialog of the program: Qt's font chooser (face, style, size,
/// effects) with a colour choice beside it, since a calendar font carries its
/// colour. Faces the system lacks are kept by name as long as the user does
/// not pick another one, so confirming without a change changes nothing.
class FontColorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontColorDialog(QWidget *parent = nullptr);

    void setFontDescription(const qm::FontDescription &font);
    /// The font as chosen: the fields the user did not touch keep their values.
    qm::FontDescription fontDescription() const;

    QFontDialog *fontChooser() const { return m_fonts; }
    TColorButton *colorButton() const { return m_color; }

private:
    void showSampleColor();

    QFontDialog *m_fonts = nullptr;
    TColorButton *m_color = nullptr;
    qm::FontDescription m_given;
    QFont m_shown; // what the chooser showed for m_given
};
