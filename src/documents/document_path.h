#pragma once

#include <QString>

// What the open and save flows read from a document's path. Callers compare extensions exactly
// and case-sensitively ("txt", "qmf", "wav"), so a file named A.TXT is not a text document.

// The piece after the last "."; the whole path when it holds no ".".
QString fileExtensionOf(const QString &path);

// The file name (after the last "\" or "/") up to, not including, its first "."; empty when the
// name has no "." or begins with one.
QString baseTitleOf(const QString &path);

// True when the path contains ".qmf" anywhere (case-sensitive): such a path is saved encrypted,
// so "稿.qmf" and "稿.qmf.bak" are encrypted while "稿.QMF" is not.
bool isEncryptedDocumentPath(const QString &path);
