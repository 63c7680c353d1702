#include "documents/document_flows.h"

#include "documents/editor_text.h"

#include "app/main_window.h"
#include "app/start_menu.h"
#include "core/app_context.h"
#include "core/clock.h"
#include "core/day_stamp.h"
#include "core/gbk_codec.h"
#include "core/prompter.h"
#include "core/session_state.h"
#include "documents/document_file.h"
#include "documents/document_path.h"
#include "documents/writing_mode.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "settings/theme.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

const QString kTextExtension = QStringLiteral("txt");
const QString kEncryptedExtension = QStringLiteral("qmf");
const QString kSoundExtension = QStringLiteral("wav");

const QStringList kOpenFilters = {
    QStringLiteral("——下拉选择文件种类—— (*.txt)"),
    QStringLiteral("文本文档（*.txt） (*.txt)"),
    QStringLiteral("Penmoor加密文档（*.qmf） (*.qmf)"),
    QStringLiteral("音乐文件（*.wav） (*.wav)"),
};
const QStringList kSaveFilters = {
    QStringLiteral("文本文档（*.txt） (*.txt)"),
    QStringLiteral("Penmoor加密文档（*.qmf） (*.qmf)"),
};

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

DocumentFlows::DocumentFlows(AppContext &context, SessionState &state, Settings &settings, MainWindow &window,
                             WritingMode &writing, Theme &theme)
    : context_(context)
    , state_(state)
    , settings_(settings)
    , window_(window)
    , writing_(writing)
    , theme_(theme)
{
    writing_.saveDocument = [this] { saveDocument(); };
    connect(window_.startMenu->openFile, &QAction::triggered, this, &DocumentFlows::openDocumentFile);
    connect(&window_, &MainWindow::filesDropped, this, &DocumentFlows::openDroppedFiles);
}

QString DocumentFlows::truncatedFileWarning(const QString &path, bool encrypted)
{
    QString text = QStringLiteral("文件“%1”在结尾之前有一个零字节，零字节之后的内容编辑器无法显示，只打开了它前面的部分。\r\n"
                                  "用“是”覆盖原文件保存会丢失零字节之后的内容；要保留它们，请保存到其他位置。")
                       .arg(shownPath(path));
    if (encrypted)
        text += QStringLiteral("\r\n加密文档出现这种情况，多半是密码不对。");
    return text;
}

QString DocumentFlows::truncatedOverwriteQuestion(const QString &path)
{
    return QStringLiteral("原文件“%1”零字节之后的内容没有打开，覆盖后将永久丢失。\r\n确定要覆盖原文件么？")
        .arg(shownPath(path));
}

QString DocumentFlows::tooLargeMessage(const QString &path, qint64 size)
{
    return QStringLiteral("文件“%1”有 %2 MB，超过了能打开的 %3 MB，没有打开。\r\n请把它分成几个较小的文件再打开。")
        .arg(shownPath(path))
        .arg(double(size) / (1024 * 1024), 0, 'f', 1)
        .arg(kLargestOpenableFile / (1024 * 1024));
}

QString DocumentFlows::tooManyLinesMessage(const QString &path, qsizetype lines)
{
    return QStringLiteral("文件“%1”有 %2 行，超过了能打开的 %3 行，没有打开。\r\n请把它分成几个较小的文件再打开。")
        .arg(shownPath(path))
        .arg(lines)
        .arg(kMostOpenableLines);
}

QString DocumentFlows::unsavedTextHint()
{
    return QStringLiteral("正在编辑的文本没有丢失，请换个位置再保存。");
}

QString DocumentFlows::editorText() const
{
    return ::editorText(*window_.editor);
}

std::optional<QString> DocumentFlows::chooseSavePath()
{
    FileDialogRequest request;
    request.directory = context_.paths.programDir;
    request.fileName = window_.titleField->text();
    request.filters = kSaveFilters;
    request.defaultSuffix = kTextExtension;
    return context_.prompter.chooseSaveFile(request);
}

DocumentFlows::SaveOutcome DocumentFlows::saveDocument()
{
    if (state_.openedFilePath.isEmpty()) {
        const std::optional<QString> path = chooseSavePath();
        return path ? writeAndEnd(*path) : SaveOutcome::Cancelled;
    }
    switch (context_.prompter.ask(kCaption, kOverwriteQuestion, PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        if (openedFileTruncated_
            && context_.prompter.ask(kCaption, truncatedOverwriteQuestion(state_.openedFilePath), PromptButtons::OkCancel)
                   != PromptAnswer::Ok)
            return SaveOutcome::Cancelled;
        return writeAndEnd(state_.openedFilePath);
    case PromptAnswer::No: {
        const std::optional<QString> path = chooseSavePath();
        return path ? writeAndEnd(*path) : SaveOutcome::Cancelled;
    }
    default:
        return SaveOutcome::Cancelled;
    }
}

DocumentFlows::SaveOutcome DocumentFlows::writeAndEnd(const QString &path)
{
    // A failed write keeps writing mode: ending it would throw the text away.
    if (!writeDocumentFile(path))
        return SaveOutcome::Failed;
    writing_.endWriting();
    return SaveOutcome::Saved;
}

bool DocumentFlows::writeDocumentFile(const QString &path)
{
    // Overwriting the opened file writes it back as it was opened; a new place takes its format
    // from the name, so a path holding ".qmf" is encrypted.
    const bool overwriting = !state_.openedFilePath.isEmpty() && path == state_.openedFilePath;
    const DocumentFormat current = state_.openedFilePath.isEmpty() ? DocumentFormat::newDocument() : format_;
    const DocumentFormat format = overwriting ? current : current.forSavingTo(path);
    if (format.encrypted)
        askDocumentPassword();
    const DocumentWriteResult result = ::writeDocumentFile(path, editorText(), format, state_.documentKey());
    if (!result.ok) {
        context_.prompter.inform(kCaption, result.message() + QStringLiteral("\r\n") + unsavedTextHint());
        return false;
    }
    return true;
}

void DocumentFlows::askDocumentPassword()
{
    const PasswordRequest request{GbkCodec::decode(state_.documentPassword), theme_.editorBackground(),
                                  theme_.titleLabelText()};
    if (const std::optional<QString> password = context_.prompter.askPassword(request))
        state_.documentPassword = GbkCodec::encode(*password);
}

bool DocumentFlows::refuseWhileWriting()
{
    if (window_.startMenu->openFile->isEnabled())
        return false;
    context_.prompter.inform(kCaption, kBusyWriting);
    return true;
}

bool DocumentFlows::refuseTooLarge(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= kLargestOpenableFile)
        return false;
    context_.prompter.inform(kCaption, tooLargeMessage(path, info.size()));
    return true;
}

bool DocumentFlows::refuseTooManyLines(const QString &path, const DecodedDocument &document)
{
    const qsizetype lines = document.text.count(QLatin1Char('\n'));
    if (lines <= kMostOpenableLines)
        return false;
    context_.prompter.inform(kCaption, tooManyLinesMessage(path, lines));
    return true;
}

void DocumentFlows::beginWritingKeepingText()
{
    state_.keepEditorText = true;
    writing_.startOrStopWriting();
    state_.keepEditorText = false;
}

void DocumentFlows::showDocument(const DecodedDocument &document, const QString &path)
{
    format_ = document.format;
    openedFileTruncated_ = document.truncatedAtZeroByte;
    window_.editor->setPlainText(document.text);
    if (document.truncatedAtZeroByte)
        context_.prompter.inform(kCaption, truncatedFileWarning(path, document.format.encrypted));
}

void DocumentFlows::markEncryptedDocumentUsed()
{
    // Marked whatever the password: nothing can tell a wrong one.
    settings_.write(SettingSection::software, SettingKey::qmfUsed, dayStamp(context_.clock.now().date()));
}

void DocumentFlows::openTextDocument(const QString &path, Source source)
{
    if (refuseWhileWriting() || refuseTooLarge(path))
        return;
    const DocumentReadResult read = readPlainDocumentFile(path);
    if (refuseTooManyLines(path, read.document))
        return;
    state_.openedFilePath = path;
    window_.titleField->setText(baseTitleOf(path));
    // The open command begins writing before the text arrives; a drop gives the text first.
    if (source == Source::Drop)
        showDocument(read.document, path);
    beginWritingKeepingText();
    if (source == Source::OpenCommand)
        showDocument(read.document, path);
}

void DocumentFlows::openEncryptedDocument(const QString &path, Source source)
{
    if (refuseWhileWriting() || refuseTooLarge(path))
        return;
    state_.openedFilePath = path;
    window_.titleField->setText(baseTitleOf(path));
    if (source == Source::OpenCommand)
        beginWritingKeepingText();
    askDocumentPassword();
    showDocument(readEncryptedDocumentFile(path, state_.documentKey()).document, path);
    if (source == Source::Drop)
        beginWritingKeepingText();
    markEncryptedDocumentUsed();
}

void DocumentFlows::openDocumentFile()
{
    // Set before the dialog, so a cancelled dialog leaves it set too.
    state_.documentOpened = true;
    FileDialogRequest request;
    request.directory = context_.paths.programDir;
    request.filters = kOpenFilters;
    const std::optional<QString> path = context_.prompter.chooseOpenFile(request);
    if (!path)
        return;
    const QString extension = fileExtensionOf(*path);
    if (extension == kTextExtension)
        openTextDocument(*path, Source::OpenCommand);
    else if (extension == kEncryptedExtension)
        openEncryptedDocument(*path, Source::OpenCommand);
    else if (extension == kSoundExtension)
        openWav(*path);
}

void DocumentFlows::openDroppedFile(const QString &path)
{
    state_.documentOpened = true;
    const QString extension = fileExtensionOf(path);
    if (extension == kTextExtension)
        openTextDocument(path, Source::Drop);
    else if (extension == kEncryptedExtension)
        openEncryptedDocument(path, Source::Drop);
    else if (extension == kSoundExtension)
        openWav(path);
    else
        context_.prompter.inform(kCaption, kUnsupportedDrop);
}

void DocumentFlows::openDroppedFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        openDroppedFile(path);
}

void DocumentFlows::openCommandLineFile(const QString &path)
{
    const QString extension = fileExtensionOf(path);
    if (extension == kSoundExtension) {
        openWav(path);
        return;
    }
    if (refuseTooLarge(path))
        return;
    const bool encrypted = extension == kEncryptedExtension;
    std::optional<DocumentReadResult> plain;
    if (!encrypted) {
        plain = readPlainDocumentFile(path);
        if (refuseTooManyLines(path, plain->document))
            return;
    }
    window_.titleField->setText(baseTitleOf(path));
    state_.keepEditorText = false;
    writing_.startOrStopWriting();
    state_.documentOpened = true;
    state_.openedFilePath = path;
    // An encrypted document is deciphered as the open command does: taking its cipher text as
    // the text would store it encrypted twice on the next save.
    if (encrypted) {
        askDocumentPassword();
        showDocument(readEncryptedDocumentFile(path, state_.documentKey()).document, path);
        markEncryptedDocumentUsed();
    } else {
        showDocument(plain->document, path);
    }
}

void DocumentFlows::saveBeforeExit()
{
    if (window_.startMenu->openFile->isEnabled())
        return;
    if (!state_.openedFilePath.isEmpty()
        && documentFileMatches(state_.openedFilePath, editorText(), format_, state_.documentKey()))
        return;
    // A write that failed was reported, and the text is still here: the writer gets the save
    // flow again, to choose another place or to give up, rather than losing the text on exit.
    while (saveDocument() == SaveOutcome::Failed) {
    }
}
