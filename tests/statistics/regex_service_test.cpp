#include "core/gbk_codec.h"
#include "statistics/regex_service.h"

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString &text)
{
    return GbkCodec::encode(text);
}

RegexOptions caseSensitive(bool value)
{
    RegexOptions options;
    options.caseSensitive = value;
    return options;
}

}  // namespace

TEST(RegexService, IgnoresCaseUnlessCaseSensitiveIsGivenAsTrue)
{
    EXPECT_EQ(RegexService::collectMatches("[a-z]", "AbC"), QByteArray("AbC"));
    EXPECT_EQ(RegexService::collectMatches("[a-z]", "AbC", caseSensitive(true)), QByteArray("b"));
    EXPECT_EQ(RegexService::collectMatches("[a-z]", "AbC", caseSensitive(false)), QByteArray("AbC"));
}

TEST(RegexService, MatchesComeBackAsGbkBytes)
{
    RegexService service;
    ASSERT_TRUE(service.search("[^a-z]", gbk(QStringLiteral("a，b中")), {}));
    ASSERT_EQ(service.matchCount(), 2);
    EXPECT_EQ(service.matchText(1), gbk(QStringLiteral("，")));
    EXPECT_EQ(service.matchText(1).size(), 2);
    EXPECT_EQ(service.matchText(2), gbk(QStringLiteral("中")));
    EXPECT_EQ(service.matchText(0), QByteArray());
    EXPECT_EQ(service.matchText(3), QByteArray());
}

TEST(RegexService, QuotePlaceholderIsLiteralUnlessAsked)
{
    const QByteArray pattern = gbk(QStringLiteral("#引号x"));
    const QByteArray subject = gbk(QStringLiteral("a\"x #引号x"));
    RegexOptions quoted;
    quoted.quotePlaceholder = true;
    EXPECT_EQ(RegexService::collectMatches(pattern, subject), gbk(QStringLiteral("#引号x")));
    EXPECT_EQ(RegexService::collectMatches(pattern, subject, quoted), QByteArray("\"x"));
}

TEST(RegexService, GlobalGivenAsFalseFindsOnlyTheFirstMatch)
{
    RegexOptions firstOnly;
    firstOnly.global = false;
    RegexService service;
    ASSERT_TRUE(service.search("[0-9]", "a1b2c3", firstOnly));
    EXPECT_EQ(service.matchCount(), 1);
    EXPECT_EQ(service.replaceMatches("#"), QByteArray("a#b2c3"));
    ASSERT_TRUE(service.search("[0-9]", "a1b2c3"));
    EXPECT_EQ(service.matchCount(), 3);
    EXPECT_EQ(service.replaceMatches("<$0>"), QByteArray("a<1>b<2>c<3>"));
}

TEST(RegexService, MultilineIsOnUnlessGivenAsFalse)
{
    RegexOptions single;
    single.multiline = false;
    EXPECT_EQ(RegexService::collectMatches("^[a-z]", "ab\r\ncd"), QByteArray("ac"));
    EXPECT_EQ(RegexService::collectMatches("^[a-z]", "ab\r\ncd", single), QByteArray("a"));
}

TEST(RegexService, LineBreaksAreOutsideThePrintableAsciiRange)
{
    EXPECT_EQ(RegexService::collectMatches("[^\\x20-\\x7f]", "\r\n\r\n"), QByteArray("\r\n\r\n"));
}

TEST(RegexService, ARejectedPatternLeavesNothing)
{
    RegexService service;
    ASSERT_TRUE(service.search("[0-9]", "a1"));
    ASSERT_EQ(service.matchCount(), 1);
    EXPECT_FALSE(service.search("[0-9", "a1b2"));
    EXPECT_EQ(service.matchCount(), 0);
    EXPECT_EQ(service.matchText(1), QByteArray());
    EXPECT_EQ(service.replaceMatches("x"), QByteArray());
    EXPECT_EQ(RegexService::collectMatches("(", "a(b"), QByteArray());
}

TEST(RegexService, AnEmptySubjectGivesNoMatch)
{
    RegexService service;
    EXPECT_TRUE(service.search("[^a]", ""));
    EXPECT_EQ(service.matchCount(), 0);
    EXPECT_EQ(RegexService::collectMatches("[^a]", ""), QByteArray());
}

TEST(RegexService, WhiteSpaceRemovalKeepsOtherCharacters)
{
    RegexService service;
    ASSERT_TRUE(service.search("\\s", gbk(QStringLiteral("中\t文\r\n　。 "))));
    EXPECT_EQ(service.replaceMatches({}), gbk(QStringLiteral("中文。")));
}
