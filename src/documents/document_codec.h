#pragma once

#include "documents/document_format.h"

#include <QByteArray>
#include <QString>

// A document as the editor holds it: text whose line breaks are "\n".
struct DecodedDocument {
    QString text;
    DocumentFormat format;
    // The file's text stops at a zero byte before the end of its bytes (a UTF-16 or binary file,
    // or an encrypted document opened with a wrong password): the rest is not in the text, and
    // overwriting the file loses it.
    bool truncatedAtZeroByte = false;
};

// How a document file's bytes become the editor's text and back. Opening a file and encoding its
// text unchanged in the format it was opened with gives back the file's bytes, as long as the
// file's text is well formed in that encoding and its line breaks are all of one style.
// Everything here is linear in the size of the text.
class DocumentCodec {
public:
    // A plain file: UTF-8 when it starts with a UTF-8 byte-order mark, or when it is valid UTF-8
    // and holds a non-ASCII byte; code page 936 otherwise. LF line breaks when it holds LF but no
    // CR LF; CR LF otherwise. The text is the bytes up to the first zero byte.
    static DecodedDocument decodePlain(QByteArray fileBytes);

    // An encrypted file: all its bytes deciphered under documentKey, then up to the first zero
    // byte, read as code page 936 with CR LF line breaks.
    static DecodedDocument decodeEncrypted(const QByteArray &fileBytes, const QByteArray &documentKey);

    // Either of the above, as format.encrypted says.
    static DecodedDocument decode(QByteArray fileBytes, const DocumentFormat &format,
                                  const QByteArray &documentKey);

    // The bytes of the text as the file holds them (deciphered when encrypted, up to the first
    // zero byte): what the editor's text is compared with.
    static QByteArray textBytesOf(const QByteArray &fileBytes, const DocumentFormat &format,
                                  const QByteArray &documentKey);

    // The text's bytes in the format, without encryption: "\n" becomes CR LF unless the format
    // keeps LF, and a UTF-8 document gets its byte-order mark back. The plain text of an encrypted
    // document is always code page 936 with CR LF.
    static QByteArray encodeText(QStringView text, const DocumentFormat &format);

    // The whole file for the text: encodeText, enciphered under documentKey when the format is
    // encrypted.
    static QByteArray encode(QStringView text, const DocumentFormat &format, const QByteArray &documentKey);
};
