#include "statistics/text_statistics.h"
#include "statistics/word_count_text.h"

#include <gtest/gtest.h>

TEST(WordCountText, ComposesTheSevenLinesWithCrLf)
{
    const TextFigures figures = TextStatistics::countFigures(QStringLiteral("中，文 abc 12\nDE"));
    EXPECT_EQ(WordCountText::windowText(figures, 0),
              QStringLiteral("字数统计\r\n汉字数量：3\r\n英文数量：5\r\n符号数量：3\r\n数字数量：2\r\n"
                             "段落数：2\r\n当前字数：  6"));
    EXPECT_EQ(WordCountText::statusText(figures.current()), QStringLiteral("当前字数：  6"));
}

TEST(WordCountText, ANegativePointsTotalShowsTheGateText)
{
    const TextFigures figures = TextStatistics::countFigures(QStringLiteral("abc"));
    EXPECT_EQ(WordCountText::windowText(figures, -1), QStringLiteral("您需要积分达到0点才能有资格使用详细的文字统计"));
    EXPECT_TRUE(WordCountText::windowText(figures, 0).startsWith(QStringLiteral("字数统计\r\n汉字数量：0\r\n")));
}

TEST(WordCountText, AnEmptyTextShowsZeroEverywhere)
{
    EXPECT_EQ(WordCountText::windowText(TextStatistics::countFigures(QString()), 5),
              QStringLiteral("字数统计\r\n汉字数量：0\r\n英文数量：0\r\n符号数量：0\r\n数字数量：0\r\n"
                             "段落数：0\r\n当前字数：  0"));
    EXPECT_EQ(WordCountText::statusText(0), QStringLiteral("当前字数：  0"));
}
