#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "settings/status_tips.h"
#include "settings/tip_picker.h"
#include "support/test_context.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kInitial = QStringLiteral("Penmoor小提示，你的思路也许从这里开始");

// Records every message and runs a hook while it is "open", as a modal box would let the user
// edit files and let timer ticks run meanwhile.
class HookPrompter : public ScriptedPrompter {
public:
    PromptAnswer ask(const QString &caption, const QString &text, PromptButtons buttons) override
    {
        const PromptAnswer answer = ScriptedPrompter::ask(caption, text, buttons);
        if (whileOpen)
            whileOpen();
        return answer;
    }
    std::function<void()> whileOpen;
};

class StatusTipsTest : public ::testing::Test {
protected:
    StatusTipsTest()
    {
        kindBox.addItems({QStringLiteral("中国地理历史"), QStringLiteral("励志名言警句"), QStringLiteral("你我共同打造"),
                          QStringLiteral("自定义文本")});
        tipField.setText(kInitial);
    }
    QString customPath() const { return ctx.programFile(QStringLiteral("自定义.txt")); }
    void putCustom(const QString &text)
    {
        ASSERT_TRUE(writeFileAtomically(customPath(), GbkCodec::encode(text)).ok);
    }

    TestContext ctx;
    HookPrompter prompter;
    QComboBox kindBox;
    QLabel tipField;
    QTimer timer;
    TipPicker picker{ctx.programDir(), ctx.random(), [] { return GbkCodec::encode(u"李四"); }};
    StatusTips tips{&kindBox, &tipField, &timer, prompter, picker};
};

TEST_F(StatusTipsTest, ShowsTheChosenKind)
{
    const struct {
        int kind;
        int drawn;
        QString shown;
    } cases[] = {
        {0, 4, QStringLiteral("小提示：4、中国领土南北跨越的纬度近50度，南北距离约为5500公里。")},
        {1, 3, QStringLiteral("小提示：3、时间抓起来说是金子，抓不住就是流水。——谚语")},
        {2, 0, QStringLiteral("本软件由李四与Corvane共同打造")},  // draws nothing
    };
    for (const auto &c : cases) {
        kindBox.setCurrentIndex(c.kind);
        if (c.drawn > 0)
            ctx.random().script(c.drawn);
        tips.showNextTip();
        EXPECT_EQ(tipField.text(), c.shown);
    }
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(StatusTipsTest, TimerTickShowsTheNextTip)
{
    kindBox.setCurrentIndex(2);
    ASSERT_TRUE(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
    EXPECT_EQ(tipField.text(), QStringLiteral("本软件由李四与Corvane共同打造"));
}

TEST_F(StatusTipsTest, FirstCustomTipAsksOnceAndReadsAfterTheMessage)
{
    kindBox.setCurrentIndex(3);
    // The user follows the message and writes a tip before closing it.
    prompter.whileOpen = [this] { putCustom(QStringLiteral("自己的一条")); };
    tips.showNextTip();
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.last().caption, QStringLiteral("Penmoor"));
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("您是第一次使用自定义小提示功能，请找到本软件所在文件夹的 自定义.txt 文件并修改"));
    EXPECT_EQ(prompter.last().buttons, PromptButtons::Ok);
    EXPECT_EQ(tipField.text(), QStringLiteral("小提示：自己的一条"));

    tips.showNextTip();
    EXPECT_EQ(prompter.records().size(), 1u);
}

TEST_F(StatusTipsTest, TickDuringTheMessageAsksNothingMore)
{
    kindBox.setCurrentIndex(3);
    int nested = 0;
    prompter.whileOpen = [&] {
        if (nested++ == 0)
            tips.showNextTip();
    };
    tips.showNextTip();
    EXPECT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(tipField.text(),
              QStringLiteral("小提示：您还没有添加自定义信息，请到客户端所在目录找到自定义.txt文件，文件内容为小提示的内容。一行一条"));
}

TEST_F(StatusTipsTest, DeletedCustomFileAsksAgain)
{
    kindBox.setCurrentIndex(3);
    tips.showNextTip();
    ASSERT_TRUE(QFile::remove(customPath()));
    tips.showNextTip();
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_TRUE(QFile::exists(customPath()));
}

TEST_F(StatusTipsTest, NothingToShowKeepsTheField)
{
    const struct {
        const char *name;
        int kind;
        QString file;  // written before the tick when not empty
    } cases[] = {
        {"no_current_item", -1, {}},
        {"empty_custom_file", 3, QStringLiteral("")},
    };
    for (const auto &c : cases) {
        tipField.setText(QStringLiteral("日记模式"));
        if (c.kind == 3)
            putCustom(c.file);
        kindBox.setCurrentIndex(c.kind);
        tips.showNextTip();
        EXPECT_EQ(tipField.text(), QStringLiteral("日记模式")) << c.name;
    }
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(StatusTipsTest, UnwritableFolderAsksAtEveryTick)
{
    const QString blocker = QDir(ctx.workingDir()).filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(writeFileAtomically(blocker, "x").ok);
    TipPicker blocked(blocker, ctx.random(), [] { return QByteArray(); });
    StatusTips blockedTips(&kindBox, &tipField, nullptr, prompter, blocked);
    kindBox.setCurrentIndex(3);
    blockedTips.showNextTip();
    blockedTips.showNextTip();
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(tipField.text(), kInitial);
}

}  // namespace
