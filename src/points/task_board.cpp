#include "points/task_board.h"

#include "core/day_stamp.h"
#include "core/gbk_codec.h"
#include "settings/setting_keys.h"

#include <array>
#include <vector>

namespace {

struct Task {
    const QString &section;
    QString completionKey;
    QString awardKey;
    int reward;
    int bonusReward;  // daily tasks on the bonus day; newbie tasks never get a bonus
    int positionIfDone;
    int positionIfNotDone;
    QString description;  // the row up to its mark
};

QString rowText(const Task &task, bool done)
{
    return task.description + (done ? QStringLiteral("√完成 +") : QStringLiteral("×未完成 +"))
        + QString::number(task.reward) + QStringLiteral("积分");
}

// Task 9 is paid into 60分用, a key of 软件设置 that no other task or setting uses, so that the
// hour of writing is paid once a day on its own and does not share task 8's mark.
const std::vector<Task> &dailyTasks()
{
    static const std::vector<Task> tasks{
        {SettingSection::software, SettingKey::lastStart, QStringLiteral("最后一登录"), 2, 10, 900, 0,
         QStringLiteral("勤劳蜜蜂 每天打开一次Penmoor")},
        {SettingSection::software, SettingKey::qmfUsed, QStringLiteral("qmf用"), 3, 15, 900, 900,
         QStringLiteral("超级粉丝 支持qmf文件，使用软件打开一个qmf文件")},
        {SettingSection::software, SettingKey::recorded, QStringLiteral("录"), 3, 15, 900, 900,
         QStringLiteral("声音天使 使用录音功能记录下你最美的声音把")},
        {SettingSection::diary, SettingKey::lastDiary, QStringLiteral("最后一日记"), 3, 15, 901, 1,
         QStringLiteral("日记达人 每天写一篇日记")},
        {SettingSection::software, SettingKey::words1000, QStringLiteral("1000"), 1, 5, 902, 2,
         QStringLiteral("日写千字 每天新建文本并写1000字")},
        {SettingSection::software, SettingKey::words8000, QStringLiteral("8000"), 2, 10, 903, 3,
         QStringLiteral("日写万字 每天新建文本并写8000字")},
        {SettingSection::software, SettingKey::words20000, QStringLiteral("20000"), 3, 15, 904, 4,
         QStringLiteral("写作狂人 每天新建文本并写20000字")},
        {SettingSection::software, SettingKey::words100000, QStringLiteral("100000"), 4, 20, 905, 5,
         QStringLiteral("写作魔鬼 每天新建文本并写100000字")},
        // Same positions as task 8, so that when neither is done task 9 stands above task 8.
        {SettingSection::software, SettingKey::writingHour, QStringLiteral("60分用"), 8, 40, 905, 5,
         QStringLiteral("写作强者 每天写字60分钟")},
    };
    return tasks;
}

const std::vector<Task> &newbieTasks()
{
    static const std::vector<Task> tasks{
        {SettingSection::software, SettingKey::agreementShown, QStringLiteral("新1"), 10, 10, 900, 900,
         QStringLiteral("新手任务 同意并接受许可协议")},
        {SettingSection::software, SettingKey::largeFontUsed, QStringLiteral("新2"), 5, 5, 900, 900,
         QStringLiteral("新手任务 体验一次大字体模式")},
        {SettingSection::software, SettingKey::transferDone, QStringLiteral("新3"), 50, 50, 900, 900,
         QStringLiteral("新手任务 成功使用P穿越功能传输文本一次")},
    };
    return tasks;
}

struct TitleRow {
    qint32 threshold;
    const char16_t *text;
    std::optional<quint32> colour;
};

constexpr quint32 kGreen = 0x00FF00;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kViolet = 0xFF0090;
constexpr quint32 kMagenta = 0xFF00FF;

const std::array<TitleRow, 28> kTitles{{
    {0, u"称号：积分菜鸟 Lv.1", std::nullopt},
    {100, u"称号：积分新手 Lv.2", std::nullopt},
    {200, u"称号：积分会员 Lv.3", std::nullopt},
    {300, u"称号：积分能手 Lv.4", std::nullopt},
    {500, u"称号：积分达人 Lv.5", kGreen},
    {800, u"称号：积分王者 Lv.6", kGreen},
    {1000, u"称号：积分帝王 Lv.7", kGreen},
    {1500, u"称号：写作能手 Lv.8", kGreen},
    {2000, u"称号：写作达人 Lv.9", kGreen},
    {3000, u"称号：写作王者 Lv.10", kGreen},
    {10000, u"称号：至尊等级 写作帝王 Lv.11", kRed},
    {20000, u"称号：至尊等级 王牌写手 Lv.12", kRed},
    {30000, u"称号：至尊等级 王牌作者 Lv.13", kRed},
    {40000, u"称号：至尊等级 王牌作家 Lv.14", kRed},
    {50000, u"称号：至尊等级 王牌大师 Lv.15", kRed},
    {60000, u"称号：至尊等级 铜牌写手 Lv.16", kRed},
    {70000, u"称号：至尊等级 铜牌作者 Lv.17", kRed},
    {80000, u"称号：至尊等级 铜牌作家 Lv.18", kRed},
    {90000, u"称号：至尊等级 铜牌大师 Lv.19", kRed},
    {100000, u"称号：至尊等级 银牌写手 Lv.20", kViolet},
    {150000, u"称号：至尊等级 银牌作者 Lv.21", kViolet},
    {200000, u"称号：至尊等级 银牌作家 Lv.22", kViolet},
    {250000, u"称号：至尊等级 银牌大师 Lv.23", kViolet},
    {300000, u"称号：至尊等级 金牌写手 Lv.24", kMagenta},
    {400000, u"称号：至尊等级 金牌作者 Lv.25", kMagenta},
    {500000, u"称号：至尊等级 金牌作家 Lv.26", kMagenta},
    {700000, u"称号：至尊等级 金牌大师 Lv.27", kMagenta},
    {1000000, u"称号：最高等级 最强王者 Lv.MAX", kMagenta},
}};

// Inserting at p puts the row before index p; a p past the end appends.
void insertRow(QStringList &rows, int position, const QString &row)
{
    if (position >= rows.size())
        rows.append(row);
    else
        rows.insert(position, row);
}

}  // namespace

TaskBoard::TaskBoard(AppPaths paths, const Clock &clock, QByteArray keyText)
    : settings_(paths)
    , ledger_(std::move(paths), std::move(keyText))
    , clock_(clock)
{
}

TaskBoardView TaskBoard::refreshTaskBoard(qint32 &pointsTotal) const
{
    return run(pointsTotal, true);
}

TaskBoardView TaskBoard::previewTaskBoard(qint32 pointsTotal) const
{
    return run(pointsTotal, false);
}

std::optional<EarnedTitle> TaskBoard::titleFor(qint32 pointsTotal)
{
    if (pointsTotal < 0)
        return std::nullopt;
    const TitleRow *reached = &kTitles.front();
    for (const TitleRow &row : kTitles) {
        if (pointsTotal >= row.threshold)
            reached = &row;
    }
    return EarnedTitle{QString::fromUtf16(reached->text), reached->colour};
}

// Today is taken afresh at every comparison, as a refresh running over midnight would see it.
QByteArray TaskBoard::today() const
{
    return dayStamp(clock_.now().date());
}

// Saturday (day 7 counting Sunday as 1) pays the five-fold daily rewards.
bool TaskBoard::bonusDay() const
{
    return weekdayNumber(clock_.now().date()) == 7;
}

TaskBoardView TaskBoard::run(qint32 &pointsTotal, bool pay) const
{
    TaskBoardView view;
    if (pay)
        view.allWritten = ledger_.storePointsTotal(pointsTotal);

    const QByteArray yes = GbkCodec::encode(SettingValue::yes);
    const auto visit = [&](const Task &task, bool daily) {
        // A daily mark counts when it holds today's stamp, a newbie mark when it holds "真".
        const bool done = settings_.read(task.section, task.completionKey) == (daily ? today() : yes);
        insertRow(view.rows, done ? task.positionIfDone : task.positionIfNotDone, rowText(task, done));
        if (!done || !pay)
            return;
        if (settings_.read(task.section, task.awardKey) == (daily ? today() : yes))
            return;
        const int reward = daily && bonusDay() ? task.bonusReward : task.reward;
        pointsTotal = PointsLedger::addReward(pointsTotal, reward);
        view.allWritten = ledger_.storePointsTotal(pointsTotal) && view.allWritten;
        view.allWritten = settings_.write(task.section, task.awardKey, daily ? today() : yes) && view.allWritten;
        view.pointsLabels.append(PointsLedger::pointsLabelText(pointsTotal));
    };
    for (const Task &task : dailyTasks())
        visit(task, true);
    for (const Task &task : newbieTasks())
        visit(task, false);

    view.pointsTotal = pointsTotal;
    if (const auto title = titleFor(pointsTotal)) {
        view.title = title->text;
        view.titleColour = title->colour;
    }
    return view;
}
