#include "app/app_harness.h"
#include "app/start_menu.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"
#include "statistics/word_count_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SettingsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.start();
        ctx.prompter().clear();
    }

    SettingsPage &page() { return *run.window().settingsPage; }
    QString stored(const QString &key, const QString &section = QStringLiteral("软件设置"))
    {
        return run.app->settings().readText(section, key);
    }

    TestContext ctx;
    AppHarness run{ctx};
};

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

}  // namespace

TEST_F(SettingsPageTest, HoldsEveryControlWithItsCaptionAndDesignedState)
{
    EXPECT_EQ(page().objectName(), QStringLiteral("关于"));
    EXPECT_EQ(page().title(), QStringLiteral("设置"));
    EXPECT_EQ(page().size(), QSize(592, 368));
    EXPECT_FALSE(page().isVisible());
    auto *tabs = run.find<QTabWidget>(QStringLiteral("高级选择夹1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->size(), QSize(584, 336));
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("功能设置"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("应用中心"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("积分任务"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("技术支持"));
    EXPECT_EQ(run.find<QPushButton>(QStringLiteral("保存设置"))->text(), QStringLiteral("确定"));
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("透明标签1"))->text(), QStringLiteral("取消"));

    const struct {
        const char *name;
        const char *caption;
    } boxes[] = {
        {"状态栏选择", "隐藏状态栏"}, {"透明化选择", "软件透明"}, {"总在最前选择", "总在最前"},
        {"自动保存", "开启丢稿找回（在应用中心找回）仅支持断电、死机蓝屏等方式或者误删文件的文件恢复"},
        {"大字体", "大字号模式（快捷键：F2）"}, {"显示统计", "显示字数统计"}, {"积分系统", "开启积分系统"},
    };
    for (const auto &b : boxes) {
        auto *box = run.find<QCheckBox>(QString::fromUtf8(b.name));
        ASSERT_NE(box, nullptr) << b.name;
        EXPECT_EQ(box->text(), QString::fromUtf8(b.caption));
    }
    EXPECT_EQ(items(run.find<QComboBox>(QStringLiteral("提示类型"))),
              (QStringList{QStringLiteral("中国地理历史"), QStringLiteral("励志名言警句"), QStringLiteral("你我共同打造"),
                           QStringLiteral("自定义文本")}));
    EXPECT_EQ(items(run.find<QComboBox>(QStringLiteral("文本颜色"))), (QStringList{QStringLiteral("白色"), QStringLiteral("黑色")}));
    EXPECT_EQ(items(run.find<QComboBox>(QStringLiteral("顶图类型"))).size(), 7);
    EXPECT_EQ(items(run.find<QComboBox>(QStringLiteral("按钮类型"))).last(), QStringLiteral("秋景所感（10积分）"));
    EXPECT_NE(run.find<ColourPicker>(QStringLiteral("颜色")), nullptr);
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("版本标签"))->text(), QStringLiteral("Penmoor7—你的原创写作助手 v7.0 简单·不简单"));
    for (const char *name : {"积分显示", "称号显示", "称号说明按钮", "超级列表框1", "刷新任务按钮", "加密器标签1"})
        EXPECT_NE(run.find(QString::fromUtf8(name)), nullptr) << name;
}

TEST_F(SettingsPageTest, TheMenuOpensAndClosesThePageOnItsFirstTabAndRefreshesTheTasks)
{
    int refreshes = 0;
    run.app->settingsController().refreshTaskBoard = [&] { ++refreshes; };
    page().tabs->setCurrentIndex(SettingsPage::SupportTab);
    run.window().startMenu->settings->trigger();
    EXPECT_TRUE(page().isVisible());
    EXPECT_EQ(page().tabs->currentIndex(), int(SettingsPage::FunctionTab));
    EXPECT_EQ(refreshes, 1);
    run.window().startMenu->settings->trigger();
    EXPECT_FALSE(page().isVisible());
    EXPECT_EQ(refreshes, 1);

    run.window().startMenu->appCentre->trigger();
    EXPECT_TRUE(page().isVisible());
    EXPECT_EQ(page().tabs->currentIndex(), int(SettingsPage::AppCentreTab));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(SettingsPageTest, CancelOnlyHidesAndTheNextConfirmStoresThePendingChoice)
{
    run.window().startMenu->settings->trigger();
    page().tipKind->setCurrentIndex(2);
    page().alwaysOnTop->setChecked(true);
    QTest::mousePress(page().cancelLabel, Qt::LeftButton);
    EXPECT_FALSE(page().isVisible());
    EXPECT_EQ(stored(QStringLiteral("小提示类型")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("总在最前")), QStringLiteral("假"));
    EXPECT_TRUE(page().alwaysOnTop->isChecked());

    run.window().startMenu->settings->trigger();
    QTest::mouseClick(page().confirmButton, Qt::LeftButton);
    EXPECT_FALSE(page().isVisible());
    EXPECT_EQ(stored(QStringLiteral("小提示类型")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("总在最前")), QStringLiteral("真"));
    EXPECT_TRUE(run.window().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(run.app->wordCountWindow().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(SettingsPageTest, ConfirmStoresEveryChoiceAndAppliesIt)
{
    page().colour->setColour(0x123456);
    page().autoBackup->setChecked(false);
    page().showStatistics->setChecked(true);
    page().largeFont->setChecked(true);
    page().buttonStyle->setCurrentIndex(3);
    page().topPicture->setCurrentIndex(2);
    page().textColour->setCurrentIndex(1);
    page().tabs->setCurrentIndex(SettingsPage::PointsTab);
    page().pointsSystem->setChecked(false);
    QTest::mouseClick(page().confirmButton, Qt::LeftButton);

    EXPECT_EQ(stored(QStringLiteral("背景颜色"), QStringLiteral("文本设置")), QString::number(0x123456));
    EXPECT_EQ(stored(QStringLiteral("文本颜色"), QStringLiteral("文本设置")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("自动保存")), QStringLiteral("假"));
    EXPECT_EQ(stored(QStringLiteral("显示统计")), QStringLiteral("真"));
    EXPECT_EQ(stored(QStringLiteral("积分系统00")), QStringLiteral("假"));
    EXPECT_EQ(stored(QStringLiteral("按钮类型")), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("顶图类型")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("新手2")), QStringLiteral("真"));

    EXPECT_EQ(run.window().editor->font().pointSize(), 25);
    EXPECT_TRUE(run.window().startMenu->largeFont->isChecked());
    EXPECT_TRUE(run.app->wordCountWindow().isVisible());
    EXPECT_FALSE(page().tabs->isTabVisible(SettingsPage::PointsTab));
    EXPECT_NE(page().tabs->currentIndex(), int(SettingsPage::PointsTab));
    EXPECT_TRUE(run.window().topBand->isVisible());
    EXPECT_FALSE(run.window().topBand->pixmap().isNull());
    EXPECT_EQ(run.window().topBand->pixmap().width(), 1024);
    EXPECT_EQ(run.window().editor->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(run.app->wordCountWindow().counts->toPlainText(), QStringLiteral("开始书写之后会显示详细的字数统计"));
}

TEST_F(SettingsPageTest, StatusBarTransparencyAndBackupActAtTheClick)
{
    run.app->settingsController().showSettingsPage();
    clickBox(page().transparent);
    EXPECT_NEAR(run.window().windowOpacity(), 220 / 255.0, 0.01);
    EXPECT_EQ(stored(QStringLiteral("透明化")), QStringLiteral("真"));
    EXPECT_EQ(stored(QStringLiteral("新手3")), QStringLiteral("真"));
    clickBox(page().transparent);
    EXPECT_DOUBLE_EQ(run.window().windowOpacity(), 1.0);
    EXPECT_EQ(stored(QStringLiteral("透明化")), QStringLiteral("假"));

    clickBox(page().hideStatusBar);
    EXPECT_FALSE(run.window().statusBar->isVisible());
    EXPECT_EQ(stored(QStringLiteral("状态栏")), QStringLiteral("隐藏"));
    clickBox(page().hideStatusBar);
    EXPECT_TRUE(run.window().statusBar->isVisible());
    EXPECT_EQ(stored(QStringLiteral("状态栏")), QStringLiteral("显示"));

    clickBox(page().autoBackup);
    clickBox(page().autoBackup);
    EXPECT_EQ(ctx.prompter().texts(),
              (QStringList{QStringLiteral("关闭成功"), QStringLiteral("使用自动备份保存后文本会逐字自动保存到软件所在目录。")}));
    EXPECT_EQ(ctx.prompter().last().caption, QStringLiteral("Penmoor"));
    // The switch itself is stored only by the confirm.
    EXPECT_EQ(stored(QStringLiteral("自动保存")), QStringLiteral("真"));
}

TEST_F(SettingsPageTest, LargeFontAndWordCountMenuItemsToggle)
{
    QAction *largeFont = run.window().startMenu->largeFont;
    largeFont->trigger();
    EXPECT_TRUE(page().largeFont->isChecked());
    EXPECT_TRUE(largeFont->isChecked());
    EXPECT_EQ(run.window().editor->font().pointSize(), 25);
    EXPECT_EQ(stored(QStringLiteral("新手2")), QString());
    largeFont->trigger();
    EXPECT_FALSE(page().largeFont->isChecked());
    EXPECT_FALSE(largeFont->isChecked());
    EXPECT_EQ(run.window().editor->font().pointSize(), 16);
    EXPECT_EQ(stored(QStringLiteral("新手2")), QStringLiteral("真"));

    QAction *wordCount = run.window().startMenu->wordCount;
    wordCount->trigger();
    EXPECT_TRUE(page().showStatistics->isChecked());
    EXPECT_TRUE(run.app->wordCountWindow().isVisible());
    EXPECT_EQ(stored(QStringLiteral("显示统计")), QStringLiteral("真"));
    wordCount->trigger();
    EXPECT_FALSE(run.app->wordCountWindow().isVisible());
    EXPECT_EQ(stored(QStringLiteral("显示统计")), QStringLiteral("假"));
}
