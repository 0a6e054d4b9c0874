#include "platform/Cp1252.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString unicode = fromCp1252(all);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(toCp1252(unicode), all);
}

TEST(Cp1252, MapsThePrintableHighCharacters)
{
    EXPECT_EQ(fromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCp1252("Ao\xFBt"), QStringLiteral(u"Août"));
    EXPECT_EQ(fromCp1252("\xBC Inch"), QStringLiteral(u"¼ Inch"));
    EXPECT_EQ(toCp1252(u"Décembre"), QByteArray("D\xE9"
                                                "cembre"));
    EXPECT_EQ(toCp1252(u"\u201Cquoted\u201D"), QByteArray("\x93quoted\x94"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(toCp1252(u"Январь"), QByteArray("??????"));
    EXPECT_EQ(toCp1252(u"\u4E00"), QByteArray("?"));
}
