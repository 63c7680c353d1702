#include "backup_copy.h"

#include "core/atomic_file.h"
#include "core/gbk_codec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

BackupCopy::BackupCopy(QString programDir)
    : programDir_(std::move(programDir))
{
}

BackupCopy::~BackupCopy()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

QString BackupCopy::backupFolderPath() const
{
    return QDir(programDir_).filePath(kFolderName);
}

bool BackupCopy::ensureBackupFolder() const
{
    return QDir().mkpath(backupFolderPath());
}

QString BackupCopy::fileNameFor(const QString &title)
{
    QString name = title;
    for (QChar &c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == '/' || u == '\\' || u == '<' || u == '>' || u == ':' || u == '"'
            || u == '|' || u == '?' || u == '*')
            c = u'_';
    }
    // File systems take names of at most 255 bytes. A longer title keeps as much of its start as
    // fits and a short digest of the whole title, so two long titles alike at the start still get
    // backups of their own.
    constexpr qsizetype kMostNameBytes = 200;
    if (QFile::encodeName(name).size() > kMostNameBytes) {
        const QString digest = QString::fromLatin1(
            QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
        while (!name.isEmpty() && QFile::encodeName(name).size() > kMostNameBytes)
            name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
        name += QLatin1Char('~') + digest;
    }
    return name + QStringLiteral(".txt");
}

QString BackupCopy::backupFilePath(const QString &title) const
{
    return QDir(backupFolderPath()).filePath(fileNameFor(title));
}

QByteArray BackupCopy::systemBytes(const QString &editorText)
{
    if (!editorText.contains(u'\n'))
        return GbkCodec::encode(editorText);
    QString withCrLf = editorText;
    withCrLf.replace(u'\n', QStringLiteral("\r\n"));
    return GbkCodec::encode(withCrLf);
}

BackupResult BackupCopy::write(const QString &title, const QByteArray &text) const
{
    const QString path = backupFilePath(title);
    if (!ensureBackupFolder())
        return {BackupOutcome::FolderNotCreated, path, QStringLiteral("cannot create %1").arg(backupFolderPath())};
    const FileWriteResult written = writeFileAtomically(path, text);
    if (!written.ok)
        return {BackupOutcome::WriteFailed, path, written.error};
    return {BackupOutcome::Written, path, {}};
}

void BackupCopy::schedule(const QString &title, const QString &editorText)
{
    Job job{title, editorText};
    {
        std::lock_guard lock(mutex_);
        bool replaced = false;
        for (Job &waiting : pending_) {
            if (fileNameFor(waiting.title) == fileNameFor(job.title)) {
                waiting.editorText = std::move(job.editorText);
                replaced = true;
                break;
            }
        }
        if (!replaced)
            pending_.push_back(std::move(job));
        if (!worker_.joinable())
            worker_ = std::thread([this] { run(); });
    }
    wake_.notify_one();
}

BackupResult BackupCopy::flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return pending_.empty() && !busy_; });
    return lastResult_;
}

void BackupCopy::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (pending_.empty())
            return;  // stopping, and everything scheduled is written
        Job job = std::move(pending_.front());
        pending_.pop_front();
        busy_ = true;
        lock.unlock();
        // The QString is shared with the editor's copy until here; encoding happens off the
        // keystroke path.
        const BackupResult result = write(job.title, systemBytes(job.editorText));
        lock.lock();
        lastResult_ = result;
        busy_ = false;
        if (pending_.empty())
            idle_.notify_all();
    }
}
