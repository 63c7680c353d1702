#include "core/atomic_file.h"
#include "core/day_stamp.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "statistics/daily_word_marks.h"
#include "statistics/text_statistics.h"
#include "support/test_context.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QByteArray kToday = dayStamp(QDate(2026, 12, 11));

// A text whose spaceless half length is exactly n Chinese characters' worth.
QString chineseText(int characters)
{
    return QString(characters, QChar(u'字'));
}

}  // namespace

TEST(DailyWordMarks, MarksWhenTheCountIsGreaterThanTheThreshold)
{
    struct Case {
        const char *name;
        QString text;
        QByteArray expected1000;
    } cases[] = {
        {"exactly 1000", chineseText(1000), ""},
        {"1001", chineseText(1001), kToday},
        {"spaces do not count", chineseText(1000) + QStringLiteral("  "), ""},
        // 999 characters and two CR LFs: 999 + 2, while the current count stays 999.
        {"CR LF counts toward the mark", chineseText(500) + u'\n' + chineseText(499) + u'\n', kToday},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestContext test;
        const Settings settings(test.context().paths);
        const TextFigures figures = TextStatistics::countFigures(c.text);
        const DailyMarksResult result = DailyWordMarks::record(settings, kToday, figures.spacelessHalf(), false);
        EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words1000), c.expected1000);
        EXPECT_EQ(result.written, c.expected1000.isEmpty() ? 0 : 1);
        EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words8000), QByteArray());
    }
    EXPECT_EQ(TextStatistics::countFigures(chineseText(500) + u'\n' + chineseText(499) + u'\n').current(), 999);
}

TEST(DailyWordMarks, SetsEveryMarkPassedAndKeepsOtherDaysStampsOnlyUntilPassed)
{
    TestContext test;
    const Settings settings(test.context().paths);
    ASSERT_TRUE(settings.write(SettingSection::software, SettingKey::words20000, "20261210"));
    ASSERT_TRUE(settings.write(SettingSection::software, SettingKey::words100000, "20261210"));
    const DailyMarksResult result = DailyWordMarks::record(settings, kToday, 20001, false);
    EXPECT_EQ(result.written, 3);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words1000), kToday);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words8000), kToday);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words20000), kToday);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words100000), QByteArray("20261210"));
}

TEST(DailyWordMarks, AnOpenedDocumentWritesNoMark)
{
    TestContext test;
    const Settings settings(test.context().paths);
    const DailyMarksResult result = DailyWordMarks::record(settings, kToday, 200000, true);
    EXPECT_EQ(result.written, 0);
    EXPECT_FALSE(QFileInfo::exists(test.programFile(Settings::kFileName)));
}

TEST(DailyWordMarks, AMarkHoldingTodayIsNotRewritten)
{
    TestContext test;
    const Settings settings(test.context().paths);
    ASSERT_TRUE(settings.write(SettingSection::software, SettingKey::words1000, kToday));
    const QString path = test.programFile(Settings::kFileName);
    const QDateTime past(QDate(2020, 1, 1), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    const std::optional<QByteArray> before = readWholeFile(path);
    ASSERT_TRUE(before.has_value());

    const DailyMarksResult result = DailyWordMarks::record(settings, kToday, 5000, false);

    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(QFileInfo(path).lastModified(), past);
    EXPECT_EQ(readWholeFile(path), before);
}

TEST(DailyWordMarks, AnUnwritableSettingsFileIsReportedNotThrown)
{
    TestContext test;
    const Settings settings(test.context().paths);
    ASSERT_TRUE(settings.write(SettingSection::software, SettingKey::lastStart, "1"));
    const QString path = test.programFile(Settings::kFileName);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    const DailyMarksResult result = DailyWordMarks::record(settings, kToday, 1001, false);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(result.writeFailures, 1);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words1000), QByteArray());
}
