#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

enum class BackupOutcome { Written, FolderNotCreated, WriteFailed };

struct BackupResult {
    BackupOutcome outcome = BackupOutcome::Written;
    QString path;   // the file written or attempted
    QString error;  // the system's reason when not written

    bool ok() const { return outcome == BackupOutcome::Written; }
};

// The automatic backup: the whole text under the program directory's folder 备份, one file per
// title, replaced atomically so a crash mid-write leaves the previous copy whole. Failures come back
// as values and are never shown per keystroke.
//
// write() works synchronously. schedule() hands the text to a background writer instead: a durable
// replace costs several milliseconds of disk flushing and encoding a long manuscript tens more,
// which must not stall typing. While a write runs, newer texts for the same file replace the one
// waiting, so the file always ends up holding the latest text.
class BackupCopy {
public:
    static inline const QString kFolderName = QStringLiteral("备份");

    explicit BackupCopy(QString programDir);
    ~BackupCopy();  // finishes every scheduled write
    BackupCopy(const BackupCopy &) = delete;
    BackupCopy &operator=(const BackupCopy &) = delete;

    QString backupFolderPath() const;
    // Creates the folder when missing; an existing one is left as it is. False when it cannot be.
    bool ensureBackupFolder() const;

    // The title made safe as a file name: "/", "\", NUL and the characters some file systems
    // refuse (< > : " | ? * and control characters) become "_". An empty title gives ".txt".
    static QString fileNameFor(const QString &title);
    QString backupFilePath(const QString &title) const;

    // GBK bytes of the editor's text (each "\n" the editor holds is a CR LF), as a save writes them.
    static QByteArray systemBytes(const QString &editorText);

    BackupResult write(const QString &title, const QByteArray &text) const;

    // Writes systemBytes(editorText) under title on the background writer.
    void schedule(const QString &title, const QString &editorText);
    // Waits until every scheduled text is on disk; the result of the last write made, if any.
    BackupResult flush();

private:
    struct Job {
        QString title;
        QString editorText;
    };
    void run();

    QString programDir_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> pending_;
    bool busy_ = false;
    bool stopping_ = false;
    BackupResult lastResult_;
    std::thread worker_;
};
