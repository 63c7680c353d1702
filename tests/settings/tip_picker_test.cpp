#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "core/random_source.h"
#include "platform/user_name.h"
#include "settings/tip_catalog.h"
#include "settings/tip_list.h"
#include "settings/tip_picker.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

QByteArray gbk(const char *utf8)
{
    return GbkCodec::encode(QString::fromUtf8(utf8));
}

// Answers each draw with a scripted value and records the range it was asked for.
class RecordingRandom : public RandomSource {
public:
    void script(int value) { values_.push_back(value); }
    int uniform(int low, int high) override
    {
        ranges.emplace_back(low, high);
        if (values_.empty())
            return low;
        const int value = values_.front();
        values_.erase(values_.begin());
        return value;
    }
    quint64 tickCount() override { return 0; }

    std::vector<std::pair<int, int>> ranges;

private:
    std::vector<int> values_;
};

class TipPickerTest : public ::testing::Test {
protected:
    QString customPath() const { return ctx.programFile(QStringLiteral("自定义.txt")); }
    void putCustom(const QByteArray &bytes) { ASSERT_TRUE(writeFileAtomically(customPath(), bytes).ok); }
    QByteArray customBytes() const { return readWholeFile(customPath()).value_or("<missing>"); }

    TestContext ctx;
    RecordingRandom random;
    QByteArray userName = gbk("张三");
    TipPicker picker{ctx.programDir(), random, [this] { return userName; }};
};

TEST_F(TipPickerTest, CoAuthorLineNamesTheUserWithoutDrawing)
{
    const struct {
        const char *user;
        const char *shown;
    } cases[] = {
        {"张三", "本软件由张三与Corvane共同打造"},
        {"writer", "本软件由writer与Corvane共同打造"},
        {"", "本软件由与Corvane共同打造"},  // the name could not be read
    };
    for (const auto &c : cases) {
        userName = gbk(c.user);
        EXPECT_FALSE(picker.prepare(TipPicker::kCoAuthor));
        EXPECT_EQ(picker.pick(TipPicker::kCoAuthor), gbk(c.shown)) << c.user;
    }
    EXPECT_TRUE(random.ranges.empty());
    EXPECT_FALSE(QFile::exists(customPath()));
}

TEST_F(TipPickerTest, BuiltInListsShowTheDrawnLine)
{
    const struct {
        int kind;
        int drawn;
        const char *shown;
    } cases[] = {
        {TipPicker::kGeographyHistory, 1,
         "小提示：1、中国位于亚洲东部、太平洋西岸，它的版图被形象地比作一只头朝东尾朝西的金鸡，地势西高东低。"},
        {TipPicker::kGeographyHistory, 4, "小提示：4、中国领土南北跨越的纬度近50度，南北距离约为5500公里。"},
        {TipPicker::kSayings, 2, "小提示：2、人的志向通常和他们的能力成正比例。——约翰逊"},
        {TipPicker::kSayings, 3, "小提示：3、时间抓起来说是金子，抓不住就是流水。——谚语"},
    };
    for (const auto &c : cases) {
        random.ranges.clear();
        random.script(c.drawn);
        EXPECT_FALSE(picker.prepare(c.kind));
        EXPECT_EQ(picker.pick(c.kind), gbk(c.shown)) << c.shown;
        const int lines = c.kind == TipPicker::kGeographyHistory ? 291 : 142;
        EXPECT_EQ(random.ranges, (std::vector<std::pair<int, int>>{{1, lines}}));
    }
    EXPECT_FALSE(QFile::exists(customPath()));
}

TEST_F(TipPickerTest, LastLineOfEachListCanBeDrawn)
{
    for (const auto &[kind, list] : {std::pair{TipPicker::kGeographyHistory, TipCatalog::List::GeographyHistory},
                                     std::pair{TipPicker::kSayings, TipCatalog::List::Sayings}}) {
        const QList<QByteArray> entries = TipList::entries(TipCatalog::text(list));
        ASSERT_FALSE(entries.isEmpty());
        random.script(int(entries.size()));
        EXPECT_EQ(picker.pick(kind), gbk("小提示：") + entries.last());
    }
}

struct CustomCase {
    const char *name;
    QByteArray file;
    int lines;                        // the draw's upper end; 0: no draw
    int drawn;
    std::optional<QByteArray> shown;  // nothing: the field keeps its text
};

void PrintTo(const CustomCase &c, std::ostream *os)
{
    *os << c.name;
}

class CustomTips : public TipPickerTest, public ::testing::WithParamInterface<CustomCase> {};

TEST_P(CustomTips, ShowsTheEntryOfTheDrawnLine)
{
    const CustomCase &c = GetParam();
    putCustom(c.file);
    random.script(c.drawn);
    EXPECT_FALSE(picker.prepare(TipPicker::kCustom));
    EXPECT_EQ(picker.pick(TipPicker::kCustom), c.shown);
    if (c.lines == 0)
        EXPECT_TRUE(random.ranges.empty());
    else
        EXPECT_EQ(random.ranges, (std::vector<std::pair<int, int>>{{1, c.lines}}));
    EXPECT_EQ(customBytes(), c.file);  // an existing file is only read
}

INSTANTIATE_TEST_SUITE_P(
    Table, CustomTips,
    ::testing::Values(
        CustomCase{"ended_last_line_first", gbk("甲\r\n乙\r\n"), 2, 1, gbk("小提示：甲")},
        CustomCase{"ended_last_line_second", gbk("甲\r\n乙\r\n"), 2, 2, gbk("小提示：乙")},
        CustomCase{"empty_middle_line", gbk("甲\r\n\r\n乙"), 3, 2, gbk("小提示：")},
        CustomCase{"after_empty_middle_line", gbk("甲\r\n\r\n乙"), 3, 3, gbk("小提示：乙")},
        CustomCase{"single_line", gbk("只有一条"), 1, 1, gbk("小提示：只有一条")},
        CustomCase{"empty_file_keeps_field", "", 0, 1, std::nullopt},
        CustomCase{"bare_lf_lines_are_one_entry", "a\nb\nc", 3, 1, gbk("小提示：a\nb\nc")},
        CustomCase{"bare_lf_draw_just_past_last_entry", "a\nb\nc", 3, 2, std::nullopt},
        CustomCase{"bare_lf_draw_past_last_entry", "a\nb\nc", 3, 3, std::nullopt},
        CustomCase{"text_stops_at_zero_byte", gbk("甲\r\n") + QByteArray("\0", 1) + gbk("乙\r\n丙"), 1, 1,
                   gbk("小提示：甲")},
        CustomCase{"zero_byte_first_is_empty", QByteArray("\0", 1) + gbk("乙"), 0, 1, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TipPickerTest, MissingCustomFileIsCreatedAndAnnouncedOnce)
{
    ASSERT_FALSE(QFile::exists(customPath()));
    EXPECT_TRUE(picker.prepare(TipPicker::kCustom));
    EXPECT_EQ(customBytes(), GbkCodec::encode(TipPicker::customFileDefault()));
    EXPECT_EQ(customBytes(),
              gbk("您还没有添加自定义信息，请到客户端所在目录找到自定义.txt文件，文件内容为小提示的内容。一行一条"));
    random.script(1);
    EXPECT_EQ(picker.pick(TipPicker::kCustom), gbk("小提示：") + customBytes());

    // Ticks that follow find the file and say nothing.
    EXPECT_FALSE(picker.prepare(TipPicker::kCustom));
    EXPECT_FALSE(picker.prepare(TipPicker::kCustom));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(ctx.programDir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("自定义.txt")});
}

TEST_F(TipPickerTest, DeletedCustomFileIsRecreatedAndAnnouncedAgain)
{
    EXPECT_TRUE(picker.prepare(TipPicker::kCustom));
    putCustom(gbk("我的一条"));
    EXPECT_FALSE(picker.prepare(TipPicker::kCustom));
    ASSERT_TRUE(QFile::remove(customPath()));
    EXPECT_TRUE(picker.prepare(TipPicker::kCustom));
    EXPECT_EQ(customBytes(), GbkCodec::encode(TipPicker::customFileDefault()));
}

TEST_F(TipPickerTest, UnwritableFolderAnnouncesEveryTimeAndShowsNothing)
{
    // A regular file where the folder should be: no file can be made inside it, even as root.
    const QString blocker = QDir(ctx.workingDir()).filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(writeFileAtomically(blocker, "x").ok);
    TipPicker blocked(blocker, random, [] { return QByteArray(); });
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(blocked.prepare(TipPicker::kCustom)) << tick;
        EXPECT_EQ(blocked.pick(TipPicker::kCustom), std::nullopt) << tick;
    }
    EXPECT_TRUE(random.ranges.empty());
    EXPECT_EQ(readWholeFile(blocker), QByteArray("x"));
}

TEST_F(TipPickerTest, NoKindChosenLeavesEverythingAlone)
{
    for (const int kind : {-1, 4, 100}) {
        EXPECT_FALSE(picker.prepare(kind)) << kind;
        EXPECT_EQ(picker.pick(kind), std::nullopt) << kind;
    }
    EXPECT_TRUE(random.ranges.empty());
    EXPECT_FALSE(QFile::exists(customPath()));
}

TEST_F(TipPickerTest, EditedCustomFileShowsAtTheNextTick)
{
    putCustom(gbk("旧的"));
    EXPECT_EQ(picker.pick(TipPicker::kCustom), gbk("小提示：旧的"));
    putCustom(gbk("新的"));
    EXPECT_EQ(picker.pick(TipPicker::kCustom), gbk("小提示：新的"));
}

TEST(UserName, FitsTheFiftyByteBuffer)
{
    const struct {
        qsizetype bytes;
        bool kept;
    } cases[] = {{0, true}, {1, true}, {49, true}, {50, false}, {200, false}};
    for (const auto &c : cases) {
        const QByteArray name(c.bytes, 'n');
        EXPECT_EQ(fitUserName(name), c.kept ? name : QByteArray()) << c.bytes;
    }
    // Chinese names count in GBK bytes: 24 characters are 48 bytes, 25 are 50.
    EXPECT_EQ(fitUserName(gbk("作家作家作家作家作家作家作家作家作家作家作家作家")).size(), 48);
    EXPECT_TRUE(fitUserName(gbk("作家作家作家作家作家作家作家作家作家作家作家作家作")).isEmpty());
}

TEST(UserName, IsTheEffectiveUsersLoginName)
{
    const passwd *entry = getpwuid(geteuid());
    ASSERT_NE(entry, nullptr);
    const QByteArray expected = GbkCodec::encode(QString::fromLocal8Bit(entry->pw_name));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(currentUserName(), expected.size() < 50 ? expected : QByteArray());
}

}  // namespace
