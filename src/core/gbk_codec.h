#pragma once

#include <QByteArray>
#include <QString>

// The system's text is code-page-936 bytes. GB18030 gives the same bytes as GBK for every GBK
// character and keeps everything else (emoji, rare ideographs) as four-byte codes instead of "?".
class GbkCodec {
public:
    static QByteArray encode(QStringView text);
    static QString decode(QByteArrayView bytes);

    // Bytes up to, not including, the first zero byte: how a file's bytes become text.
    static QByteArray untilZero(const QByteArray &bytes);

    // Byte length of one character starting at index i of text (1, 2 or 4).
    static int byteLengthAt(QStringView text, qsizetype index);

    // Caret and selection mapping between byte offsets of the encoded text and QString indexes.
    // A byte offset inside a character maps to the start of that character.
    static qsizetype indexForByteOffset(QStringView text, qsizetype byteOffset);
    static qsizetype byteOffsetForIndex(QStringView text, qsizetype index);

    // True when every character of text has a GBK (one- or two-byte) code.
    static bool fitsGbk(QStringView text);
};
