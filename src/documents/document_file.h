#pragma once

#include "documents/document_codec.h"

#include <QByteArray>
#include <QString>

// Reading and writing document files for the open and save flows and the shut-down comparison.
// documentKey is the key prefix followed by the password's GBK bytes (SessionState::documentKey());
// plain documents ignore it.

struct DocumentReadResult {
    bool readable = false;  // false: missing or unreadable; the document is then empty
    DecodedDocument document;
};

struct DocumentWriteResult {
    bool ok = false;
    QString path;
    QString reason;  // the system's reason when !ok

    // What the save flow shows when the write failed: the file and the reason.
    QString message() const;
};

DocumentReadResult readPlainDocumentFile(const QString &path);
DocumentReadResult readEncryptedDocumentFile(const QString &path, const QByteArray &documentKey);

// Writes the text in the format (enciphered when format.encrypted) so that the file is replaced
// whole or not at all: a failed write leaves the old file as it was. An empty text gives an empty
// file. For a newly chosen path take the format from DocumentFormat::forSavingTo(path).
DocumentWriteResult writeDocumentFile(const QString &path, QStringView text, const DocumentFormat &format,
                                      const QByteArray &documentKey);

// Whether the file still holds the editor's text, read as it was opened (deciphered when the
// format is encrypted, up to the first zero byte): either its bytes are the text's bytes in the
// format, or reading it again gives the same text. The second covers files whose bytes do not
// survive decoding (garbled by a wrong password, stray bytes that are not characters): unchanged
// in the editor, they need no saving. A missing or unreadable file never matches.
bool documentFileMatches(const QString &path, QStringView text, const DocumentFormat &format,
                         const QByteArray &documentKey);
