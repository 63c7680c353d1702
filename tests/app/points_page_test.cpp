#include "app/app_harness.h"
#include "app/start_menu.h"
#include "core/atomic_file.h"
#include "core/day_stamp.h"
#include "platform/colour_value.h"
#include "points/points_ledger.h"
#include "points/points_page_controller.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void storeTotal(TestContext &ctx, qint32 total)
{
    ASSERT_TRUE(PointsLedger(ctx.context().paths).storePointsTotal(total));
}

// A writer's choice in a combo box: the item becomes current and the box reports the choice.
void choose(QComboBox *box, int item)
{
    box->setCurrentIndex(item);
    Q_EMIT box->activated(item);
}

QStringList rows(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

}  // namespace

TEST(PointsPage, FirstStartPaysTheStartAndAgreementTasksOnce)
{
    TestContext ctx;  // a Friday
    AppHarness run(ctx);
    run.start();
    SettingsPage *page = run.window().settingsPage;
    EXPECT_EQ(page->pointsLabel->text(), QStringLiteral("当前积分： 0"));

    run.window().startMenu->settings->trigger();
    EXPECT_EQ(page->pointsLabel->text(), QStringLiteral("当前积分： 12"));
    EXPECT_EQ(page->titleLabel->text(), QStringLiteral("称号：积分菜鸟 Lv.1"));
    const QStringList first = rows(page->taskList);
    ASSERT_EQ(first.size(), 12);
    EXPECT_EQ(first.first(), QStringLiteral("勤劳蜜蜂 每天打开一次Penmoor√完成 +2积分"));
    EXPECT_EQ(first.at(9), QStringLiteral("新手任务 同意并接受许可协议√完成 +10积分"));

    QTest::mouseClick(page->refreshTasksButton, Qt::LeftButton);
    EXPECT_EQ(page->pointsLabel->text(), QStringLiteral("当前积分： 12"));
    EXPECT_EQ(rows(page->taskList), first);
    EXPECT_EQ(run.app->state().pointsTotal, 12);

    // F8 shows the page without paying or rebuilding anything.
    run.window().startMenu->settings->trigger();
    run.hotkeys.press(run.app->state().settingsHotkeyId);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(run.app->state().pointsTotal, 12);
}

TEST(PointsPage, ATitleWithAColourAndANegativeTotalThatKeepsTheLabel)
{
    TestContext ctx;
    storeTotal(ctx, 10000);
    {
        AppHarness run(ctx);
        run.start();
        QTest::mouseClick(run.window().settingsPage->refreshTasksButton, Qt::LeftButton);
        QLabel *title = run.window().settingsPage->titleLabel;
        EXPECT_EQ(title->text(), QStringLiteral("称号：至尊等级 写作帝王 Lv.11"));
        EXPECT_EQ(title->palette().color(QPalette::WindowText), colourFromValue(0x0000FF));
    }
    storeTotal(ctx, -5);
    AppHarness run(ctx);
    run.start();
    ctx.prompter().clear();
    QTest::mouseClick(run.window().settingsPage->refreshTasksButton, Qt::LeftButton);
    EXPECT_EQ(run.window().settingsPage->titleLabel->text(), QStringLiteral("称号：至尊等级 写作帝王 Lv.MAX"));
}

TEST(PointsPage, EveryGatedChoiceRefusesBelowItsThresholdAndResetsTheBox)
{
    struct Case {
        const char *box;
        int item;
        qint32 below;
        QString message;
    } cases[] = {
        {"顶图类型", 1, -1, QStringLiteral("失败！本功能需要0积分")},
        {"顶图类型", 4, 199, QStringLiteral("失败！本功能需要200积分")},
        {"顶图类型", 5, 499, QStringLiteral("失败！本功能需要500积分")},
        {"顶图类型", 6, 799, QStringLiteral("失败！本功能需800积分")},
        {"按钮类型", 1, -1, QStringLiteral("失败！本功能需要0积分")},
        {"按钮类型", 2, 9, QStringLiteral("失败！本功能需要10积分")},
        {"按钮类型", 3, 57, QStringLiteral("失败！本功能需要58积分")},
        {"按钮类型", 4, 499, QStringLiteral("失败！本功能需要500积分")},
        {"按钮类型", 5, 87, QStringLiteral("失败！本功能需要88积分")},
        {"按钮类型", 6, 9, QStringLiteral("失败！本功能需要10积分")},
    };
    for (const Case &c : cases) {
        TestContext ctx;
        storeTotal(ctx, c.below);
        AppHarness run(ctx);
        run.start();
        ctx.prompter().clear();
        const QByteArray iniBefore = readWholeFile(ctx.programFile(QStringLiteral("setting.ini"))).value_or("");
        auto *box = run.find<QComboBox>(QString::fromUtf8(c.box));
        const quint32 colour = run.window().settingsPage->colour->colour();
        choose(box, c.item);
        ASSERT_EQ(ctx.prompter().records().size(), 1u) << c.box << c.item;
        EXPECT_EQ(ctx.prompter().last().caption, QStringLiteral("Penmoor"));
        EXPECT_EQ(ctx.prompter().last().text, c.message) << c.box << c.item;
        EXPECT_EQ(box->currentIndex(), 0);
        EXPECT_EQ(run.window().settingsPage->colour->colour(), colour);
        EXPECT_EQ(readWholeFile(ctx.programFile(QStringLiteral("setting.ini"))).value_or(""), iniBefore);

        // One point more and the choice passes to the recommendation question (or to nothing).
        storeTotal(ctx, c.below + 1);
        run.app->state().pointsTotal = c.below + 1;
        ctx.prompter().clear();
        const bool recommends = QByteArray(c.box) == "顶图类型" || c.item == 1 || c.item >= 5;
        if (recommends)
            ctx.prompter().script(PromptAnswer::No);
        choose(box, c.item);
        EXPECT_EQ(box->currentIndex(), c.item);
        EXPECT_EQ(ctx.prompter().records().size(), recommends ? 1u : 0u);
        if (recommends) {
            EXPECT_EQ(ctx.prompter().last().text, QStringLiteral("是否使用推荐背景颜色？"));
        }
    }
}

TEST(PointsPage, TextColourIsRefusedForANegativeTotal)
{
    TestContext ctx;
    storeTotal(ctx, -1);
    AppHarness run(ctx);
    run.start();
    ctx.prompter().clear();
    SettingsPage *page = run.window().settingsPage;
    const QColor before = run.window().editor->palette().color(QPalette::Text);
    for (int item : {1, 0}) {
        ctx.prompter().clear();
        choose(page->textColour, item);
        EXPECT_EQ(ctx.prompter().texts(), QStringList{QStringLiteral("失败！本功能需要0积分")}) << item;
        EXPECT_EQ(ctx.prompter().last().caption, QStringLiteral("Penmoor"));
        EXPECT_EQ(page->textColour->currentIndex(), 0);
        EXPECT_EQ(run.window().editor->palette().color(QPalette::Text), before);
    }
}

TEST(PointsPage, AcceptingARecommendationRecoloursTheWindowAtOnce)
{
    TestContext ctx;
    storeTotal(ctx, 200);
    AppHarness run(ctx);
    run.start();
    ctx.prompter().clear();
    SettingsPage *page = run.window().settingsPage;
    ctx.prompter().script(PromptAnswer::Yes);
    choose(page->topPicture, 4);
    EXPECT_EQ(page->colour->colour(), 0xFFFFFFu);
    EXPECT_EQ(page->textColour->currentIndex(), 1);
    EXPECT_EQ(run.window().editor->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::mouseClick(page->confirmButton, Qt::LeftButton);
    EXPECT_EQ(run.window().editor->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_TRUE(run.window().topBand->isVisible());
}
