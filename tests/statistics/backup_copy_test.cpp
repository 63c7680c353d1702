#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "documents/backup_copy.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

TEST(BackupCopy, FileNamesComeFromTheTitle)
{
    struct Case {
        QString title;
        QString fileName;
    } cases[] = {
        {QStringLiteral("第一章 雨夜"), QStringLiteral("第一章 雨夜.txt")},
        {QString(), QStringLiteral(".txt")},
        {QStringLiteral("上/下"), QStringLiteral("上_下.txt")},
        {QStringLiteral("a\\b"), QStringLiteral("a_b.txt")},
        {QStringLiteral("为什么?<是>:\"|*"), QStringLiteral("为什么__是_____.txt")},
        {QStringLiteral("x") + QChar(u'\0') + QStringLiteral("y\tz"), QStringLiteral("x_y_z.txt")},
        {QStringLiteral(".."), QStringLiteral("...txt")},
    };
    const BackupCopy copy(QStringLiteral("/program"));
    for (const Case &c : cases) {
        EXPECT_EQ(BackupCopy::fileNameFor(c.title), c.fileName);
        EXPECT_EQ(copy.backupFilePath(c.title), QStringLiteral("/program/备份/") + c.fileName);
    }
    EXPECT_EQ(copy.backupFolderPath(), QStringLiteral("/program/备份"));
}

TEST(BackupCopy, WritesTheWholeTextAsGbkWithCrLfAndCreatesTheFolder)
{
    TestContext test;
    const BackupCopy copy(test.programDir());
    ASSERT_FALSE(QFileInfo::exists(copy.backupFolderPath()));
    const QString editorText = QString::fromUtf8("第一行\n第二行 abc😀");
    const BackupResult result = copy.write(QStringLiteral("章/节"), BackupCopy::systemBytes(editorText));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.path, copy.backupFilePath(QStringLiteral("章_节")));
    EXPECT_EQ(readWholeFile(result.path), GbkCodec::encode(QString::fromUtf8("第一行\r\n第二行 abc😀")));
    EXPECT_EQ(QDir(copy.backupFolderPath()).entryList(QDir::Files), QStringList{QStringLiteral("章_节.txt")});
}

TEST(BackupCopy, ALongTitleStillGetsABackupOfItsOwn)
{
    TestContext test;
    const BackupCopy copy(test.programDir());
    const QString first = QString(100, QChar(u'长')) + QStringLiteral("甲");
    const QString second = QString(100, QChar(u'长')) + QStringLiteral("乙");
    for (const QString &title : {first, second}) {
        const BackupResult result = copy.write(title, GbkCodec::encode(title));
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_LE(QFile::encodeName(QFileInfo(result.path).fileName()).size(), 255);
        EXPECT_EQ(readWholeFile(result.path), GbkCodec::encode(title));
    }
    EXPECT_NE(BackupCopy::fileNameFor(first), BackupCopy::fileNameFor(second));
    EXPECT_EQ(QDir(copy.backupFolderPath()).entryList(QDir::Files).size(), 2);
}

TEST(BackupCopy, EnsuringTheFolderKeepsWhatItHolds)
{
    TestContext test;
    const BackupCopy copy(test.programDir());
    ASSERT_TRUE(copy.ensureBackupFolder());
    ASSERT_TRUE(copy.write(QStringLiteral("t"), "old").ok());
    EXPECT_TRUE(copy.ensureBackupFolder());
    EXPECT_EQ(readWholeFile(copy.backupFilePath(QStringLiteral("t"))), QByteArray("old"));
}

TEST(BackupCopy, AFailedWriteIsAValueAndLeavesThePreviousCopy)
{
    TestContext test;
    const BackupCopy copy(test.programDir());
    ASSERT_TRUE(copy.write(QStringLiteral("t"), "previous").ok());
    // A folder where the file should be: the replace cannot happen.
    ASSERT_TRUE(QDir().mkpath(copy.backupFilePath(QStringLiteral("blocked"))));
    const BackupResult blocked = copy.write(QStringLiteral("blocked"), "text");
    EXPECT_EQ(blocked.outcome, BackupOutcome::WriteFailed);
    EXPECT_FALSE(blocked.error.isEmpty());

    // A file where the folder should be.
    TestContext other;
    ASSERT_TRUE(writeFileAtomically(QDir(other.programDir()).filePath(BackupCopy::kFolderName), "x").ok);
    EXPECT_EQ(BackupCopy(other.programDir()).write(QStringLiteral("t"), "text").outcome,
              BackupOutcome::FolderNotCreated);
    EXPECT_EQ(readWholeFile(copy.backupFilePath(QStringLiteral("t"))), QByteArray("previous"));
}

namespace {

void writeUnderFileSizeLimit(const BackupCopy &copy, const QByteArray &text)
{
    const rlimit limit{64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    copy.write(QStringLiteral("稿"), text);
    std::_Exit(0);
}

}  // namespace

TEST(BackupCopyDeathTest, ACrashMidWriteLeavesThePreviousBackupWhole)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestContext test;
    const BackupCopy copy(test.programDir());
    const QByteArray previous = GbkCodec::encode(QString(3000, QChar(u'旧')));
    ASSERT_TRUE(copy.write(QStringLiteral("稿"), previous).ok());

    // The child may write only 64 KiB before the kernel kills it with SIGXFSZ, half way through
    // a 1 MiB backup.
    const QByteArray next(1 << 20, 'n');
    EXPECT_EXIT(writeUnderFileSizeLimit(copy, next), ::testing::KilledBySignal(SIGXFSZ), "");

    EXPECT_EQ(readWholeFile(copy.backupFilePath(QStringLiteral("稿"))), previous);
}

TEST(BackupCopy, ScheduledWritesEndWithTheLatestTextOfEachTitle)
{
    TestContext test;
    BackupCopy copy(test.programDir());
    QString text;
    for (int i = 0; i < 200; ++i) {
        text += QChar(u'字');
        if (i % 50 == 0)
            text += u'\n';
        copy.schedule(QStringLiteral("甲"), text);
        if (i == 100)
            copy.schedule(QStringLiteral("乙"), QStringLiteral("另一篇"));
    }
    const BackupResult last = copy.flush();
    EXPECT_TRUE(last.ok()) << last.error.toStdString();
    EXPECT_EQ(readWholeFile(copy.backupFilePath(QStringLiteral("甲"))), BackupCopy::systemBytes(text));
    EXPECT_EQ(readWholeFile(copy.backupFilePath(QStringLiteral("乙"))), GbkCodec::encode(QStringLiteral("另一篇")));
}

TEST(BackupCopy, DestroyingTheCopyFinishesScheduledWrites)
{
    TestContext test;
    QString path;
    {
        BackupCopy copy(test.programDir());
        path = copy.backupFilePath(QStringLiteral("t"));
        copy.schedule(QStringLiteral("t"), QStringLiteral("最后一句"));
    }
    EXPECT_EQ(readWholeFile(path), GbkCodec::encode(QStringLiteral("最后一句")));
}
