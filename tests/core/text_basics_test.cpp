#include "app/command_line.h"
#include "core/day_stamp.h"
#include "core/line_counter.h"
#include "documents/generated_titles.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

TEST(CountLines, CountsLineFeedsAndAnUnfinishedLastLine)
{
    struct Case {
        QByteArray text;
        int lines;
    } cases[] = {
        {"", 0}, {"a", 1}, {"a\r\nb", 2}, {"a\r\nb\r\n", 2}, {"\r\n", 1}, {"\r", 1}, {"a\n\nb", 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(countLines(c.text), c.lines) << c.text.toStdString();
}

TEST(DayStamp, WritesNumbersWithoutLeadingZerosSoSomeDaysCollide)
{
    EXPECT_EQ(dayStamp(QDate(2026, 12, 11)), QByteArray("20261211"));
    EXPECT_EQ(dayStamp(QDate(2015, 10, 4)), QByteArray("2015104"));
    EXPECT_EQ(dayStamp(QDate(2026, 1, 11)), dayStamp(QDate(2026, 11, 1)));
}

TEST(DayStamp, NumbersTheWeekFromSunday)
{
    EXPECT_EQ(weekdayNumber(QDate(2026, 12, 13)), 1);  // Sunday
    EXPECT_EQ(weekdayNumber(QDate(2026, 12, 14)), 2);  // Monday
    EXPECT_EQ(weekdayNumber(QDate(2026, 12, 12)), 7);  // Saturday
}

TEST(GeneratedTitles, TemporaryAndDiaryTitlesHaveTheirExactForm)
{
    EXPECT_EQ(temporaryTitle(QDateTime(QDate(2026, 3, 4), QTime(0, 5, 9))),
              QStringLiteral("临时文本： 产生于2026年3月4日0时5分9秒    by：Penmoor"));
    EXPECT_EQ(diaryTitle(QDate(2026, 12, 13)), QStringLiteral("2026年12月13日星期1     by：Penmoor日记"));
    EXPECT_EQ(diaryTitle(QDate(2026, 12, 12)), QStringLiteral("2026年12月12日星期7     by：Penmoor日记"));
}

TEST(CommandLine, SplitsLikeTheWindowsStartupCode)
{
    const QByteArray chapter = QByteArray("C:\\My Documents\\") + QByteArray("\xB2\xDD\xB8\xE5.txt");
    struct Case {
        QByteArray line;
        QList<QByteArray> arguments;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"notes", {"notes"}},
        {"C:\\My Documents\\a.txt", {"C:\\My", "Documents\\a.txt"}},
        {"\"" + chapter + "\" second", {chapter, "second"}},
        {"a\"b c\"", {"a", "b c"}},
        {"\"unterminated quote", {"unterminated quote"}},
        {"x\ty", {"x", "y"}},
        // 0xA1 0x20 would be a lead byte followed by a blank: the pair stays one character.
        {QByteArray("\xA1\x20z"), {QByteArray("\xA1\x20z")}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitCommandLine(c.line), c.arguments) << c.line.toStdString();
}

TEST(Atoi, ConvertsLikeTheCLibrary)
{
    struct Case {
        QByteArray text;
        int value;
    } cases[] = {
        {"", 0}, {"12", 12}, {"  -7x", -7}, {"+3", 3}, {"abc", 0}, {"\t\r\n 42", 42}, {"- 1", 0},
        {"99999999999", 2147483647}, {"-99999999999", -2147483648}, {"-2147483648", -2147483648},
    };
    for (const Case &c : cases)
        EXPECT_EQ(atoiValue(c.text), c.value) << c.text.toStdString();
}
