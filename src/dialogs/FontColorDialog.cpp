#include "FontColorDialog.h"

#include "controls/ColorButton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QFont toPointFont(const qm::FontDescription &source)
{
    QFont font(source.name);
    font.setPointSize(source.size > 0 ? source.size : 10);
    font.setBold(source.style.testFlag(qm::FontStyle::Bold));
    font.setItalic(source.style.testFlag(qm::FontStyle::Italic));
    font.setUnderline(source.style.testFlag(qm::FontStyle::Underline));
    font.setStrikeOut(source.style.testFlag(qm::FontStyle::StrikeOut));
    return font;
}

} // namespace

FontColorDialog::FontColorDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Font"));

    m_fonts = new QFontDialog(this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);

    m_color = new TColorButton(this);
    m_color->setFixedSize(m_color->sizeHint());
    auto *colorLabel = new QLabel(tr("&Color:"), this);
    colorLabel->setBuddy(m_color);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The chooser is a dialog of its own that Enter in its lists and Escape
    // close: they close this dialog, rather than leaving it empty.
    connect(m_fonts, &QDialog::accepted, this, &QDialog::accept);
    connect(m_fonts, &QDialog::rejected, this, &QDialog::reject);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_color);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    // The colour belongs with the other effects; where the chooser's layout
    // is not the expected one, it goes under the chooser instead.
    const QCheckBox *effect = m_fonts->findChild<QCheckBox *>();
    auto *effects = effect ? qobject_cast<QBoxLayout *>(effect->parentWidget()->layout()) : nullptr;
    if (effects)
        effects->addLayout(colorRow);
    else
        layout->addLayout(colorRow);
    layout->addWidget(buttons);

    connect(m_color, &TColorButton::colorChanged, this, &FontColorDialog::showSampleColor);
}

void FontColorDialog::showSampleColor()
{
    if (auto *sample = m_fonts->findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"))) {
        QPalette colors = sample->palette();
        colors.setColor(QPalette::Text, qm::toQColor(m_color->Color()));
        sample->setPalette(colors);
    }
}

void FontColorDialog::setFontDescription(const qm::FontDescription &font)
{
    m_given = font;
    QFont shown = toPointFont(font);
    // A face the system lacks is shown as the face it is drawn with.
    if (!QFontDatabase::hasFamily(shown.family()))
        shown.setFamily(QFontInfo(shown).family());
    m_fonts->setCurrentFont(shown);
    m_shown = m_fonts->currentFont();
    m_color->SetColor(font.color);
    showSampleColor();
}

qm::FontDescription FontColorDialog::fontDescription() const
{
    const QFont chosen = m_fonts->currentFont();
    qm::FontDescription font = m_given;
    const bool newFace = chosen.family() != m_shown.family();
    if (newFace)
        font.name = chosen.family();
    if (chosen.pointSize() != m_shown.pointSize() && chosen.pointSize() > 0)
        font.size = chosen.pointSize();
    if (newFace || chosen.bold() != m_shown.bold())
        font.style.setFlag(qm::FontStyle::Bold, chosen.bold());
    if (newFace || chosen.italic() != m_shown.italic())
        font.style.setFlag(qm::FontStyle::Italic, chosen.italic());
    font.style.setFlag(qm::FontStyle::Underline, chosen.underline());
    font.style.setFlag(qm::FontStyle::StrikeOut, chosen.strikeOut());
    font.color = m_color->Color();
    return font;
}
