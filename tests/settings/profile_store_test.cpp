#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "platform/file_attributes.h"
#include "settings/profile_store.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_context.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const char *utf8)
{
    return GbkCodec::encode(QString::fromUtf8(utf8));
}

class ProfileStoreTest : public ::testing::Test {
protected:
    QString path() const { return ctx.programFile(QStringLiteral("setting.ini")); }
    void put(const QByteArray &bytes) { ASSERT_TRUE(writeFileAtomically(path(), bytes).ok); }
    QByteArray content() const { return readWholeFile(path()).value_or("<missing>"); }

    TestContext ctx;
    ProfileStore store{path()};
};

}  // namespace

TEST_F(ProfileStoreTest, CreatesTheFileInGbkWithCrLf)
{
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.read(gbk("软件设置"), gbk("高度")), QByteArray());
    ASSERT_TRUE(store.write(gbk("软件设置"), gbk("高度"), "838"));
    ASSERT_TRUE(store.write(gbk("软件设置"), gbk("自动保存"), gbk("真")));
    ASSERT_TRUE(store.write(gbk("文本设置"), gbk("背景颜色"), "0"));
    EXPECT_EQ(content(), gbk("[软件设置]\r\n高度=838\r\n自动保存=真\r\n[文本设置]\r\n背景颜色=0\r\n"));
    EXPECT_EQ(store.read(gbk("软件设置"), gbk("自动保存")), gbk("真"));
}

TEST_F(ProfileStoreTest, ReadsWithTheProfileRules)
{
    put("junk before sections\r\n"
        "[Main]\r\n"
        "  Size  =  12 \r\n"
        "quoted=\"  a b  \"\r\n"
        "single='x'\r\n"
        "half=\"x\r\n"
        "dup=first\r\n"
        "dup=second\r\n"
        "empty=\r\n"
        "[main]\r\n"
        "other=from the second section\r\n");
    struct Case {
        const char *section;
        const char *key;
        QByteArray value;
    } cases[] = {
        {"main", "size", "12"},       {"MAIN", "SIZE", "12"},   {"Main", "quoted", "  a b  "},
        {"Main", "single", "x"},      {"Main", "half", "\"x"},  {"Main", "dup", "first"},
        {"Main", "empty", ""},        {"Main", "missing", ""},  {"Main", "other", ""},
        {"Nowhere", "size", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(store.read(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(ProfileStoreTest, WritesChangeOneLineAndKeepEverythingElse)
{
    put("; a comment\n[A]\nx=1\ndup=1\ndup=2\n\n[B]\ny=2");
    ASSERT_TRUE(store.write("a", "DUP", "9"));
    ASSERT_TRUE(store.write("A", "new", "3"));
    ASSERT_TRUE(store.write("B", "z", "4"));
    ASSERT_TRUE(store.write("C", "w", "5"));
    EXPECT_EQ(content(), QByteArray("; a comment\n[A]\nx=1\nDUP=9\ndup=2\nnew=3\n\n[B]\ny=2\nz=4\n[C]\nw=5\n"));
    EXPECT_EQ(store.read("A", "dup"), "9");
}

TEST_F(ProfileStoreTest, SurvivesBadFiles)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    const QByteArray hugeLine = "[S]\r\nbig=" + QByteArray(1 << 20, 'x') + "\r\nk=v\r\n";
    const QByteArray tooLong = "[S]\r\nk=" + QByteArray(20000, 'y') + "\r\n";
    struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"binary garbage", garbage},
        {"no sections", "k=v\r\nkey=value\r\n"},
        {"1 MB line", hugeLine},
        {"LF line ends", "[S]\nk=lf\n"},
        {"zero bytes", QByteArray("[S]\r\nk=\0v\r\n", 12)},
        {"overlong value", tooLong},
    };
    for (const Case &c : cases) {
        put(c.bytes);
        const QByteArray before = store.read("S", "k");
        EXPECT_LE(before.size(), ProfileStore::kMaxValueBytes) << c.name;
        ASSERT_TRUE(store.write("S", "k", "written")) << c.name;
        EXPECT_EQ(store.read("S", "k"), QByteArray("written")) << c.name;
        ASSERT_TRUE(store.write("T", "n", "2")) << c.name;
        EXPECT_EQ(store.read("S", "k"), QByteArray("written")) << c.name;
        EXPECT_EQ(store.read("T", "n"), QByteArray("2")) << c.name;
    }
    put(hugeLine);
    EXPECT_EQ(store.read("S", "big").size(), ProfileStore::kMaxValueBytes);
}

TEST_F(ProfileStoreTest, RefusesWritesToAReadOnlyFileOrLinesItCannotHold)
{
    put("[S]\r\nk=v\r\n");
    EXPECT_FALSE(store.write("S", "k", "a\r\nb"));
    EXPECT_FALSE(store.write("S", "k", QByteArray("a\0b", 3)));
    ASSERT_TRUE(setFileAttributes(path(), FileAttributes::ReadOnlyHiddenSystem));
    EXPECT_FALSE(store.write("S", "k", "changed"));
    EXPECT_EQ(content(), QByteArray("[S]\r\nk=v\r\n"));
    ASSERT_TRUE(setFileAttributes(path(), FileAttributes::HiddenSystem));
    EXPECT_TRUE(store.write("S", "k", "changed"));
    EXPECT_EQ(store.read("S", "k"), QByteArray("changed"));
}

TEST_F(ProfileStoreTest, AWriteIntoAVanishedFolderFailsQuietly)
{
    ProfileStore nowhere(ctx.programFile(QStringLiteral("gone/setting.ini")));
    EXPECT_FALSE(nowhere.write("S", "k", "v"));
    EXPECT_EQ(nowhere.read("S", "k"), QByteArray());
}

TEST(Settings, TheRunningSectionLivesInTheWorkingDirectory)
{
    TestContext ctx;
    Settings settings(ctx.context().paths);
    ASSERT_TRUE(settings.writeText(SettingSection::running, SettingKey::pointsStored, QStringLiteral("x")));
    ASSERT_TRUE(settings.writeFlag(SettingSection::software, SettingKey::autoBackup, true));
    ASSERT_TRUE(settings.writeNumber(SettingSection::software, SettingKey::height, -5));
    EXPECT_TRUE(QFile::exists(ctx.context().paths.workingFile(QStringLiteral("setting.ini"))));
    ProfileStore working(ctx.context().paths.workingFile(QStringLiteral("setting.ini")));
    EXPECT_EQ(working.read(gbk("运行情况"), gbk("运行")), QByteArray("x"));
    EXPECT_EQ(working.read(gbk("软件设置"), gbk("自动保存")), QByteArray());
    EXPECT_TRUE(settings.readFlag(SettingSection::software, SettingKey::autoBackup));
    EXPECT_EQ(settings.readNumber(SettingSection::software, SettingKey::height), -5);
    ASSERT_TRUE(settings.writeText(SettingSection::software, SettingKey::autoBackup, QStringLiteral("真的")));
    EXPECT_FALSE(settings.readFlag(SettingSection::software, SettingKey::autoBackup));
}
