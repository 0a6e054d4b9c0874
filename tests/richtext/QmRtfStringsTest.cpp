#include "richtext/QmRtfStrings.h"

#include "richtext/QmRTFTextIo.h"

#include "TestDocuments.h"

#include <QBuffer>

#include <gtest/gtest.h>

using qm::test::paragraphTexts;

TEST(QmRtfStringsTest, ParagraphsAsStrings)
{
    TQmRTFTextIo document;
    TQmRtfStrings strings(document);
    EXPECT_EQ(strings.Count(), 0);
    strings.Add("two");
    EXPECT_EQ(strings.Count(), 1);
    EXPECT_EQ(document.ParagraphCount(), 1) << "the empty paragraph takes the first string";
    strings.Insert(0, "one");
    strings.Add("four");
    strings.Insert(2, "three");
    EXPECT_EQ(paragraphTexts(document), (QStringList{"one", "two", "three", "four"}));
    strings.Put(1, QByteArray(250, 'x'));
    EXPECT_EQ(strings.Strings(1), QByteArray(250, 'x'));
    strings.Put(1, "2");
    EXPECT_EQ(strings.Strings(1), "2");
    strings.Delete(0);
    EXPECT_EQ(strings.Count(), 3);
    EXPECT_EQ(strings.Strings(0), "2");

    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    document.SetSaveFormat(FormatRTF);
    EXPECT_EQ(strings.SaveToStream(&out), 0);
    EXPECT_EQ(bytes, QByteArray("2\r\nthree\r\nfour\0", 15)) << "always plain text";

    strings.Clear();
    EXPECT_EQ(strings.Count(), 0);
}

TEST(QmRtfStringsTest, LoadingDetectsTheFormatAndKeepsTheLoadFormat)
{
    TQmRTFTextIo document;
    document.SetLoadFormat(FormatRTF);
    TQmRtfStrings strings(document);
    strings.Add("old");
    QByteArray bytes = "a\r\nb";
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    strings.LoadFromStream(&in);
    EXPECT_EQ(paragraphTexts(document), (QStringList{"a", "b"}));
    EXPECT_EQ(document.LoadFormat(), FormatRTF);
}
