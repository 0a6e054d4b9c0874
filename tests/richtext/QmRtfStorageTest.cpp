#include "richtext/QmRtfStorage.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

TEST(QmRtfStorageTest, OwnsADocumentAndCopiesIntoIt)
{
    TQmRtfStorage storage;
    EXPECT_TRUE(storage.RtfText().IsEmpty());
    EXPECT_TRUE(storage.RtfText().writeDataProperty().isEmpty()) << "a new storage streams no Data";
    EXPECT_EQ(&storage.RtfText(), &storage.RtfText()) << "reading gives the document itself";

    TQmRTFTextIo editor;
    qm::test::appendRun(editor, editor.FirstParagraph(), "text", qm::test::attr());
    storage.SetRtfText(editor);
    EXPECT_EQ(qm::test::paragraphTexts(storage.RtfText()), QStringList{"text"});
    qm::test::appendRun(editor, editor.FirstParagraph(), "more", qm::test::attr());
    EXPECT_EQ(qm::test::paragraphTexts(storage.RtfText()), QStringList{"text"});
}
