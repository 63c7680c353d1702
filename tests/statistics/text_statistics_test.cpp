#include "core/gbk_codec.h"
#include "statistics/text_statistics.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The editor's form of a text ("\n" for each CR LF), shown in failure messages as its system bytes.
std::string shown(const QString &text)
{
    return TextStatistics::systemText(text).toHex(' ').toStdString();
}

struct Figures {
    int symbols, chinese, current, letters, digits, paragraphs, spacelessHalf;
    bool operator==(const Figures &) const = default;
};

Figures figuresOf(const TextFigures &f)
{
    return {f.symbols(), f.chinese(), f.current(), f.letters, f.digits, f.paragraphs, f.spacelessHalf()};
}

void PrintTo(const Figures &f, std::ostream *os)
{
    *os << "{symbols " << f.symbols << ", chinese " << f.chinese << ", current " << f.current << ", letters "
        << f.letters << ", digits " << f.digits << ", paragraphs " << f.paragraphs << ", spaceless/2 "
        << f.spacelessHalf << "}";
}

}  // namespace

void PrintTo(const TextFigures &f, std::ostream *os)
{
    *os << "{symbolBytes " << f.symbolBytes << ", chineseBytes " << f.chineseBytes << ", strippedBytes "
        << f.strippedBytes << ", spacelessBytes " << f.spacelessBytes << ", letters " << f.letters << ", digits "
        << f.digits << ", paragraphs " << f.paragraphs << "}";
}

TEST(TextStatistics, CountingExamplesGiveEveryFigure)
{
    struct Case {
        const char *name;
        QString text;  // "\n" stands for CR LF
        Figures expected;
    } cases[] = {
        //                                         sym  chi  cur  let  dig  par  spl
        {"empty", QString(), {0, 0, 0, 0, 0, 0, 0}},
        {"abc", QStringLiteral("abc"), {0, 0, 1, 3, 0, 1, 1}},
        {"one ASCII mark", QStringLiteral(","), {0, 0, 0, 0, 0, 1, 0}},
        {"two ASCII marks", QStringLiteral(",."), {1, 0, 1, 0, 0, 1, 1}},
        {"full-width comma", QStringLiteral("中，文"), {1, 3, 3, 0, 0, 1, 3}},
        {"two lines", QStringLiteral("中\n文"), {1, 2, 2, 0, 0, 2, 3}},
        {"two lines, final break", QStringLiteral("中\n文\n"), {2, 2, 2, 0, 0, 2, 4}},
        {"a tab", QStringLiteral("\t"), {0, 0, 0, 0, 0, 1, 0}},
        {"two tabs", QStringLiteral("\t\t"), {1, 1, 1, 0, 0, 1, 1}},
        {"full-width digits and letters", QStringLiteral("１２ＡＢａ"), {5, 5, 5, 0, 0, 1, 5}},
        {"upper-case letters", QStringLiteral("ABCD"), {0, 0, 2, 4, 0, 1, 2}},
        {"digits", QStringLiteral("2024年"), {0, 1, 3, 0, 4, 1, 3}},
        {"spaces", QStringLiteral("a b c  中"), {2, 1, 2, 3, 0, 1, 2}},
        {"full-width space stays", QStringLiteral("中　文"), {1, 3, 3, 0, 0, 1, 3}},
        {"emoji is four bytes", QString::fromUtf8("中😀"), {2, 3, 3, 0, 0, 1, 3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(figuresOf(TextStatistics::referenceFigures(TextStatistics::systemText(c.text))), c.expected);
        EXPECT_EQ(figuresOf(TextStatistics::countFigures(c.text)), c.expected);
    }
}

TEST(TextStatistics, ExtractorsPullOutTheirClassInOrder)
{
    const QByteArray text = GbkCodec::encode(QStringLiteral("Ab1，中\r\nｘ9z"));
    EXPECT_EQ(TextStatistics::extractSymbols(text), GbkCodec::encode(QStringLiteral("，\r\nｘ")));
    EXPECT_EQ(TextStatistics::extractNonAscii(text, false), GbkCodec::encode(QStringLiteral("，中\r\nｘ")));
    EXPECT_EQ(TextStatistics::extractNonAscii(text, true), GbkCodec::encode(QStringLiteral("，中ｘ")));
    EXPECT_EQ(TextStatistics::extractLetters(text, 0), QByteArray("Abz"));
    EXPECT_EQ(TextStatistics::extractLetters(text, 1), QByteArray("bz"));
    EXPECT_EQ(TextStatistics::extractLetters(text, 2), QByteArray("A"));
    EXPECT_EQ(TextStatistics::extractDigits(text), QByteArray("19"));
}

TEST(TextStatistics, StrippedAndSpacelessTextsAndHalfLength)
{
    EXPECT_EQ(TextStatistics::strippedText("a b\r\nc\r\r\n\n d\n"), QByteArray("abc\r\nd\n"));
    EXPECT_EQ(TextStatistics::spacelessText("a b\r\n c "), QByteArray("ab\r\nc"));
    EXPECT_EQ(TextStatistics::halfLength(7), 3);
    EXPECT_EQ(TextStatistics::halfLength(1), 0);
    EXPECT_EQ(TextStatistics::halfLength(2000002), 1000001);
}

TEST(TextStatistics, SystemTextWritesEachEditorLineBreakAsCrLf)
{
    const QString text = QString::fromUtf8("中\nab\r\n😀");
    EXPECT_EQ(TextStatistics::systemText(text),
              GbkCodec::encode(QString::fromUtf8("中\r\nab\r\r\n😀")));
    EXPECT_EQ(TextStatistics::systemText(text, LineBreaks::AsWritten), GbkCodec::encode(text));
}

namespace {

// Characters a manuscript can hold, weighted towards the cases the rules tell apart.
QString randomText(std::mt19937 &random, int length)
{
    static const char16_t pools[][24] = {
        u"abcXYZ019 ,.!?~\x7f",                          // ASCII, DEL
        u"\r\n\t  \r\n\n\r\x1a",                          // breaks, tabs, spaces, a control
        u"ＡＺａｚ０９，。！？：；“”（）　",            // full width
        u"中文字体你我他的是了一乙龥",                      // U+4E00..U+9FA5, both ends
        u"〇·…αд═ⅰ々\uFA0C\uFA29\uE5E5",                 // GBK outside U+4E00..U+9FA5
        u"\u3400\u9FA6\u9FFF\u0130\u20AC\uFFFD\u017F\u212A",  // GBK lacks; case folding to s and k
    };
    std::uniform_int_distribution<int> pick(0, 99);
    QString text;
    while (text.size() < length) {
        const int roll = pick(random);
        if (roll < 4) {
            text += QString::fromUtf8("😀");  // outside the BMP
            continue;
        }
        if (roll < 5) {
            text += QChar(char16_t(roll % 2 ? 0xD83D : 0xDE00));  // a lone surrogate
            continue;
        }
        const auto &pool = pools[roll % std::size(pools)];
        const int count = int(std::char_traits<char16_t>::length(pool));
        text += QChar(pool[pick(random) % count]);
    }
    return text;
}

}  // namespace

TEST(TextStatistics, SinglePassEqualsTheRegexReferenceOnRandomTexts)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 400; ++round) {
        const QString text = randomText(random, 1 + round % 97);
        SCOPED_TRACE(shown(text));
        const QByteArray system = TextStatistics::systemText(text);
        ASSERT_EQ(TextStatistics::countFigures(text, LineBreaks::EditorCrLf),
                  TextStatistics::referenceFigures(system));
        ASSERT_EQ(TextStatistics::countFigures(text, LineBreaks::AsWritten),
                  TextStatistics::referenceFigures(GbkCodec::encode(text)));
    }
}

TEST(TextStatistics, SinglePassEqualsTheRegexReferenceOnEveryCharacter)
{
    // Block by block over the whole BMP and a stretch beyond it, so a wrong class or byte length
    // of any single character shows up with its block.
    for (char32_t start = 0; start < 0x10000; start += 0x100) {
        if (start >= 0xD800 && start < 0xE000)
            continue;
        QString block;
        for (char32_t c = start; c < start + 0x100; ++c)
            block += QChar(char16_t(c));
        SCOPED_TRACE(int(start));
        ASSERT_EQ(TextStatistics::countFigures(block, LineBreaks::AsWritten),
                  TextStatistics::referenceFigures(GbkCodec::encode(block)));
    }
    QString beyond;
    for (char32_t c = 0x1F300; c < 0x1F700; ++c)
        beyond += QString::fromUcs4(&c, 1);
    beyond += QString::fromUcs4(U"\U00020000\U0010FFFD", 2);
    EXPECT_EQ(TextStatistics::countFigures(beyond), TextStatistics::referenceFigures(GbkCodec::encode(beyond)));
}

TEST(TextStatistics, SinglePassEqualsTheRegexReferenceOnAChineseManuscript)
{
    const QString manuscript = QStringLiteral(
        "第一章  雨夜\n"
        "\n"
        "　　夜里十一点，雨还没停。林晓把伞收起来，靠在门边，抬头看了看楼道里那盏忽明忽暗的灯。"
        "“又坏了。”她小声说，顺手按了两下开关——没有用。\n"
        "　　手机只剩 17% 的电，屏幕上跳出一条消息：“明早 8:30 开会，别迟到！”发信人是 Zhang Wei。"
        "她叹了口气，回了个“好”，又加了一个😂。\n"
        "　　楼上传来钢琴声，是《月光》的第三乐章，弹得磕磕绊绊，却很认真……\n"
        "\n"
        "（未完待续）\n");
    const TextFigures single = TextStatistics::countFigures(manuscript);
    EXPECT_EQ(single, TextStatistics::referenceFigures(TextStatistics::systemText(manuscript)));
    EXPECT_EQ(single.paragraphs, 7);
    EXPECT_EQ(single.digits, 5);
    EXPECT_EQ(single.letters, 8);
}
