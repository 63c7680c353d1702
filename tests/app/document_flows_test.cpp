#include "app/app_harness.h"
#include "app/start_menu.h"
#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "documents/document_codec.h"
#include "documents/document_flows.h"
#include "documents/text_cipher.h"
#include "documents/writing_mode.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <variant>

namespace {

using Kind = ScriptedPrompter::Kind;
using Cancelled = ScriptedPrompter::Cancelled;

// What a test scripts for one dialog: a button, a path or password, or the dialog closed.
using Reply = std::variant<PromptAnswer, QString, Cancelled>;

void script(ScriptedPrompter &prompter, const Reply &reply)
{
    std::visit([&prompter](const auto &answer) { prompter.script(answer); }, reply);
}

const QByteArray kKeyPrefix("kfr571630829");
const QString kToday = QStringLiteral("20261211");
const QString kSaveFilters[] = {QStringLiteral("文本文档（*.txt） (*.txt)"), QStringLiteral("Penmoor加密文档（*.qmf） (*.qmf)")};

QByteArray gbk(const QString &text)
{
    return GbkCodec::encode(text);
}

QByteArray encrypted(const QString &text, const QString &password)
{
    return encryptText(gbk(text), kKeyPrefix + gbk(password));
}

std::string str(const QString &text)
{
    return text.toStdString();
}

// One run of the program on its own folders, with the helpers the document flows need.
class Session {
public:
    explicit Session(std::optional<QString> commandLineName = std::nullopt, const QByteArray &commandLineBytes = {})
    {
        if (commandLineName && !commandLineBytes.isNull())
            put(*commandLineName, commandLineBytes);
        harness = std::make_unique<AppHarness>(ctx, commandLineName ? std::optional(path(*commandLineName)) : std::nullopt);
        flows().openWav = [this](const QString &wav) { played << wav; };
    }

    void start()
    {
        harness->start();
    }

    QString path(const QString &name) const { return ctx.programFile(name); }
    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString file = path(name);
        EXPECT_TRUE(writeFileAtomically(file, bytes).ok) << str(file);
        return file;
    }
    QByteArray bytesOf(const QString &name) const { return readWholeFile(path(name)).value_or("<missing>"); }

    MainWindow &w() { return harness->window(); }
    StartMenu &menu() { return *w().startMenu; }
    SessionState &state() { return harness->app->state(); }
    DocumentFlows &flows() { return harness->app->documentFlows(); }
    ScriptedPrompter &prompter() { return ctx.prompter(); }
    QString editorText() { return w().editor->toPlainText(); }
    QString qmfStamp() { return harness->app->settings().readText(QStringLiteral("软件设置"), QStringLiteral("qmf使用")); }

    bool writing()
    {
        const bool on = !w().titleField->isEnabled();
        EXPECT_EQ(w().editor->isEnabled(), on);
        EXPECT_EQ(menu().openFile->isEnabled(), !on);
        EXPECT_EQ(w().startButton->text(), on ? QStringLiteral("立刻保存") : QStringLiteral("开始书写"));
        return on;
    }

    void startNew(const QString &title, const QString &text)
    {
        w().titleField->setText(title);
        QTest::mouseClick(w().startButton, Qt::LeftButton);
        type(text);
    }
    void type(const QString &text)
    {
        w().editor->moveCursor(QTextCursor::End);
        typeText(w().editor, text);
    }
    void clickSave() { QTest::mouseClick(w().startButton, Qt::LeftButton); }

    // Picks the file in the open dialog; `then` answers what follows (the password window).
    void openByMenu(const QString &name, const std::vector<Reply> &then = {})
    {
        prompter().script(path(name));
        for (const Reply &reply : then)
            script(prompter(), reply);
        menu().openFile->trigger();
    }
    // Drops the files on the main window as the desktop does: one event with every path.
    void drop(const QStringList &names)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(path(name));
        mime.setUrls(urls);
        // Qt delivers a drop only to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &enter);
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &drop);
    }

    std::vector<ScriptedPrompter::Record> recordsOf(Kind kind)
    {
        std::vector<ScriptedPrompter::Record> found;
        for (const auto &record : ctx.prompter().records()) {
            if (record.kind == kind)
                found.push_back(record);
        }
        return found;
    }

    TestContext ctx;
    std::unique_ptr<AppHarness> harness;
    QStringList played;
};

class DocumentFlowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.start();
        run.prompter().clear();
    }
    Session run;
};

}  // namespace

TEST_F(DocumentFlowsTest, SavingANewDocumentAsksWhereInTheProgramFolderUnderItsTitle)
{
    run.startNew(QStringLiteral("第一章"), QStringLiteral("风起"));
    run.prompter().script(Cancelled{});
    run.clickSave();
    ASSERT_EQ(run.prompter().records().size(), 1u);
    const FileDialogRequest &request = run.prompter().last().file;
    EXPECT_EQ(run.prompter().last().kind, Kind::SaveFile);
    EXPECT_EQ(request.directory, run.ctx.programDir());
    EXPECT_EQ(request.fileName, QStringLiteral("第一章"));
    EXPECT_EQ(request.filters, QStringList(std::begin(kSaveFilters), std::end(kSaveFilters)));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    // Cancelled: the text and the mode stay, and the writer is back in the text.
    EXPECT_TRUE(run.writing());
    EXPECT_EQ(run.editorText(), QStringLiteral("第一章\n风起"));
    EXPECT_TRUE(run.w().editor->hasFocus());
    EXPECT_TRUE(QDir(run.ctx.programDir()).entryList({QStringLiteral("第一章*")}).isEmpty());
}

TEST(DocumentFlows, ANewDocumentIsEncryptedExactlyWhenItsPathHoldsDotQmf)
{
    struct Case {
        QString name;
        bool encrypted;
    } cases[] = {
        {QStringLiteral("稿.txt"), false},
        {QStringLiteral("x.qmf"), true},
        {QStringLiteral("x.QMF"), false},
        {QStringLiteral("x.qmf.bak"), true},
    };
    for (const Case &c : cases) {
        Session run;
        run.start();
        run.prompter().clear();
        run.startNew(QStringLiteral("标题"), QStringLiteral("正文😀"));
        run.prompter().script(run.path(c.name));
        if (c.encrypted)
            run.prompter().script(QStringLiteral("密码"));
        run.clickSave();
        const QString text = QStringLiteral("标题\r\n正文😀");
        EXPECT_EQ(run.bytesOf(c.name), c.encrypted ? encrypted(text, QStringLiteral("密码")) : gbk(text)) << str(c.name);
        const auto passwords = run.recordsOf(Kind::Password);
        ASSERT_EQ(passwords.size(), c.encrypted ? 1u : 0u) << str(c.name);
        if (c.encrypted) {
            EXPECT_EQ(passwords[0].password.password, QString());
            EXPECT_EQ(passwords[0].password.backgroundColour, 0u);
            EXPECT_EQ(passwords[0].password.labelColour, 0xFFFFFFu);
        }
        EXPECT_FALSE(run.writing()) << str(c.name);
        EXPECT_EQ(run.editorText(), WritingMode::kFarewellText);
        EXPECT_TRUE(run.state().documentPassword.isEmpty());
        EXPECT_TRUE(run.prompter().scriptDone());
    }
}

TEST(DocumentFlows, SavingAnOpenedDocumentAsksWhetherToOverwrite)
{
    enum class Then { Overwritten, SavedElsewhere, StillWriting };
    struct Case {
        const char *name;
        PromptAnswer answer;
        std::optional<QString> elsewhere;  // the save dialog's answer after 否
        Then then;
    } cases[] = {
        {"是", PromptAnswer::Yes, std::nullopt, Then::Overwritten},
        {"否 to another file", PromptAnswer::No, QStringLiteral("另存.txt"), Then::SavedElsewhere},
        {"否, dialog cancelled", PromptAnswer::No, QString(), Then::StillWriting},
        {"取消", PromptAnswer::Cancel, std::nullopt, Then::StillWriting},
    };
    const QByteArray original = gbk(QStringLiteral("旧文\r\n第二行"));
    for (const Case &c : cases) {
        Session run;
        run.start();
        run.put(QStringLiteral("稿.txt"), original);
        run.openByMenu(QStringLiteral("稿.txt"));
        run.prompter().clear();
        run.type(QStringLiteral("新增"));
        run.prompter().script(c.answer);
        if (c.elsewhere)
            script(run.prompter(), c.elsewhere->isEmpty() ? Reply(Cancelled{}) : Reply(run.path(*c.elsewhere)));
        run.clickSave();

        ASSERT_FALSE(run.prompter().records().empty()) << c.name;
        const auto &question = run.prompter().records().front();
        EXPECT_EQ(question.caption, QStringLiteral("Penmoor"));
        EXPECT_EQ(question.text, QStringLiteral("覆盖原文件保存么？\r\n是：覆盖原文件 否：选择其他位置 取消：放弃保存\r\n"
                                                "如果想清空正在编辑的文件可以点击F12"));
        EXPECT_EQ(question.buttons, PromptButtons::YesNoCancel);
        const QByteArray edited = gbk(QStringLiteral("旧文\r\n第二行新增"));
        EXPECT_EQ(run.bytesOf(QStringLiteral("稿.txt")), c.then == Then::Overwritten ? edited : original) << c.name;
        if (c.then == Then::SavedElsewhere) {
            EXPECT_EQ(run.recordsOf(Kind::SaveFile).at(0).file.fileName, QStringLiteral("稿"));
            EXPECT_EQ(run.bytesOf(*c.elsewhere), edited);
        }
        EXPECT_EQ(run.writing(), c.then == Then::StillWriting) << c.name;
        if (c.then == Then::StillWriting) {
            EXPECT_EQ(run.editorText(), QStringLiteral("旧文\n第二行新增"));
            EXPECT_EQ(run.state().openedFilePath, run.path(QStringLiteral("稿.txt")));
        }
        EXPECT_TRUE(run.prompter().scriptDone()) << c.name;
    }
}

TEST_F(DocumentFlowsTest, ReSavingAnOpenedQmfOffersThePasswordGivenAtOpening)
{
    run.put(QStringLiteral("日志.qmf"), encrypted(QStringLiteral("秘密\r\n"), QStringLiteral("芝麻")));
    run.openByMenu(QStringLiteral("日志.qmf"), {QStringLiteral("芝麻")});
    ASSERT_TRUE(run.writing());
    EXPECT_EQ(run.editorText(), QStringLiteral("秘密\n"));
    EXPECT_EQ(run.w().titleField->text(), QStringLiteral("日志"));
    EXPECT_EQ(run.qmfStamp(), kToday);

    run.type(QStringLiteral("开门"));
    run.prompter().clear();
    run.prompter().script(PromptAnswer::Yes);
    run.prompter().script(QStringLiteral("芝麻"));
    run.clickSave();
    const auto passwords = run.recordsOf(Kind::Password);
    ASSERT_EQ(passwords.size(), 1u);
    EXPECT_EQ(passwords[0].password.password, QStringLiteral("芝麻"));
    EXPECT_EQ(run.bytesOf(QStringLiteral("日志.qmf")), encrypted(QStringLiteral("秘密\r\n开门"), QStringLiteral("芝麻")));
    EXPECT_FALSE(run.writing());
}

TEST(DocumentFlows, TheOpenCommandTakesTxtQmfAndWavAndIgnoresTheRest)
{
    enum class Then { Writing, Played, Nothing };
    struct Case {
        QString name;
        QByteArray bytes;
        std::vector<Reply> then;
        Then expected;
        QString title;
        QString text;
    } cases[] = {
        {QStringLiteral("a.b.txt"), gbk(QStringLiteral("甲\r\n乙")), {}, Then::Writing, QStringLiteral("a"), QStringLiteral("甲\n乙")},
        {QStringLiteral("锁.qmf"), encrypted(QStringLiteral("丙"), QString()), {QString()}, Then::Writing, QStringLiteral("锁"),
         QStringLiteral("丙")},
        {QStringLiteral("空.qmf"), QByteArray(""), {QStringLiteral("随便")}, Then::Writing, QStringLiteral("空"), QString()},
        {QStringLiteral("缺.txt"), QByteArray(), {}, Then::Writing, QStringLiteral("缺"), QString()},
        {QStringLiteral("歌.wav"), QByteArray("RIFF"), {}, Then::Played, {}, {}},
        {QStringLiteral("A.TXT"), QByteArray("x"), {}, Then::Nothing, {}, {}},
        {QStringLiteral("b.doc"), QByteArray("x"), {}, Then::Nothing, {}, {}},
    };
    for (const Case &c : cases) {
        Session run;
        run.start();
        run.prompter().clear();
        const QString welcome = run.editorText();
        if (!c.bytes.isNull())
            run.put(c.name, c.bytes);
        run.openByMenu(c.name, c.then);

        ASSERT_EQ(run.recordsOf(Kind::OpenFile).size(), 1u);
        const FileDialogRequest &request = run.recordsOf(Kind::OpenFile)[0].file;
        EXPECT_EQ(request.directory, run.ctx.programDir());
        EXPECT_EQ(request.filters, (QStringList{QStringLiteral("——下拉选择文件种类—— (*.txt)"),
                                                QStringLiteral("文本文档（*.txt） (*.txt)"),
                                                QStringLiteral("Penmoor加密文档（*.qmf） (*.qmf)"),
                                                QStringLiteral("音乐文件（*.wav） (*.wav)")}));
        EXPECT_TRUE(request.defaultSuffix.isEmpty());
        EXPECT_TRUE(run.prompter().scriptDone()) << str(c.name);
        EXPECT_TRUE(run.prompter().texts().isEmpty()) << str(c.name);
        EXPECT_TRUE(run.state().documentOpened) << str(c.name);
        EXPECT_EQ(run.writing(), c.expected == Then::Writing) << str(c.name);
        EXPECT_EQ(run.played, c.expected == Then::Played ? QStringList{run.path(c.name)} : QStringList()) << str(c.name);
        if (c.expected == Then::Writing) {
            EXPECT_EQ(run.w().titleField->text(), c.title);
            EXPECT_EQ(run.editorText(), c.text) << str(c.name);
            EXPECT_EQ(run.state().openedFilePath, run.path(c.name));
        } else {
            EXPECT_EQ(run.editorText(), welcome) << str(c.name);
            EXPECT_TRUE(run.state().openedFilePath.isEmpty());
        }
        EXPECT_EQ(run.qmfStamp(), c.name.endsWith(QStringLiteral(".qmf")) ? kToday : QString()) << str(c.name);
    }
}

TEST_F(DocumentFlowsTest, ACancelledOpenDialogStillMarksTheDocumentOpened)
{
    run.prompter().script(Cancelled{});
    run.menu().openFile->trigger();
    EXPECT_TRUE(run.state().documentOpened);
    EXPECT_FALSE(run.writing());
}

TEST_F(DocumentFlowsTest, TheOpenCommandRefusesADocumentWhileWriting)
{
    // The menu item is disabled while writing; the playback panel's open button is not.
    run.startNew(QStringLiteral("正在写"), QStringLiteral("别动"));
    for (const QString &name : {QStringLiteral("另.txt"), QStringLiteral("另.qmf")}) {
        run.put(name, QByteArray("other"));
        run.prompter().clear();
        run.prompter().script(run.path(name));
        run.flows().openDocumentFile();
        EXPECT_EQ(run.prompter().texts(), QStringList{QStringLiteral("正在编辑文本呢，一心不能二用哦，赶紧保存再试吧")});
        EXPECT_EQ(run.prompter().last().caption, QStringLiteral("Penmoor"));
        EXPECT_EQ(run.editorText(), QStringLiteral("正在写\n别动"));
        EXPECT_EQ(run.w().titleField->text(), QStringLiteral("正在写"));
        EXPECT_TRUE(run.state().openedFilePath.isEmpty());
        EXPECT_TRUE(run.writing());
    }
}

TEST(DocumentFlows, DroppedFilesOpenPlayOrAreRefusedInAndOutOfWritingMode)
{
    const QString busy = QStringLiteral("正在编辑文本呢，一心不能二用哦，赶紧保存再试吧");
    const QString unsupported = QStringLiteral("目前仅支持txt/qmf文本和wav音频文件拖拽。");
    struct Case {
        QString name;
        bool whileWriting;
        std::vector<Reply> then;
        QString message;       // empty: none
        QString openedText;    // null: the document is not opened
        bool played = false;
    } cases[] = {
        {QStringLiteral("x.y.txt"), false, {}, {}, QStringLiteral("文\n本")},
        {QStringLiteral("x.y.txt"), true, {}, busy, {}},
        {QStringLiteral("x.qmf"), false, {QStringLiteral("钥")}, {}, QStringLiteral("文\n本")},
        {QStringLiteral("x.qmf"), true, {}, busy, {}},
        {QStringLiteral("x.wav"), false, {}, {}, {}, true},
        {QStringLiteral("x.wav"), true, {}, {}, {}, true},
        {QStringLiteral("A.TXT"), false, {}, unsupported, {}},
        {QStringLiteral("A.TXT"), true, {}, unsupported, {}},
    };
    for (const Case &c : cases) {
        const std::string name = str(c.name) + (c.whileWriting ? " while writing" : " idle");
        Session run;
        run.start();
        run.put(c.name, c.name.endsWith(QStringLiteral(".qmf")) ? encrypted(QStringLiteral("文\r\n本"), QStringLiteral("钥"))
                                                               : gbk(QStringLiteral("文\r\n本")));
        if (c.whileWriting)
            run.startNew(QStringLiteral("原"), QStringLiteral("稿"));
        const QString before = run.editorText();
        run.prompter().clear();
        for (const Reply &reply : c.then)
            script(run.prompter(), reply);
        run.drop({c.name});

        EXPECT_EQ(run.prompter().texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << name;
        EXPECT_TRUE(run.prompter().scriptDone()) << name;
        EXPECT_TRUE(run.state().documentOpened) << name;
        EXPECT_EQ(run.played, c.played ? QStringList{run.path(c.name)} : QStringList()) << name;
        if (!c.openedText.isNull()) {
            EXPECT_TRUE(run.writing()) << name;
            EXPECT_EQ(run.editorText(), c.openedText) << name;
            EXPECT_EQ(run.w().titleField->text(), QStringLiteral("x"));
            EXPECT_EQ(run.state().openedFilePath, run.path(c.name));
        } else {
            EXPECT_EQ(run.writing(), c.whileWriting) << name;
            EXPECT_EQ(run.editorText(), before) << name;
            EXPECT_TRUE(run.state().openedFilePath.isEmpty()) << name;
        }
        EXPECT_EQ(run.qmfStamp(), c.name == QStringLiteral("x.qmf") && !c.whileWriting ? kToday : QString()) << name;
    }
}

TEST_F(DocumentFlowsTest, EachFileOfAMultipleDropIsHandledOnItsOwn)
{
    run.put(QStringLiteral("一.doc"), "x");
    run.put(QStringLiteral("二.wav"), "RIFF");
    run.put(QStringLiteral("三.txt"), gbk(QStringLiteral("三")));
    run.put(QStringLiteral("四.txt"), gbk(QStringLiteral("四")));
    run.drop({QStringLiteral("一.doc"), QStringLiteral("二.wav"), QStringLiteral("三.txt"), QStringLiteral("四.txt")});
    EXPECT_EQ(run.prompter().texts(), (QStringList{QStringLiteral("目前仅支持txt/qmf文本和wav音频文件拖拽。"),
                                                   QStringLiteral("正在编辑文本呢，一心不能二用哦，赶紧保存再试吧")}));
    EXPECT_EQ(run.played, QStringList{run.path(QStringLiteral("二.wav"))});
    EXPECT_EQ(run.editorText(), QStringLiteral("三"));
    EXPECT_EQ(run.state().openedFilePath, run.path(QStringLiteral("三.txt")));
}

TEST(DocumentFlows, AQmfOpensUnderWhateverPasswordIsGivenAndIsMarkedUsed)
{
    const QString text = QStringLiteral("第一句。\r\n第二句，稍长一些的文字，好让错误的密码也有机会解出零字节来。");
    struct Case {
        const char *name;
        std::vector<Reply> password;
        QByteArray key;
    } cases[] = {
        {"right password", {QStringLiteral("对")}, kKeyPrefix + gbk(QStringLiteral("对"))},
        {"wrong password", {QStringLiteral("错")}, kKeyPrefix + gbk(QStringLiteral("错"))},
        {"window closed: the empty password stays", {Cancelled{}}, kKeyPrefix},
    };
    for (const Case &c : cases) {
        Session run;
        run.start();
        run.prompter().clear();
        const QByteArray file = encrypted(text, QStringLiteral("对"));
        run.put(QStringLiteral("信.qmf"), file);
        run.openByMenu(QStringLiteral("信.qmf"), c.password);
        const DecodedDocument expected = DocumentCodec::decodeEncrypted(file, c.key);
        EXPECT_EQ(run.editorText(), expected.text) << c.name;
        EXPECT_EQ(run.prompter().texts().size(), expected.truncatedAtZeroByte ? 1 : 0) << c.name;
        EXPECT_EQ(run.qmfStamp(), kToday) << c.name;
        EXPECT_TRUE(run.writing()) << c.name;
    }
}

TEST(DocumentFlows, OpenedFilesSaveBackByteIdenticalWithYes)
{
    struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"GBK with CR LF", gbk(QStringLiteral("第一行\r\n第二行\r\n"))},
        {"GBK with LF only", gbk(QStringLiteral("第一行\n第二行\n"))},
        {"UTF-8", QStringLiteral("第一行\r\n€ and 😀").toUtf8()},
        {"UTF-8 with LF and a byte-order mark", "\xEF\xBB\xBF" + QStringLiteral("第一行\n第二行").toUtf8()},
        {"UTF-8 with no-break spaces", QStringLiteral("甲\u00A0乙\u00A0\r\n").toUtf8()},
        {"empty", QByteArray("")},
    };
    for (const Case &c : cases) {
        Session run;
        run.start();
        run.prompter().clear();
        run.put(QStringLiteral("稿.txt"), c.bytes);
        run.openByMenu(QStringLiteral("稿.txt"));
        ASSERT_TRUE(run.writing()) << c.name;
        run.prompter().script(PromptAnswer::Yes);
        run.clickSave();
        EXPECT_EQ(run.bytesOf(QStringLiteral("稿.txt")), c.bytes) << c.name;
        EXPECT_FALSE(run.writing()) << c.name;
        EXPECT_EQ(run.prompter().texts(), QStringList{DocumentFlows::kOverwriteQuestion}) << c.name;
    }
}

TEST(DocumentFlows, ShutDownRunsTheSaveFlowOnlyWhenTheFileNoLongerHoldsTheText)
{
    enum class Doc { New, OpenedTxt, OpenedUtf8Lf, OpenedQmf };
    struct Case {
        const char *name;
        Doc doc;
        bool edited;
        bool asks;
    } cases[] = {
        {"new, untouched", Doc::New, false, true},
        {"new, typed", Doc::New, true, true},
        {"opened txt, unchanged", Doc::OpenedTxt, false, false},
        {"opened UTF-8 with LF, unchanged", Doc::OpenedUtf8Lf, false, false},
        {"opened qmf, unchanged", Doc::OpenedQmf, false, false},
        {"opened txt, changed", Doc::OpenedTxt, true, true},
        {"opened qmf, changed", Doc::OpenedQmf, true, true},
    };
    for (const Case &c : cases) {
        Session run;
        run.start();
        switch (c.doc) {
        case Doc::New: run.startNew(QStringLiteral("新"), QString()); break;
        case Doc::OpenedTxt:
            run.put(QStringLiteral("d.txt"), gbk(QStringLiteral("内容\r\n")));
            run.openByMenu(QStringLiteral("d.txt"));
            break;
        case Doc::OpenedUtf8Lf:
            run.put(QStringLiteral("d.txt"), QStringLiteral("内容\n尾").toUtf8());
            run.openByMenu(QStringLiteral("d.txt"));
            break;
        case Doc::OpenedQmf:
            run.put(QStringLiteral("d.qmf"), encrypted(QStringLiteral("内容\r\n"), QStringLiteral("口令")));
            run.openByMenu(QStringLiteral("d.qmf"), {QStringLiteral("口令")});
            break;
        }
        if (c.edited)
            run.type(QStringLiteral("改"));
        run.prompter().clear();
        // The writer gives up saving; the shut-down goes on all the same.
        if (c.asks)
            script(run.prompter(), c.doc == Doc::New ? Reply(Cancelled{}) : Reply(PromptAnswer::Cancel));
        run.harness->app->requestExit();
        EXPECT_EQ(run.harness->exitCode, 0) << c.name;
        EXPECT_TRUE(run.prompter().scriptDone()) << c.name;
        if (!c.asks)
            EXPECT_TRUE(run.prompter().records().empty()) << c.name;
        else if (c.doc == Doc::New)
            EXPECT_EQ(run.recordsOf(Kind::SaveFile).size(), 1u) << c.name;
        else
            EXPECT_EQ(run.prompter().texts(), QStringList{DocumentFlows::kOverwriteQuestion}) << c.name;
    }
}

TEST(DocumentFlows, AFailedWriteKeepsTheOriginalTheTextAndWritingMode)
{
    enum class Doc { Opened, New };
    struct Case {
        const char *name;
        Doc doc;
    } cases[] = {
        {"overwriting a file whose folder was replaced", Doc::Opened},
        {"a new document to a path that is a folder", Doc::New},
    };
    const QByteArray original = gbk(QStringLiteral("原稿\r\n"));
    for (const Case &c : cases) {
        Session run;
        run.start();
        QDir program(run.ctx.programDir());
        QString target;
        if (c.doc == Doc::Opened) {
            ASSERT_TRUE(program.mkdir(QStringLiteral("书")));
            run.put(QStringLiteral("书/稿.txt"), original);
            run.openByMenu(QStringLiteral("书/稿.txt"));
            run.type(QStringLiteral("续写"));
            // The folder moves away and a plain file takes its name: nothing can be written there.
            ASSERT_TRUE(program.rename(QStringLiteral("书"), QStringLiteral("书.moved")));
            run.put(QStringLiteral("书"), "not a folder");
            target = run.path(QStringLiteral("书/稿.txt"));
            run.prompter().script(PromptAnswer::Yes);
        } else {
            run.startNew(QStringLiteral("新"), QStringLiteral("续写"));
            ASSERT_TRUE(program.mkdir(QStringLiteral("占.txt")));
            target = run.path(QStringLiteral("占.txt"));
            run.prompter().script(target);
        }
        run.prompter().clear();
        run.clickSave();

        ASSERT_EQ(run.prompter().texts().size(), c.doc == Doc::Opened ? 2 : 1) << c.name;
        const QString message = run.prompter().texts().last();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(target))) << str(message);
        EXPECT_TRUE(message.contains(DocumentFlows::unsavedTextHint())) << str(message);
        EXPECT_EQ(run.prompter().last().caption, QStringLiteral("Penmoor"));
        EXPECT_TRUE(run.writing()) << c.name;
        EXPECT_TRUE(run.editorText().endsWith(QStringLiteral("续写"))) << str(run.editorText());
        if (c.doc == Doc::Opened) {
            EXPECT_EQ(run.bytesOf(QStringLiteral("书.moved/稿.txt")), original);
            EXPECT_EQ(run.state().openedFilePath, target);
        } else {
            EXPECT_TRUE(QFileInfo(target).isDir());
        }
    }
}

TEST(DocumentFlows, AFailedSaveAtShutDownOffersTheSaveFlowAgain)
{
    Session run;
    run.start();
    QDir program(run.ctx.programDir());
    ASSERT_TRUE(program.mkdir(QStringLiteral("书")));
    run.put(QStringLiteral("书/稿.txt"), gbk(QStringLiteral("原稿\r\n")));
    run.openByMenu(QStringLiteral("书/稿.txt"));
    run.type(QStringLiteral("续写"));
    ASSERT_TRUE(program.rename(QStringLiteral("书"), QStringLiteral("书.moved")));
    run.put(QStringLiteral("书"), "not a folder");
    run.prompter().clear();
    // 是 fails; the question comes again; 否 saves somewhere that works.
    run.prompter().script(PromptAnswer::Yes);
    run.prompter().script(PromptAnswer::No);
    run.prompter().script(run.path(QStringLiteral("救回.txt")));
    run.harness->app->requestExit();
    ASSERT_EQ(run.harness->exitCode, 0);
    const QStringList texts = run.prompter().texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts.at(0), DocumentFlows::kOverwriteQuestion);
    EXPECT_TRUE(texts.at(1).contains(DocumentFlows::unsavedTextHint()));
    EXPECT_EQ(texts.at(2), DocumentFlows::kOverwriteQuestion);
    EXPECT_TRUE(run.bytesOf(QStringLiteral("救回.txt")).endsWith(gbk(QStringLiteral("续写"))));
}

TEST_F(DocumentFlowsTest, AFileCutShortByAZeroByteSaysSoAndAsksAgainBeforeOverwriting)
{
    const QByteArray bytes = gbk(QStringLiteral("前文")) + QByteArray("\0后面的字节", 14);
    const QString path = run.put(QStringLiteral("半.txt"), bytes);
    run.openByMenu(QStringLiteral("半.txt"));
    EXPECT_EQ(run.editorText(), QStringLiteral("前文"));
    EXPECT_EQ(run.prompter().texts(), QStringList{DocumentFlows::truncatedFileWarning(path, false)});
    EXPECT_TRUE(DocumentFlows::truncatedFileWarning(path, false).contains(QDir::toNativeSeparators(path)));

    // Unchanged, it needs no saving at the end either.
    run.prompter().clear();
    run.prompter().script(PromptAnswer::Yes);
    run.prompter().script(PromptAnswer::Cancel);
    run.clickSave();
    EXPECT_EQ(run.prompter().texts(), (QStringList{DocumentFlows::kOverwriteQuestion, DocumentFlows::truncatedOverwriteQuestion(path)}));
    EXPECT_EQ(run.prompter().last().buttons, PromptButtons::OkCancel);
    EXPECT_EQ(run.bytesOf(QStringLiteral("半.txt")), bytes);
    EXPECT_TRUE(run.writing());

    run.prompter().clear();
    run.prompter().script(PromptAnswer::Yes);
    run.prompter().script(PromptAnswer::Ok);
    run.clickSave();
    EXPECT_EQ(run.bytesOf(QStringLiteral("半.txt")), gbk(QStringLiteral("前文")));
    EXPECT_FALSE(run.writing());
}

TEST_F(DocumentFlowsTest, AnUnchangedFileCutShortByAZeroByteIsLeftAloneAtShutDown)
{
    const QByteArray bytes = QByteArray("a\0b", 3);
    run.put(QStringLiteral("z.txt"), bytes);
    run.openByMenu(QStringLiteral("z.txt"));
    run.prompter().clear();
    run.harness->app->requestExit();
    EXPECT_TRUE(run.prompter().records().empty());
    EXPECT_EQ(run.bytesOf(QStringLiteral("z.txt")), bytes);
}

TEST(DocumentFlows, AFileTooLargeForTheEditorIsRefusedWithAMessage)
{
    const qint64 hugeSize = 50 * 1024 * 1024;
    const qsizetype manyLines = DocumentFlows::kMostOpenableLines + 1;
    enum class Way { Menu, Drop, CommandLine };
    struct Case {
        const char *name;
        QString file;
        QString message;  // filled in below, once the folder is known
    } cases[] = {
        {"50 MB", QStringLiteral("巨.txt"), {}},
        {"too many lines", QStringLiteral("长.txt"), {}},
        {"50 MB encrypted", QStringLiteral("巨.qmf"), {}},
    };
    for (Case &c : cases) {
        for (const Way way : {Way::Menu, Way::Drop, Way::CommandLine}) {
            Session run(way == Way::CommandLine ? std::optional(c.file) : std::nullopt);
            if (c.file.startsWith(QStringLiteral("长"))) {
                run.put(c.file, QByteArray(manyLines, '\n'));
                c.message = DocumentFlows::tooManyLinesMessage(run.path(c.file), manyLines);
            } else {
                // A sparse file: only its size matters here.
                QFile file(run.path(c.file));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                ASSERT_TRUE(file.resize(hugeSize));
                c.message = DocumentFlows::tooLargeMessage(run.path(c.file), hugeSize);
            }
            run.start();
            if (way == Way::Menu)
                run.openByMenu(c.file);
            else if (way == Way::Drop)
                run.drop({c.file});
            EXPECT_EQ(run.prompter().texts(), QStringList{c.message}) << c.name << int(way);
            EXPECT_FALSE(run.writing()) << c.name << int(way);
            EXPECT_EQ(run.editorText(), WritingMode::welcomeText()) << c.name << int(way);
            EXPECT_TRUE(run.state().openedFilePath.isEmpty()) << c.name << int(way);
            EXPECT_EQ(run.qmfStamp(), QString()) << c.name << int(way);
        }
    }
    EXPECT_TRUE(cases[0].message.contains(QStringLiteral("50.0 MB"))) << str(cases[0].message);
    EXPECT_TRUE(cases[1].message.contains(QString::number(manyLines))) << str(cases[1].message);
}

TEST(DocumentFlows, TheCommandLineDecryptsAQmfPlaysAWavAndReadsTheRestAsText)
{
    struct Case {
        QString name;
        QByteArray bytes;
        std::vector<Reply> then;
        bool writing;
        QString title;
        QString text;
    } cases[] = {
        {QStringLiteral("c.qmf"), encrypted(QStringLiteral("密文\r\n"), QStringLiteral("令")), {QStringLiteral("令")}, true,
         QStringLiteral("c"), QStringLiteral("密文\n")},
        {QStringLiteral("c.QMF"), QByteArray("plain"), {}, true, QStringLiteral("c"), QStringLiteral("plain")},
        {QStringLiteral("c.txt"), gbk(QStringLiteral("正文")), {}, true, QStringLiteral("c"), QStringLiteral("正文")},
        {QStringLiteral("c.TXT"), gbk(QStringLiteral("正文")), {}, true, QStringLiteral("c"), QStringLiteral("正文")},
        {QStringLiteral("missing.txt"), QByteArray(), {}, true, QStringLiteral("missing"), QString()},
        {QStringLiteral("c.wav"), QByteArray("RIFF"), {}, false, {}, {}},
    };
    for (const Case &c : cases) {
        Session run(c.name, c.bytes);
        for (const Reply &reply : c.then)
            script(run.prompter(), reply);
        run.start();
        EXPECT_TRUE(run.prompter().scriptDone()) << str(c.name);
        EXPECT_TRUE(run.prompter().texts().isEmpty()) << str(c.name);
        EXPECT_EQ(run.writing(), c.writing) << str(c.name);
        EXPECT_EQ(run.played, c.writing ? QStringList() : QStringList{run.path(c.name)}) << str(c.name);
        if (!c.writing)
            continue;
        EXPECT_EQ(run.editorText(), c.text) << str(c.name);
        EXPECT_EQ(run.w().titleField->text(), c.title) << str(c.name);
        EXPECT_EQ(run.qmfStamp(), c.name == QStringLiteral("c.qmf") ? kToday : QString()) << str(c.name);
        EXPECT_EQ(run.state().openedFilePath, run.path(c.name));
        EXPECT_TRUE(run.state().documentOpened);

        // Saved back unchanged with 是, the file is as it was (the qmf under the same password).
        run.prompter().clear();
        run.prompter().script(PromptAnswer::Yes);
        if (c.name == QStringLiteral("c.qmf"))
            run.prompter().script(QStringLiteral("令"));
        run.clickSave();
        EXPECT_EQ(run.bytesOf(c.name), c.bytes.isNull() ? QByteArray("") : c.bytes) << str(c.name);
    }
}
