#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct FileWriteResult {
    bool ok = false;
    QString error;  // the system's reason when !ok
};

// Replaces the file whole or not at all: written to a temporary file beside it, flushed, then
// renamed over it. A crash, a kill or a full disk mid-write leaves the old file as it was.
FileWriteResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// The whole file, or nothing when it is missing or unreadable.
std::optional<QByteArray> readWholeFile(const QString &path);
