#include "controls/QmRichText.h"
#include "controls/QmTBCombo.h"
#include "controls/QmToolBar.h"
#include "controls/RichTextClipboard.h"
#include "richtext/QmTextWriter.h"
#include "richtext/ResultCode.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

/// The main window's editor with its toolbar, shown and focused.
struct EditorWindow {
    QWidget window;
    TQmToolBar *toolBar = new TQmToolBar(&window);
    TQmRichText *editor = new TQmRichText(&window);
    int changes = 0;

    EditorWindow()
    {
        toolBar->Setsel_ListBoxes(SelFontName | SelFontSize | SelFontColor);
        toolBar->Setsel_StatusIcons(SelBold | SelItalic | SelUnder | SelSuper | SelSub | SelLeft | SelRight |
                                    SelCenter);
        toolBar->Setsel_ActionIcons({});
        toolBar->Setsel_EditIcons(SelCopy | SelCut | SelPaste | SelSelAll);
        toolBar->SetFontChoice(fsScreenFonts);
        toolBar->setGeometry(0, 0, 640, 28);
        editor->setGeometry(10, 40, 200, 100);
        editor->SetQmToolBar(toolBar);
        editor->SetOnChange([this](TQmCustomRtfEdit &) { ++changes; });
        TAttr start = editor->GetCurrentAttr();
        start.size = 12;
        editor->RtfText().SetCurrentAttr(start);
        window.resize(660, 160);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        editor->setFocus();
    }

    QStringList paragraphs() const
    {
        QStringList texts;
        for (const TParagraph *paragraph = editor->RtfText().FirstParagraph(); paragraph; paragraph = paragraph->next())
            texts.append(paragraph->text());
        return texts;
    }
    const TAttr &attrAt(int index) const
    {
        return editor->RtfText().FirstParagraph()->firstLine()->attributes()[index];
    }
    void type(const QString &text) { QTest::keyClicks(editor, text); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(editor, key, modifiers); }
    void click(int group, int number) { toolBar->Button(group, number)->click(); }
};

TEST(QmRichText, KeysTypeEditAndUndoAsInEveryEditor)
{
    EditorWindow shown;
    shown.type("abc");
    shown.key(Qt::Key_Return);
    shown.type("de");
    shown.key(Qt::Key_Left, Qt::ShiftModifier);
    shown.key(Qt::Key_Backspace);
    EXPECT_EQ(shown.paragraphs(), QStringList({"abc", "d"}));
    shown.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.paragraphs(), QStringList({"abc", "de"})) << "Ctrl+Z undoes, and types no character 26";
    shown.key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(shown.paragraphs(), QStringList({"abc", "d"}));

    shown.key(Qt::Key_A, Qt::ControlModifier);
    shown.type("x");
    EXPECT_EQ(shown.paragraphs(), QStringList({"x"}));

    QInputMethodEvent composed(QString(), {});
    composed.setCommitString(QString::fromUtf8("\xC3\xA9\xE6\xBC\xA2"));
    QCoreApplication::sendEvent(shown.editor, &composed);
    EXPECT_EQ(shown.paragraphs(), QStringList({QString::fromUtf8("x\xC3\xA9\xE6\xBC\xA2")}));
    EXPECT_EQ(shown.changes, 11);
    EXPECT_TRUE(shown.editor->Modified());
}

TEST(QmRichText, ReadOnlyRefusesChangesAndAFontChoiceRestoresTheToolbar)
{
    EditorWindow shown;
    shown.type("ab");
    shown.editor->SetReadOnly(true);
    shown.changes = 0;
    shown.type("c");
    shown.key(Qt::Key_Backspace);
    shown.editor->InsertGraphic(qm::Graphic::fromBitmap(QImage(8, 8, QImage::Format_RGB32)), 0, 0);
    TQmTBCombo *names = shown.toolBar->List(SelFontName);
    names->setEditText("Imaginary Sans");
    QTest::keyClick(names, Qt::Key_Return);
    EXPECT_EQ(shown.paragraphs(), QStringList({"ab"}));
    EXPECT_EQ(shown.changes, 0);
    EXPECT_EQ(names->currentText(), "Arial") << "the editor's font is shown again";
}

TEST(QmRichText, ClipboardKeepsFormattingThroughTextRtfAndTakesPlainText)
{
    EditorWindow shown;
    QGuiApplication::clipboard()->setText("untouched");
    shown.type("abcd");
    shown.editor->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched") << "nothing selected, nothing copied";

    shown.key(Qt::Key_Left);
    shown.key(Qt::Key_Left, Qt::ShiftModifier);
    shown.key(Qt::Key_Left, Qt::ShiftModifier);
    shown.click(bgCharacterStyle, 2);
    shown.key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    for (const char *type : qm::RtfMimeTypes)
        EXPECT_TRUE(copied->data(type).endsWith(QByteArray(4, '\0'))) << type;
    EXPECT_EQ(copied->text(), "bc");

    // Another program offers only "text/rtf".
    auto foreign = std::make_unique<QMimeData>();
    foreign->setData("text/rtf", copied->data("text/rtf"));
    QGuiApplication::clipboard()->setMimeData(foreign.release());
    shown.key(Qt::Key_End);
    shown.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.paragraphs(), QStringList({"abcdbc"}));
    EXPECT_TRUE(shown.attrAt(4).has(TAttr::Bold));
    EXPECT_FALSE(shown.attrAt(3).has(TAttr::Bold));

    // Plain text is typed in the current attribute.
    QGuiApplication::clipboard()->setText("x\ny");
    TAttr italic = shown.editor->GetCurrentAttr();
    italic.flags = TAttr::Italic;
    shown.editor->SetCurrentAttr(italic);
    shown.key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown.paragraphs(), QStringList({"abcdbcx", "y"}));
    EXPECT_TRUE(shown.attrAt(6).has(TAttr::Italic));

    shown.key(Qt::Key_A, Qt::ControlModifier);
    shown.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(shown.paragraphs(), QStringList({""}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "abcdbcx\ny");
}

/// A writer that writes its header and then fails, as on a full device.
class FailingWriter : public TQmTextWriter
{
public:
    int WriteHeader(QIODevice *stream) override
    {
        m_stream = stream;
        const int written = put("{\\rtf1 cut");
        return written == qm::result::Success ? qm::result::Failure : written;
    }
};

TEST(QmRichText, AFailedCopyLeavesTheClipboardAndTheTextAlone)
{
    EditorWindow shown;
    shown.type("abc");
    FailingWriter failing;
    shown.editor->RtfText().SetWriterOverride(&failing);
    QGuiApplication::clipboard()->setText("untouched");
    shown.changes = 0;
    shown.key(Qt::Key_A, Qt::ControlModifier);
    shown.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(shown.paragraphs(), QStringList({"abc"})) << "a cut that could not copy deletes nothing";
    EXPECT_EQ(shown.changes, 0);
}

TEST(QmRichText, ToolbarShowsTheCaretStateAndSuperscriptReleasesSubscript)
{
    EditorWindow shown;
    EXPECT_EQ(shown.toolBar->FocusedControl(), shown.editor) << "registered when it took the focus";
    shown.type("ab");
    shown.key(Qt::Key_Left, Qt::ShiftModifier);
    shown.click(bgCharacterStyle, 8);
    EXPECT_TRUE(shown.attrAt(1).has(TAttr::Subscript));
    shown.click(bgCharacterStyle, 7);
    EXPECT_FALSE(shown.toolBar->Button(bgCharacterStyle, 8)->isChecked());
    EXPECT_TRUE(shown.attrAt(1).has(TAttr::Superscript));
    EXPECT_FALSE(shown.attrAt(1).has(TAttr::Subscript));
    EXPECT_FALSE(shown.attrAt(0).has(TAttr::Superscript));

    shown.click(bgAlignment, 4);
    EXPECT_EQ(shown.editor->RtfText().FirstParagraph()->alignment, TParagraphFormat::AlignCenter);
    shown.key(Qt::Key_Home);
    EXPECT_FALSE(shown.toolBar->Button(bgCharacterStyle, 7)->isChecked());
    shown.key(Qt::Key_End);
    EXPECT_TRUE(shown.toolBar->Button(bgCharacterStyle, 7)->isChecked()) << "the caret stands after superscript";
    EXPECT_TRUE(shown.toolBar->Button(bgAlignment, 4)->isChecked());

    Q_EMIT shown.toolBar->List(SelFontSize)->activated(10);
    EXPECT_EQ(shown.editor->GetCurrentAttr().size, 18);
}

TEST(QmRichText, CaretIsOnePixelWideAndShownOnlyWithTheFocus)
{
    EditorWindow shown;
    shown.editor->SetZooming(0);
    EXPECT_EQ(shown.editor->Zooming(), 100);
    const QRect caret = shown.editor->RtfText().CaretRect();
    const auto columnIsBlack = [&](const QImage &image, int x) {
        for (int y = caret.top(); y <= caret.bottom(); ++y) {
            if (image.pixelColor(x, y) != Qt::black)
                return false;
        }
        return true;
    };
    const QImage focused = shown.editor->grab().toImage();
    EXPECT_TRUE(columnIsBlack(focused, caret.x()));
    EXPECT_FALSE(columnIsBlack(focused, caret.x() + 1));
    shown.toolBar->List(SelFontName)->setFocus();
    EXPECT_FALSE(columnIsBlack(shown.editor->grab().toImage(), caret.x()));

    // Hidden, the control takes a text without laying it out; shown, it lays it out.
    shown.editor->SetVisible(false);
    shown.editor->RtfText().TypeText(u"typed while hidden");
    EXPECT_EQ(shown.editor->RtfText().FirstParagraph()->firstLine()->usedWidth, 0);
    shown.editor->SetVisible(true);
    EXPECT_GT(shown.editor->RtfText().CaretRect().x(), 50);
}

TEST(QmRichText, DragsAndDropsAreLeftToTheHost)
{
    EditorWindow shown;
    shown.editor->SetOnDragOver(
        [](TQmCustomRtfEdit &, QDropEvent &event, bool &accept) { accept = event.mimeData()->hasImage(); });
    shown.editor->SetOnDragDrop([&](TQmCustomRtfEdit &, QDropEvent &event) {
        const QImage icon = qvariant_cast<QImage>(event.mimeData()->imageData());
        EXPECT_EQ(shown.editor->InsertGraphic(qm::Graphic::fromBitmap(icon), 0, 0), 1);
    });
    QMimeData icon;
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    icon.setImageData(picture);
    QDragMoveEvent over(QPoint(5, 5), Qt::CopyAction, &icon, Qt::LeftButton, Qt::NoModifier);
    // Without a drag in progress the application passes no drag events on: straight to the control.
    QObject *control = shown.editor;
    control->event(&over);
    EXPECT_TRUE(over.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &icon, Qt::LeftButton, Qt::NoModifier);
    control->event(&drop);
    EXPECT_EQ(shown.paragraphs(), QStringList({QStringLiteral("\u0002")}));
    EXPECT_EQ(shown.changes, 1);
}

} // namespace
