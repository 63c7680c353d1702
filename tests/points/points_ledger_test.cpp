#include "documents/text_cipher.h"
#include "points/points_ledger.h"
#include "settings/profile_store.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_context.h"

#include "core/gbk_codec.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QByteArray kPrefix(SessionState::kKeyPrefix);

ProfileStore workingIni(TestContext &test)
{
    return ProfileStore(test.context().paths.workingFile(Settings::kFileName));
}

void writeRawStoredValue(TestContext &test, const QByteArray &value)
{
    ASSERT_TRUE(workingIni(test).write(GbkCodec::encode(SettingSection::running),
                                       GbkCodec::encode(SettingKey::pointsStored), value));
}

// The round trips below rewrite setting.ini many thousand times; on a memory file system that
// takes seconds instead of minutes of waiting for the disk to confirm each replacement.
QTemporaryDir fastTemporaryDir()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        return QTemporaryDir(QStringLiteral("/dev/shm/penmoor-points-XXXXXX"));
    return QTemporaryDir();
}

AppPaths pathsIn(const QTemporaryDir &dir)
{
    return AppPaths{dir.path(), dir.path(), {}};
}

}  // namespace

TEST(PointsLedger, EveryTotalFromMinus1000To100000AndTheExtremesReadsBackThroughTheFile)
{
    const QTemporaryDir dir = fastTemporaryDir();
    ASSERT_TRUE(dir.isValid());
    const PointsLedger ledger(pathsIn(dir));
    std::vector<qint32> totals{std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::min() + 1,
                               std::numeric_limits<qint32>::max() - 1, std::numeric_limits<qint32>::max()};
    for (qint32 total = -1000; total <= 100000; ++total)
        totals.push_back(total);

    for (const qint32 total : totals) {
        ASSERT_TRUE(ledger.storePointsTotal(total)) << total;
        ASSERT_EQ(ledger.loadPointsTotal(), total);
        // Under the key prefix every total fits the line as it is, so earlier versions read these.
        ASSERT_EQ(PointsLedger::storedForm(total, kPrefix), encryptText(QByteArray::number(total), kPrefix)) << total;
    }
}

TEST(PointsLedger, CipherValuesTheLineCannotCarryAreEscapedAndReadBack)
{
    // Key texts whose keystream puts zero, CR, LF, blanks or quotes into many totals' cipher. Under
    // the first an escaped value starting with "#" would decrypt to a digit, so "~" marks it.
    struct Case {
        QByteArray key;
        char marker;
    };
    for (const Case &c : {Case{"other-key-2", '~'}, Case{"other-key-158", '#'}}) {
        const QTemporaryDir dir = fastTemporaryDir();
        ASSERT_TRUE(dir.isValid());
        const PointsLedger ledger(pathsIn(dir), c.key);
        int escaped = 0;
        for (qint32 total = -200; total <= 5000; ++total) {
            ASSERT_TRUE(ledger.storePointsTotal(total)) << c.key.constData() << ' ' << total;
            ASSERT_EQ(ledger.loadPointsTotal(), total) << c.key.constData();
            const QByteArray stored = PointsLedger::storedForm(total, c.key);
            if (stored != encryptText(QByteArray::number(total), c.key)) {
                ++escaped;
                ASSERT_EQ(stored.front(), c.marker) << c.key.constData() << ' ' << total;
            }
        }
        EXPECT_GT(escaped, 1000) << c.key.constData();
    }
}

TEST(PointsLedger, TheLoaderRecognisesAnEscapedValueUnderTheKeyPrefix)
{
    TestContext test;
    writeRawStoredValue(test, '#' + encryptText("4096", kPrefix).toHex());
    EXPECT_EQ(PointsLedger(test.context().paths).loadPointsTotal(), 4096);
}

TEST(PointsLedger, AMissingValueLoadsZero)
{
    TestContext test;
    const PointsLedger ledger(test.context().paths);
    EXPECT_EQ(ledger.loadPointsTotal(), 0);  // no file at all

    ASSERT_TRUE(workingIni(test).write("other", "key", "1"));
    EXPECT_EQ(ledger.loadPointsTotal(), 0);  // a file without the value
}

TEST(PointsLedger, AValueInThePlainCipherFormStillLoads)
{
    TestContext test;
    const QByteArray plain = encryptText("4321", kPrefix);
    writeRawStoredValue(test, plain);
    EXPECT_EQ(PointsLedger(test.context().paths).loadPointsTotal(), 4321);
    // The ledger itself writes that same form whenever the line can carry it.
    EXPECT_EQ(PointsLedger::storedForm(4321, kPrefix), plain);
}

TEST(PointsLedger, NoPlainValueCanBeginLikeAnEscapedOne)
{
    // A plain value begins with the cipher of "-" or a digit; none of those is an escape marker.
    for (const char first : QByteArray("-0123456789")) {
        const char cipher = encryptText(QByteArray(1, first), kPrefix).at(0);
        EXPECT_NE(cipher, '#') << first;
        EXPECT_NE(cipher, '~') << first;
    }
}

TEST(PointsLedger, AHandAlteredValueLoadsAsItsLeadingDigits)
{
    TestContext test;
    writeRawStoredValue(test, encryptText("77abc", kPrefix));
    EXPECT_EQ(PointsLedger(test.context().paths).loadPointsTotal(), 77);
    writeRawStoredValue(test, encryptText("-x5", kPrefix));
    EXPECT_EQ(PointsLedger(test.context().paths).loadPointsTotal(), 0);
}

TEST(PointsLedger, RewardsSaturateAtTheLargestTotal)
{
    constexpr qint32 max = std::numeric_limits<qint32>::max();
    EXPECT_EQ(PointsLedger::addReward(10, 40), 50);
    EXPECT_EQ(PointsLedger::addReward(-5, 2), -3);
    EXPECT_EQ(PointsLedger::addReward(max - 3, 2), max - 1);
    EXPECT_EQ(PointsLedger::addReward(max - 3, 40), max);
    EXPECT_EQ(PointsLedger::addReward(max, 50), max);
}

TEST(PointsLedger, LabelTextUsesTheFullWidthColonAndOneSpace)
{
    EXPECT_EQ(GbkCodec::encode(PointsLedger::pointsLabelText(12)), QByteArray("\xb5\xb1\xc7\xb0\xbb\xfd\xb7\xd6\xa3\xba 12"));
    EXPECT_EQ(PointsLedger::pointsLabelText(-7), QStringLiteral("当前积分： -7"));
}
