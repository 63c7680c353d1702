#include "core/gbk_codec.h"
#include "core/line_counter.h"
#include "settings/tip_catalog.h"
#include "settings/tip_list.h"

#include <QRegularExpression>

#include <numeric>

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const char *utf8)
{
    return GbkCodec::encode(QString::fromUtf8(utf8));
}

struct SplitCase {
    const char *name;
    QByteArray text;
    QList<QByteArray> entries;
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.name;
}

class TipListSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TipListSplit, CutsAtCrLfPairsOnly)
{
    EXPECT_EQ(TipList::entries(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TipListSplit,
    ::testing::Values(
        SplitCase{"empty", "", {}},
        SplitCase{"one_piece", "a", {"a"}},
        SplitCase{"two_lines", "a\r\nb", {"a", "b"}},
        SplitCase{"final_line_end_adds_nothing", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"empty_middle_line_is_an_entry", "a\r\n\r\nb", {"a", "", "b"}},
        SplitCase{"line_end_alone", "\r\n", {""}},
        SplitCase{"two_line_ends", "\r\n\r\n", {"", ""}},
        SplitCase{"bare_lf_stays_inside", "a\nb", {"a\nb"}},
        SplitCase{"bare_cr_stays_inside", "a\rb\r\n", {"a\rb"}},
        SplitCase{"trailing_cr", "a\r", {"a\r"}},
        SplitCase{"cr_before_pair", "a\r\r\nb", {"a\r", "b"}},
        SplitCase{"lf_before_pair", "a\n\r\nb\n", {"a\n", "b\n"}},
        SplitCase{"lf_cr_is_no_pair", "a\n\rb", {"a\n\rb"}},
        SplitCase{"gbk_bytes", gbk("甲\r\n乙"), {gbk("甲"), gbk("乙")}}),
    [](const auto &info) { return std::string(info.param.name); });

// The leading "N、" of a line, or 0 for a continuation line.
int lineNumber(const QString &line)
{
    static const QRegularExpression numbered(QStringLiteral("^([1-9][0-9]*)、"));
    const QRegularExpressionMatch match = numbered.match(line);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

struct CatalogCase {
    const char *name;
    TipCatalog::List list;
    int lines;
    // The numbering runs 1..n for each of these runs in turn.
    std::vector<int> numberedRuns;
    std::vector<const char *> examples;
};

void PrintTo(const CatalogCase &c, std::ostream *os)
{
    *os << c.name;
}

class TipCatalogList : public ::testing::TestWithParam<CatalogCase> {};

TEST_P(TipCatalogList, HasItsShapeAndExamples)
{
    const CatalogCase &c = GetParam();
    const QByteArray text = TipCatalog::text(c.list);
    const QList<QByteArray> entries = TipList::entries(text);

    EXPECT_EQ(countLines(text), c.lines);
    ASSERT_EQ(entries.size(), c.lines);
    EXPECT_FALSE(text.endsWith('\n'));
    EXPECT_FALSE(text.endsWith('\r'));
    EXPECT_EQ(text.count('\n'), c.lines - 1);
    EXPECT_EQ(text.count('\r'), c.lines - 1);
    for (const char *example : c.examples)
        EXPECT_TRUE(entries.contains(gbk(example))) << example;

    std::vector<int> runs;
    int expected = 1;
    for (const QByteArray &entry : entries) {
        EXPECT_FALSE(entry.trimmed().isEmpty());
        const QString line = GbkCodec::decode(entry);
        // Every character has a two-byte GBK code and the bytes come back unchanged.
        EXPECT_TRUE(GbkCodec::fitsGbk(line)) << line.toStdString();
        EXPECT_EQ(GbkCodec::encode(line), entry) << line.toStdString();
        const int number = lineNumber(line);
        if (number == 0)
            continue;
        if (number == 1 && expected != 1) {
            runs.push_back(expected - 1);
            expected = 1;
        }
        EXPECT_EQ(number, expected) << line.toStdString();
        expected = number + 1;
    }
    runs.push_back(expected - 1);
    EXPECT_EQ(runs, c.numberedRuns);
    // Continuation lines exist but stay few.
    const int unnumbered = c.lines - std::accumulate(runs.begin(), runs.end(), 0);
    EXPECT_GE(unnumbered, 1);
    EXPECT_LE(unnumbered, 10);
}

TEST(TipCatalog, EverySayingNamesItsSource)
{
    const QList<QByteArray> entries = TipList::entries(TipCatalog::text(TipCatalog::List::Sayings));
    ASSERT_FALSE(entries.isEmpty());
    for (const QByteArray &entry : entries) {
        const QString line = GbkCodec::decode(entry);
        const qsizetype dash = line.indexOf(QStringLiteral("——"));
        ASSERT_GT(dash, 0) << line.toStdString();
        EXPECT_GT(line.size(), dash + 2) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TipCatalogList,
    ::testing::Values(
        CatalogCase{"geography_history",
                    TipCatalog::List::GeographyHistory,
                    291,
                    {140, 146},
                    {"1、中国位于亚洲东部、太平洋西岸，它的版图被形象地比作一只头朝东尾朝西的金鸡，地势西高东低。",
                     "4、中国领土南北跨越的纬度近50度，南北距离约为5500公里。"}},
        CatalogCase{"sayings",
                    TipCatalog::List::Sayings,
                    142,
                    {140},
                    {"2、人的志向通常和他们的能力成正比例。——约翰逊", "3、时间抓起来说是金子，抓不住就是流水。——谚语"}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
