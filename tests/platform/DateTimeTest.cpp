#include "platform/DateTime.h"
#include "platform/QmError.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(DateTime, DaysCountFromTheThirtiethOfDecember1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1997, 1, 1), 35431.0);
    int year = 0, month = 0, day = 0;
    DecodeDate(35431.75, year, month, day);
    EXPECT_EQ(QDate(year, month, day), QDate(1997, 1, 1));
}

TEST(DateTime, EncodingRejectsImpossibleDatesAndTimes)
{
    const auto dateMessage = [](int y, int m, int d) {
        try {
            EncodeDate(y, m, d);
        } catch (const QmError &error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(dateMessage(1997, 2, 29), u"Invalid argument to date encode");
    EXPECT_EQ(dateMessage(1997, 4, 0), u"Invalid argument to date encode");
    EXPECT_EQ(dateMessage(0, 1, 1), u"Invalid argument to date encode");
    EXPECT_EQ(dateMessage(10000, 1, 1), u"Invalid argument to date encode");
    EXPECT_EQ(dateMessage(2000, 2, 29), QString());
    try {
        EncodeTime(24, 0, 0, 0);
        FAIL() << "hour 24 accepted";
    } catch (const QmError &error) {
        EXPECT_EQ(error.message(), u"Invalid argument to time encode");
    }
    EXPECT_THROW(EncodeTime(8, 60, 0, 0), QmError);
}

TEST(DateTime, WeekdaysStartOnSunday)
{
    EXPECT_EQ(DayOfWeek(EncodeDate(1997, 1, 1)), 4);  // Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1); // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 12)), 7);
}

TEST(DateTime, LeapYearsAndMonthLengths)
{
    EXPECT_EQ(MonthLength(2000, 2), 29);
    EXPECT_EQ(MonthLength(1900, 2), 28);
    EXPECT_EQ(MonthLength(2100, 2), 28);
    EXPECT_EQ(MonthLength(1996, 2), 29);
    EXPECT_EQ(MonthLength(1997, 4), 30);
    EXPECT_EQ(MonthLength(1997, 13), 0);
}

TEST(DateTime, FormatsThePatternsTheProgramUses)
{
    const TDateTime afternoon = EncodeDate(1997, 12, 3) + EncodeTime(14, 5, 0, 0);
    const TDateTime morning = EncodeTime(8, 0, 30, 0);
    const TDateTime midnight = EncodeTime(0, 0, 0, 0);
    struct Row {
        const char16_t *pattern;
        TDateTime value;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"h:mm ampm", morning, u"8:00 AM"},
        {u"h:mm ampm", afternoon, u"2:05 PM"},
        {u"h:mm ampm", midnight, u"12:00 AM"},
        {u"hh:mm am/pm", afternoon, u"02:05 pm"},
        {u"hh:mm AM/PM", morning, u"08:00 AM"},
        {u"mmmm yyyy", afternoon, u"December 1997"},
        {u"t", afternoon, u"2:05 PM"},
        {u"dddddd", afternoon, u"Wednesday, December 3, 1997"},
        {u"dd/mm/yy 'at' hh:nn", afternoon, u"03/12/97 at 14:05"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(FormatDateTime(row.pattern, row.value), QString::fromUtf16(row.expected))
            << QString::fromUtf16(row.pattern).toStdString();
}

TEST(DateTime, FormatsWithTheLocalesNames)
{
    const FormatSettings german = FormatSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatDateTime(u"mmmm yyyy", EncodeDate(1998, 3, 1), german), QStringLiteral(u"März 1998"));
    EXPECT_EQ(german.longDayNames.first(), QStringLiteral("Sonntag"));
}

TEST(DateTime, ShortTimeShowsHoursAndMinutesOnly)
{
    // The C locale's own short format has seconds ("HH:mm:ss").
    const TDateTime morning = EncodeTime(8, 0, 30, 0);
    struct Row {
        QLocale locale;
        const char *expected;
    };
    const Row rows[] = {{QLocale::c(), "08:00"},
                        {QLocale(QLocale::English, QLocale::UnitedStates), "8:00 AM"},
                        {QLocale(QLocale::German, QLocale::Germany), "08:00"}};
    for (const Row &row : rows) {
        const FormatSettings settings = FormatSettings::fromLocale(row.locale);
        const QString shown = FormatDateTime(u"t", morning, settings);
        EXPECT_EQ(shown, QLatin1String(row.expected)) << row.locale.name().toStdString();
        TDateTime parsed = -1;
        EXPECT_TRUE(TryStrToTime(shown, parsed, settings)) << row.locale.name().toStdString();
    }
}

TEST(DateTime, ParsesTimesOfDay)
{
    struct Row {
        const char16_t *text;
        int hour;
        int minute;
    };
    const Row rows[] = {{u"8:00am", 8, 0},    {u"8:00 AM", 8, 0}, {u"12:00 am", 0, 0}, {u"12:30 PM", 12, 30},
                        {u"02:05 pm", 14, 5}, {u"14:05", 14, 5},  {u" 9 ", 9, 0}};
    for (const Row &row : rows) {
        TDateTime parsed = -1;
        ASSERT_TRUE(TryStrToTime(QStringView(row.text), parsed)) << QString::fromUtf16(row.text).toStdString();
        int hour, minute, second, millisecond;
        DecodeTime(parsed, hour, minute, second, millisecond);
        EXPECT_EQ(hour, row.hour);
        EXPECT_EQ(minute, row.minute);
    }
    TDateTime ignored = 0;
    EXPECT_FALSE(TryStrToTime(u"13:00 pm", ignored));
    EXPECT_FALSE(TryStrToTime(u"noon", ignored));
    EXPECT_FALSE(TryStrToTime(u"25:00", ignored));
    EXPECT_THROW(StrToTime(u""), QmError);
}
