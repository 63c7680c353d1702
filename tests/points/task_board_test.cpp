#include "core/day_stamp.h"
#include "core/gbk_codec.h"
#include "points/feature_gate.h"
#include "points/points_ledger.h"
#include "points/task_board.h"
#include "settings/profile_store.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_context.h"

#include <QFile>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Row texts by task number (index 0 unused).
const std::array<QString, 13> kDone{
    QString(),
    QStringLiteral("勤劳蜜蜂 每天打开一次Penmoor√完成 +2积分"),
    QStringLiteral("超级粉丝 支持qmf文件，使用软件打开一个qmf文件√完成 +3积分"),
    QStringLiteral("声音天使 使用录音功能记录下你最美的声音把√完成 +3积分"),
    QStringLiteral("日记达人 每天写一篇日记√完成 +3积分"),
    QStringLiteral("日写千字 每天新建文本并写1000字√完成 +1积分"),
    QStringLiteral("日写万字 每天新建文本并写8000字√完成 +2积分"),
    QStringLiteral("写作狂人 每天新建文本并写20000字√完成 +3积分"),
    QStringLiteral("写作魔鬼 每天新建文本并写100000字√完成 +4积分"),
    QStringLiteral("写作强者 每天写字60分钟√完成 +8积分"),
    QStringLiteral("新手任务 同意并接受许可协议√完成 +10积分"),
    QStringLiteral("新手任务 体验一次大字体模式√完成 +5积分"),
    QStringLiteral("新手任务 成功使用P穿越功能传输文本一次√完成 +50积分"),
};
const std::array<QString, 13> kNotDone{
    QString(),
    QStringLiteral("勤劳蜜蜂 每天打开一次Penmoor×未完成 +2积分"),
    QStringLiteral("超级粉丝 支持qmf文件，使用软件打开一个qmf文件×未完成 +3积分"),
    QStringLiteral("声音天使 使用录音功能记录下你最美的声音把×未完成 +3积分"),
    QStringLiteral("日记达人 每天写一篇日记×未完成 +3积分"),
    QStringLiteral("日写千字 每天新建文本并写1000字×未完成 +1积分"),
    QStringLiteral("日写万字 每天新建文本并写8000字×未完成 +2积分"),
    QStringLiteral("写作狂人 每天新建文本并写20000字×未完成 +3积分"),
    QStringLiteral("写作魔鬼 每天新建文本并写100000字×未完成 +4积分"),
    QStringLiteral("写作强者 每天写字60分钟×未完成 +8积分"),
    QStringLiteral("新手任务 同意并接受许可协议×未完成 +10积分"),
    QStringLiteral("新手任务 体验一次大字体模式×未完成 +5积分"),
    QStringLiteral("新手任务 成功使用P穿越功能传输文本一次×未完成 +50积分"),
};

// Completion marks by task number: section and key.
struct Mark {
    QString section;
    QString key;
};
const std::array<Mark, 13> kCompletion{{
    {},
    {SettingSection::software, SettingKey::lastStart},
    {SettingSection::software, SettingKey::qmfUsed},
    {SettingSection::software, SettingKey::recorded},
    {SettingSection::diary, SettingKey::lastDiary},
    {SettingSection::software, SettingKey::words1000},
    {SettingSection::software, SettingKey::words8000},
    {SettingSection::software, SettingKey::words20000},
    {SettingSection::software, SettingKey::words100000},
    {SettingSection::software, SettingKey::writingHour},
    {SettingSection::software, SettingKey::agreementShown},
    {SettingSection::software, SettingKey::largeFontUsed},
    {SettingSection::software, SettingKey::transferDone},
}};

const QDateTime kFriday = fixedDateTime(2026, 12, 11);
const QDateTime kSaturday = fixedDateTime(2026, 12, 12);

// Rows listed as task numbers, negative for "not done".
QStringList rowsOf(std::initializer_list<int> tasks)
{
    QStringList rows;
    for (const int task : tasks)
        rows << (task > 0 ? kDone.at(task) : kNotDone.at(-task));
    return rows;
}

class TaskBoardTest : public ::testing::Test {
protected:
    explicit TaskBoardTest(const QDateTime &now = kFriday) : test_(now) {}

    Settings settings() { return Settings(test_.context().paths); }
    TaskBoard board() { return TaskBoard(test_.context().paths, test_.context().clock); }
    QByteArray today() { return dayStamp(test_.context().clock.now().date()); }

    // Marks task n done today (daily) or for good (newbie).
    void markDone(int task)
    {
        const Mark &mark = kCompletion.at(task);
        ASSERT_TRUE(settings().write(mark.section, mark.key, task <= 9 ? today() : QByteArray("\xd5\xe6")));
    }
    qint32 storedTotal() { return PointsLedger(test_.context().paths).loadPointsTotal(); }

    TestContext test_;
};

}  // namespace

TEST_F(TaskBoardTest, FirstStartPaysTheStartAndAgreementTasksOnce)
{
    for (const auto &[now, paid, labels] : {
             std::tuple{kFriday, 12, QStringList{u"当前积分： 2"_s, u"当前积分： 12"_s}},
             std::tuple{kSaturday, 20, QStringList{u"当前积分： 10"_s, u"当前积分： 20"_s}},
         }) {
        TestContext fresh(now);
        const Settings marks(fresh.context().paths);
        ASSERT_TRUE(marks.write(SettingSection::software, SettingKey::lastStart, dayStamp(now.date())));
        ASSERT_TRUE(marks.writeFlag(SettingSection::software, SettingKey::agreementShown, true));
        const TaskBoard board(fresh.context().paths, fresh.context().clock);
        const QStringList expectedRows = rowsOf({1, -4, -5, -6, -7, -9, -8, -2, -3, 10, -11, -12});

        qint32 total = 0;
        const TaskBoardView first = board.refreshTaskBoard(total);
        EXPECT_EQ(total, paid);
        EXPECT_EQ(first.pointsTotal, paid);
        EXPECT_EQ(first.rows, expectedRows);
        EXPECT_EQ(first.pointsLabels, labels);
        EXPECT_EQ(first.title, u"称号：积分菜鸟 Lv.1"_s);
        EXPECT_EQ(first.titleColour, std::nullopt);
        EXPECT_TRUE(first.allWritten);
        EXPECT_EQ(PointsLedger(fresh.context().paths).loadPointsTotal(), paid);
        EXPECT_EQ(marks.read(SettingSection::software, QStringLiteral("最后一登录")), dayStamp(now.date()));
        EXPECT_TRUE(marks.readFlag(SettingSection::software, QStringLiteral("新1")));

        const TaskBoardView second = board.refreshTaskBoard(total);
        EXPECT_EQ(total, paid);
        EXPECT_EQ(second.rows, expectedRows);
        EXPECT_TRUE(second.pointsLabels.isEmpty());
        EXPECT_EQ(PointsLedger(fresh.context().paths).loadPointsTotal(), paid);
    }
}

TEST_F(TaskBoardTest, RowsStandInTheirListPositions)
{
    struct Case {
        const char *name;
        std::vector<int> done;
        QStringList rows;
    };
    const Case cases[] = {
        {"nothing done", {}, rowsOf({-1, -4, -5, -6, -7, -9, -8, -2, -3, -10, -11, -12})},
        {"start and agreement", {1, 10}, rowsOf({1, -4, -5, -6, -7, -9, -8, -2, -3, 10, -11, -12})},
        {"everything", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, rowsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
        {"diary and hour", {4, 9}, rowsOf({-1, -2, -5, -6, -7, -8, -3, 4, 9, -10, -11, -12})},
    };
    for (const Case &c : cases) {
        TestContext fresh;
        const Settings marks(fresh.context().paths);
        for (const int task : c.done) {
            const Mark &mark = kCompletion.at(task);
            ASSERT_TRUE(task <= 9 ? marks.write(mark.section, mark.key, dayStamp(kFriday.date()))
                                  : marks.writeFlag(mark.section, mark.key, true));
        }
        qint32 total = 0;
        EXPECT_EQ(TaskBoard(fresh.context().paths, fresh.context().clock).refreshTaskBoard(total).rows, c.rows)
            << c.name;
    }
    // The marks are GBK A1CC and A1C1.
    EXPECT_TRUE(GbkCodec::encode(kDone[1]).contains("\xa1\xcc\xcd\xea\xb3\xc9"));
    EXPECT_TRUE(GbkCodec::encode(kNotDone[1]).contains("\xa1\xc1\xce\xb4\xcd\xea\xb3\xc9"));
}

TEST_F(TaskBoardTest, EveryTaskDonePaysEachRewardOnceAndStoresAfterEach)
{
    for (int task = 1; task <= 12; ++task)
        markDone(task);
    qint32 total = 100;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_EQ(total, 100 + 29 + 65);
    const QStringList labels{u"当前积分： 102"_s, u"当前积分： 105"_s, u"当前积分： 108"_s,
                             u"当前积分： 111"_s, u"当前积分： 112"_s, u"当前积分： 114"_s,
                             u"当前积分： 117"_s, u"当前积分： 121"_s, u"当前积分： 129"_s,
                             u"当前积分： 139"_s, u"当前积分： 144"_s, u"当前积分： 194"_s};
    EXPECT_EQ(view.pointsLabels, labels);
    EXPECT_EQ(view.title, u"称号：积分新手 Lv.2"_s);
    EXPECT_EQ(storedTotal(), 194);

    total = 194;
    EXPECT_TRUE(board().refreshTaskBoard(total).pointsLabels.isEmpty());
    EXPECT_EQ(total, 194);
}

TEST_F(TaskBoardTest, TheTotalIsStoredAtTheStartEvenWhenNothingIsPaid)
{
    qint32 total = 7;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_TRUE(view.pointsLabels.isEmpty());
    EXPECT_EQ(storedTotal(), 7);
}

TEST_F(TaskBoardTest, TheHourOfWritingHasAnAwardMarkOfItsOwn)
{
    markDone(9);
    qint32 total = 0;
    board().refreshTaskBoard(total);
    EXPECT_EQ(total, 8);
    EXPECT_EQ(settings().read(SettingSection::software, QStringLiteral("60分用")), today());

    // Task 8 done later the same day is still paid: it does not share task 9's mark.
    markDone(8);
    board().refreshTaskBoard(total);
    EXPECT_EQ(total, 12);
    board().refreshTaskBoard(total);
    EXPECT_EQ(total, 12);
}

TEST_F(TaskBoardTest, ANewbieTaskPaysOnceEverAndNoBonusOnSaturday)
{
    test_.clock().set(kSaturday);
    markDone(11);
    markDone(5);
    qint32 total = 0;
    board().refreshTaskBoard(total);
    EXPECT_EQ(total, 5 + 5);  // task 11's ordinary 5, task 5's Saturday 5 (1 on other days)

    test_.clock().set(kSaturday.addDays(1));
    markDone(5);
    const TaskBoardView sunday = board().refreshTaskBoard(total);
    EXPECT_EQ(total, 11);
    EXPECT_EQ(sunday.pointsLabels, QStringList{u"当前积分： 11"_s});
    EXPECT_TRUE(sunday.rows.contains(kDone[11]));
}

TEST_F(TaskBoardTest, AMarkFromYesterdayShowsNotDoneAndPaysNothing)
{
    const QByteArray yesterday = dayStamp(kFriday.date().addDays(-1));
    ASSERT_TRUE(settings().write(SettingSection::software, SettingKey::lastStart, yesterday));
    ASSERT_TRUE(settings().write(SettingSection::diary, SettingKey::lastDiary, yesterday));
    qint32 total = 30;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_EQ(total, 30);
    EXPECT_TRUE(view.pointsLabels.isEmpty());
    EXPECT_EQ(view.rows, rowsOf({-1, -4, -5, -6, -7, -9, -8, -2, -3, -10, -11, -12}));
    EXPECT_TRUE(settings().read(SettingSection::software, QStringLiteral("最后一登录")).isEmpty());
}

TEST_F(TaskBoardTest, ElevenJanuaryAndFirstNovemberAreTheSameDay)
{
    test_.clock().set(fixedDateTime(2026, 1, 11));
    markDone(1);
    qint32 total = 0;
    board().refreshTaskBoard(total);
    ASSERT_EQ(total, 2);

    test_.clock().set(fixedDateTime(2026, 11, 1));
    const TaskBoardView november = board().refreshTaskBoard(total);
    EXPECT_EQ(total, 2);
    EXPECT_EQ(november.rows.front(), kDone[1]);
    EXPECT_TRUE(november.pointsLabels.isEmpty());
}

TEST_F(TaskBoardTest, TheTotalLivesInTheWorkingDirectoryAndTheMarksInTheProgramDirectory)
{
    markDone(1);
    qint32 total = 0;
    board().refreshTaskBoard(total);

    const QByteArray running = GbkCodec::encode(SettingSection::running);
    const QByteArray stored = GbkCodec::encode(SettingKey::pointsStored);
    const QByteArray software = GbkCodec::encode(SettingSection::software);
    const QByteArray award = GbkCodec::encode(u"最后一登录");
    const ProfileStore program(test_.context().paths.programFile(Settings::kFileName));
    const ProfileStore working(test_.context().paths.workingFile(Settings::kFileName));
    EXPECT_FALSE(working.read(running, stored).isEmpty());
    EXPECT_TRUE(program.read(running, stored).isEmpty());
    EXPECT_EQ(program.read(software, award), today());
    EXPECT_TRUE(working.read(software, award).isEmpty());
    EXPECT_EQ(storedTotal(), 2);
}

TEST_F(TaskBoardTest, ATotalNearTheTopSaturatesInsteadOfWrapping)
{
    markDone(1);
    markDone(12);
    qint32 total = std::numeric_limits<qint32>::max() - 1;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_EQ(total, std::numeric_limits<qint32>::max());
    EXPECT_EQ(storedTotal(), std::numeric_limits<qint32>::max());
    EXPECT_EQ(view.title, u"称号：最高等级 最强王者 Lv.MAX"_s);
}

TEST_F(TaskBoardTest, ANegativeTotalLeavesTheTitleAndRefusesFreeGates)
{
    markDone(10);
    qint32 total = -50;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_EQ(total, -40);
    EXPECT_EQ(view.title, std::nullopt);
    EXPECT_EQ(view.titleColour, std::nullopt);
    EXPECT_EQ(view.pointsLabels, QStringList{u"当前积分： -40"_s});
    for (const GatedFeature feature : {GatedFeature::DetailedStatistics, GatedFeature::TextColourWhite,
                                       GatedFeature::ButtonStyleSummer, GatedFeature::RandomPlaceName})
        EXPECT_FALSE(checkGate(feature, total).allowed);
}

TEST_F(TaskBoardTest, PreviewPaysNothingAndWritesNothing)
{
    markDone(1);
    markDone(10);
    const QString programIni = test_.context().paths.programFile(Settings::kFileName);
    QFile before(programIni);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray programBytes = before.readAll();

    const TaskBoardView view = board().previewTaskBoard(250);
    EXPECT_EQ(view.rows, rowsOf({1, -4, -5, -6, -7, -9, -8, -2, -3, 10, -11, -12}));
    EXPECT_EQ(view.pointsTotal, 250);
    EXPECT_TRUE(view.pointsLabels.isEmpty());
    EXPECT_EQ(view.title, u"称号：积分会员 Lv.3"_s);

    QFile after(programIni);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), programBytes);
    EXPECT_FALSE(QFile::exists(test_.context().paths.workingFile(Settings::kFileName)));
}

TEST(TaskBoardTitles, TheLastReachedRowGivesTheTitleAndItsColour)
{
    struct Case {
        qint32 total;
        QString title;
        std::optional<quint32> colour;
    };
    const Case cases[] = {
        {0, u"称号：积分菜鸟 Lv.1"_s, std::nullopt},
        {99, u"称号：积分菜鸟 Lv.1"_s, std::nullopt},
        {100, u"称号：积分新手 Lv.2"_s, std::nullopt},
        {499, u"称号：积分能手 Lv.4"_s, std::nullopt},
        {500, u"称号：积分达人 Lv.5"_s, 0x00FF00},
        {2999, u"称号：写作达人 Lv.9"_s, 0x00FF00},
        {3000, u"称号：写作王者 Lv.10"_s, 0x00FF00},
        {9999, u"称号：写作王者 Lv.10"_s, 0x00FF00},
        {10000, u"称号：至尊等级 写作帝王 Lv.11"_s, 0x0000FF},
        {99999, u"称号：至尊等级 铜牌大师 Lv.19"_s, 0x0000FF},
        {100000, u"称号：至尊等级 银牌写手 Lv.20"_s, 0xFF0090},
        {299999, u"称号：至尊等级 银牌大师 Lv.23"_s, 0xFF0090},
        {300000, u"称号：至尊等级 金牌写手 Lv.24"_s, 0xFF00FF},
        {999999, u"称号：至尊等级 金牌大师 Lv.27"_s, 0xFF00FF},
        {1000000, u"称号：最高等级 最强王者 Lv.MAX"_s, 0xFF00FF},
        {std::numeric_limits<qint32>::max(), u"称号：最高等级 最强王者 Lv.MAX"_s, 0xFF00FF},
    };
    for (const Case &c : cases) {
        const auto title = TaskBoard::titleFor(c.total);
        ASSERT_TRUE(title.has_value()) << c.total;
        EXPECT_EQ(title->text, c.title) << c.total;
        EXPECT_EQ(title->colour, c.colour) << c.total;
    }
    EXPECT_EQ(TaskBoard::titleFor(-1), std::nullopt);
}

TEST_F(TaskBoardTest, AFailedStoreIsReportedAndTheMarksStillKeepTheTaskPaidOnce)
{
    markDone(1);
    const QString workingIni = test_.context().paths.workingFile(Settings::kFileName);
    ASSERT_TRUE(PointsLedger(test_.context().paths).storePointsTotal(40));
    ASSERT_TRUE(QFile::setPermissions(workingIni, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    qint32 total = 40;
    const TaskBoardView view = board().refreshTaskBoard(total);
    EXPECT_FALSE(view.allWritten);
    EXPECT_EQ(total, 42);
    EXPECT_EQ(storedTotal(), 40);
    // The award mark is written all the same, so the running total is not paid again this run.
    board().refreshTaskBoard(total);
    EXPECT_EQ(total, 42);
}
