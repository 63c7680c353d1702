#include "documents/writing_mode.h"

#include "app/main_window.h"
#include "app/start_menu.h"
#include "core/app_context.h"
#include "core/clock.h"
#include "core/day_stamp.h"
#include "core/prompter.h"
#include "core/session_state.h"
#include "documents/generated_titles.h"
#include "settings/colour_picker.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "settings/settings_page.h"
#include "settings/theme.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kCaption = QStringLiteral("Penmoor");
const QString kTitleHint = QStringLiteral("标题/题目：");
const QString kDiaryHint = QStringLiteral("日记时间：");
const QString kStartCaption = QStringLiteral("开始书写");
const QString kSaveCaption = QStringLiteral("立刻保存");
const QString kBusyForTemporary = QStringLiteral("当前正在编辑文档呢，您可以保存或清空当前编辑来创建临时文本");
const QString kClearTitleForDiary = QStringLiteral("请清空章节名称直接点击写日记");
const QString kDiaryWelcome = QStringLiteral(
    "您已经进入了专属的写日记模式，在写日记模式中，您拥有以下功能：\r\n①靓丽的背景颜色（不能更换）\r\n"
    "②标题提示等各个地方优化\r\n③关闭可能会打扰到你的小提示和推荐");
const QString kNotWriting = QStringLiteral("还没有开始书写");
const QString kClearWarning = QStringLiteral("警告！该操作将会删除所有内容！清空当前软件编辑，但是不影响原文件");
const QString kClearConfirm = QStringLiteral("警告！您真的接受初始化软件的一切后果么？");
const QString kDiaryTip = QStringLiteral("日记模式");
constexpr int kTipPeriod = 7500;
}  // namespace

const QString &WritingMode::welcomeText()
{
    // The editor holds "\n" where the system's text has CR LF.
    static const QString text = QStringLiteral(
        "\n\n————————————————\n将文件拖入本软件中可以快速打开\n                              \n"
        "支持*.txt/*.qmf/*.wav文件\n————————————————\n\n\n\n临时文本：直接点击开始书写\n"
        "写小说：在标题中输入章节数及名称点击开始书写按钮\n播放录音：将wav文件拖入或点击打开按钮选择wav文件\n"
        "写日记：点击左上角菜单按钮选择写日记即可\n记笔记：在标题中输入课时等信息点击开始书写按钮\n"
        "录音：点击录制声音按钮开始录音\n打开文本：拖拽文件放入软件内或者点击左上角菜单按钮选择打开\n\n\n\n\n"
        "Penmoor，你的原创写作助手\n");
    return text;
}

WritingMode::WritingMode(AppContext &context, SessionState &state, Settings &settings, MainWindow &window, Theme &theme)
    : context_(context)
    , state_(state)
    , settings_(settings)
    , window_(window)
    , theme_(theme)
{
    connect(window_.startButton, &QPushButton::clicked, this, &WritingMode::startOrStopWriting);
    connect(window_.titleField, &QLineEdit::returnPressed, this, [this] {
        startOrStopWriting();
        window_.editor->setFocus();
    });
    connect(window_.startMenu->newTemporaryText, &QAction::triggered, this, &WritingMode::newTemporaryText);
    connect(window_.startMenu->newDiary, &QAction::triggered, this, &WritingMode::newDiary);
    connect(window_.startMenu->clearEditing, &QAction::triggered, this, &WritingMode::clearEditing);
}

bool WritingMode::isWriting() const
{
    return !window_.titleField->isEnabled();
}

bool WritingMode::isDiary() const
{
    return !window_.settingsPage->colour->isEnabled();
}

QString WritingMode::titleLine(const QString &title)
{
    return title + QLatin1Char('\n');
}

void WritingMode::setWritingControls(bool writing)
{
    window_.titleField->setEnabled(!writing);
    window_.startButton->setText(writing ? kSaveCaption : kStartCaption);
    window_.editor->setEnabled(writing);
    window_.startMenu->newDiary->setEnabled(!writing);
    window_.startMenu->openFile->setEnabled(!writing);
}

void WritingMode::startOrStopWriting()
{
    if (window_.titleField->text().isEmpty())
        window_.titleField->setText(temporaryTitle(context_.clock.now()));
    if (isWriting()) {
        window_.hintLabel->setText(kTitleHint);
        if (saveDocument)
            saveDocument();
    } else {
        beginWriting();
    }
    window_.editor->setFocus();
}

void WritingMode::beginWriting()
{
    window_.titleField->setEnabled(false);
    window_.startButton->setText(kSaveCaption);
    window_.editor->setEnabled(true);
    if (!state_.keepEditorText) {
        window_.editor->setPlainText(titleLine(window_.titleField->text()));
        window_.editor->moveCursor(QTextCursor::End);
    }
    window_.startMenu->newDiary->setEnabled(false);
    window_.startMenu->openFile->setEnabled(false);
    window_.editor->setFocus();
}

void WritingMode::newTemporaryText()
{
    if (window_.editor->isEnabled()) {
        context_.prompter.inform(kCaption, kBusyForTemporary);
        return;
    }
    window_.titleField->setText(temporaryTitle(context_.clock.now()));
    beginWriting();
    window_.hintLabel->setText(kTitleHint);
}

void WritingMode::newDiary()
{
    if (!window_.titleField->text().isEmpty()) {
        context_.prompter.inform(kCaption, kClearTitleForDiary);
        return;
    }
    if (!window_.titleField->isEnabled())
        return;
    window_.titleField->setText(diaryTitle(context_.clock.now().date()));
    window_.hintLabel->setText(kDiaryHint);
    theme_.showDiaryColours(kDiaryBackground, kDiaryText);
    window_.settingsPage->colour->setEnabled(false);
    startOrStopWriting();
    window_.editor->setFocus();
    window_.tipTimer->stop();
    window_.statusFields[2]->setText(kDiaryTip);
    context_.prompter.inform(kCaption, kDiaryWelcome);
}

void WritingMode::clearEditing()
{
    if (!window_.editor->isEnabled()) {
        context_.prompter.inform(kCaption, kNotWriting);
        return;
    }
    if (context_.prompter.ask(kCaption, kClearWarning, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    if (context_.prompter.ask(kCaption, kClearConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    endWriting();
}

void WritingMode::endWriting()
{
    window_.titleField->setEnabled(true);
    showingFarewell_ = true;
    window_.editor->setPlainText(kFarewellText);
    showingFarewell_ = false;
    window_.editor->setEnabled(false);
    window_.startMenu->newDiary->setEnabled(true);
    window_.startMenu->openFile->setEnabled(true);
    window_.titleField->clear();
    state_.documentOpened = false;
    state_.openedFilePath.clear();
    window_.startButton->setText(kStartCaption);
    if (isDiary()) {
        restoreAfterDiary();
        if (confirmSettings)
            confirmSettings();
    }
    state_.documentPassword.clear();
}

void WritingMode::restoreAfterDiary()
{
    ColourPicker *picker = window_.settingsPage->colour;
    picker->setEnabled(true);
    {
        const QSignalBlocker blocker(picker);
        picker->setColour(quint32(settings_.readNumber(SettingSection::text, SettingKey::backgroundColour)));
    }
    theme_.applyBackgroundColour();
    window_.tipTimer->start(kTipPeriod);
    settings_.write(SettingSection::diary, SettingKey::lastDiary, dayStamp(context_.clock.now().date()));
    // The stored text colour is the combo item (0 白色, 1 黑色), absent meaning the first item;
    // the word "白色" itself counts too.
    const QString stored = settings_.readText(SettingSection::text, SettingKey::textColour).trimmed();
    const bool white = stored == SettingValue::white || stored == QLatin1String("0") || stored.isEmpty();
    theme_.setEditorAndHintTextColour(white ? 0xFFFFFF : 0x000000);
}
