#pragma once

#include <QString>

// How a document's text lies in its file, remembered from opening so that saving writes it back
// the same way. New documents are GBK (GB18030 for characters GBK lacks) with CR LF; an encrypted
// document's plain text is always GBK with CR LF.
struct DocumentFormat {
    enum class Encoding { Gbk, Utf8 };
    enum class LineBreak { CrLf, Lf };

    Encoding encoding = Encoding::Gbk;
    bool byteOrderMark = false;  // UTF-8 only: the file starts with EF BB BF
    LineBreak lineBreak = LineBreak::CrLf;
    bool encrypted = false;  // the file is the cipher text of the plain text (.qmf)

    static DocumentFormat newDocument() { return {}; }
    static DocumentFormat encryptedDocument();

    // The format for writing this document to a newly chosen path: encrypted when the path
    // contains ".qmf", otherwise plain in the document's own encoding and line breaks. Overwriting
    // the opened file keeps the format it was opened with instead, so a plain file whose name
    // merely contains ".qmf" (稿.qmf.txt) is never turned into cipher text behind the writer's back.
    DocumentFormat forSavingTo(const QString &path) const;

    bool operator==(const DocumentFormat &) const = default;
};
