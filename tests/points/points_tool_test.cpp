#include "core/gbk_codec.h"
#include "points/points_ledger.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_context.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>

#include "qstring_printer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList &args, const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(PENMOOR_TOOL_PATH), args);
    if (!process.waitForFinished(-1))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Every file under dir with its bytes.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.fileName(), file.readAll());
    }
    return files;
}

const QString kAllDailyNotDone =
    u"勤劳蜜蜂 每天打开一次Penmoor×未完成 +2积分\n"
    u"日记达人 每天写一篇日记×未完成 +3积分\n"
    u"日写千字 每天新建文本并写1000字×未完成 +1积分\n"
    u"日写万字 每天新建文本并写8000字×未完成 +2积分\n"
    u"写作狂人 每天新建文本并写20000字×未完成 +3积分\n"
    u"写作强者 每天写字60分钟×未完成 +8积分\n"
    u"写作魔鬼 每天新建文本并写100000字×未完成 +4积分\n"
    u"超级粉丝 支持qmf文件，使用软件打开一个qmf文件×未完成 +3积分\n"
    u"声音天使 使用录音功能记录下你最美的声音把×未完成 +3积分\n"_s;

}  // namespace

TEST(PointsTool, ShowsTheBoardWithoutPayingOrWriting)
{
    TestContext test;
    const AppPaths &paths = test.context().paths;
    const Settings settings(paths);
    // Newbie marks only, so that the expected rows do not depend on the real date.
    ASSERT_TRUE(settings.writeFlag(SettingSection::software, SettingKey::agreementShown, true));
    ASSERT_TRUE(settings.writeFlag(SettingSection::software, SettingKey::largeFontUsed, true));
    ASSERT_TRUE(PointsLedger(paths).storePointsTotal(123));
    const auto programBefore = snapshot(paths.programDir);
    const auto workingBefore = snapshot(paths.workingDir);

    const ToolRun run = runTool({u"points"_s, u"--program-dir"_s, paths.programDir, u"--working-dir"_s,
                                 paths.workingDir},
                                QDir::tempPath());
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, u"当前积分： 123\n称号：积分新手 Lv.2\n"_s + kAllDailyNotDone
                  + u"新手任务 同意并接受许可协议√完成 +10积分\n"
                    u"新手任务 体验一次大字体模式√完成 +5积分\n"
                    u"新手任务 成功使用P穿越功能传输文本一次×未完成 +50积分\n"_s);
    EXPECT_EQ(snapshot(paths.programDir), programBefore);
    EXPECT_EQ(snapshot(paths.workingDir), workingBefore);
    EXPECT_EQ(PointsLedger(paths).loadPointsTotal(), 123);
}

TEST(PointsTool, ReadsTheTotalFromTheCurrentDirectoryByDefault)
{
    TestContext test;
    const AppPaths &paths = test.context().paths;
    ASSERT_TRUE(PointsLedger(paths).storePointsTotal(-3));

    const ToolRun run = runTool({u"points"_s, u"--program-dir"_s, paths.programDir}, paths.workingDir);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    // A negative total leaves the title as the page was built.
    EXPECT_TRUE(run.out.startsWith(u"当前积分： -3\n称号：至尊等级 写作帝王 Lv.MAX\n"_s + kAllDailyNotDone)) << qPrintable(run.out);
    EXPECT_FALSE(QFile::exists(paths.programFile(Settings::kFileName)));
}

TEST(PointsTool, RejectsUnknownOptionsAndMissingFolders)
{
    TestContext test;
    EXPECT_EQ(runTool({u"points"_s, u"--colour"_s}, test.workingDir()).exitCode, 2);
    EXPECT_EQ(runTool({u"points"_s, u"--program-dir"_s}, test.workingDir()).exitCode, 2);
    EXPECT_EQ(runTool({u"points"_s, u"--working-dir"_s, test.workingDir() + u"/absent"_s}, test.workingDir()).exitCode, 1);
}
