#pragma once

#include "documents/document_format.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct AppContext;
struct DecodedDocument;
struct SessionState;
class MainWindow;
class Settings;
class Theme;
class WritingMode;

// Saving and opening documents from the main window: the save flow of the start button and the
// shut-down, the open command, dropped files and the file named on the command line. It keeps
// how the opened document lies in its file, so that overwriting it writes it back the same way.
class DocumentFlows : public QObject {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Penmoor");
    static inline const QString kOverwriteQuestion = QStringLiteral(
        "覆盖原文件保存么？\r\n是：覆盖原文件 否：选择其他位置 取消：放弃保存\r\n如果想清空正在编辑的文件可以点击F12");
    static inline const QString kBusyWriting = QStringLiteral("正在编辑文本呢，一心不能二用哦，赶紧保存再试吧");
    static inline const QString kUnsupportedDrop = QStringLiteral("目前仅支持txt/qmf文本和wav音频文件拖拽。");

    // The editor takes a text in at about a second per 16 MB of prose and per 250,000 lines,
    // whichever is more; beyond these the window would freeze for seconds, so such a file is
    // refused instead. Encrypted documents are checked by size only: their lines are known only
    // once the password has been given.
    static constexpr qint64 kLargestOpenableFile = 16 * 1024 * 1024;
    static constexpr qsizetype kMostOpenableLines = 250'000;

    DocumentFlows(AppContext &context, SessionState &state, Settings &settings, MainWindow &window,
                  WritingMode &writing, Theme &theme);

    enum class SaveOutcome { Saved, Cancelled, Failed };

    // The save flow: a new document goes to the save dialog, an opened one asks whether to
    // overwrite it. Saved: the text was written and writing mode ended. Failed: the write was
    // refused and reported; writing mode goes on with the text.
    SaveOutcome saveDocument();
    // Writes the editor's text to path (asking the password first when it is written encrypted);
    // a failure is reported and returns false.
    bool writeDocumentFile(const QString &path);
    // Shows the password window; a confirmed password becomes documentPassword.
    void askDocumentPassword();
    void openDocumentFile();
    void openDroppedFile(const QString &path);
    void openDroppedFiles(const QStringList &paths);
    // The file named on the command line, opened in writing mode.
    void openCommandLineFile(const QString &path);
    // Shut-down: saves a new document, and an opened one whose file no longer holds the text.
    void saveBeforeExit();

    const DocumentFormat &openedFormat() const { return format_; }

    // Plays a .wav file in the playback panel. Until the panel exists this does nothing.
    std::function<void(const QString &path)> openWav = [](const QString &) {};

    // Messages worded here rather than given by the design.
    static QString truncatedFileWarning(const QString &path, bool encrypted);
    static QString truncatedOverwriteQuestion(const QString &path);
    static QString tooLargeMessage(const QString &path, qint64 size);
    static QString tooManyLinesMessage(const QString &path, qsizetype lines);
    static QString unsavedTextHint();

private:
    enum class Source { OpenCommand, Drop };

    std::optional<QString> chooseSavePath();
    SaveOutcome writeAndEnd(const QString &path);
    bool refuseWhileWriting();
    bool refuseTooLarge(const QString &path);
    bool refuseTooManyLines(const QString &path, const DecodedDocument &document);
    void openTextDocument(const QString &path, Source source);
    void openEncryptedDocument(const QString &path, Source source);
    void beginWritingKeepingText();
    void showDocument(const DecodedDocument &document, const QString &path);
    void markEncryptedDocumentUsed();
    QString editorText() const;

    AppContext &context_;
    SessionState &state_;
    Settings &settings_;
    MainWindow &window_;
    WritingMode &writing_;
    Theme &theme_;
    DocumentFormat format_;
    // The opened file holds bytes after a zero byte that the editor never saw.
    bool openedFileTruncated_ = false;
};
