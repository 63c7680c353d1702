#pragma once

#include <QByteArray>
#include <QStringView>

// The counts of one text, kept as the byte lengths they are measured from so that two ways of
// counting can be compared exactly; the figures shown are derived from them.
struct TextFigures {
    qint64 symbolBytes = 0;     // characters outside ASCII digits, ASCII letters and U+4E00..U+9FA5
    qint64 chineseBytes = 0;    // non-ASCII and control characters of the stripped text
    qint64 strippedBytes = 0;   // the text without CR LF pairs and ASCII spaces
    qint64 spacelessBytes = 0;  // the text without ASCII spaces, CR LF pairs kept
    int letters = 0;            // ASCII letters, one byte each
    int digits = 0;             // ASCII digits, one byte each
    int paragraphs = 0;         // countLines of the text

    int symbols() const;        // 符号数量
    int chinese() const;        // 汉字数量
    int current() const;        // 当前字数
    int spacelessHalf() const;  // the count the daily word marks compare

    bool operator==(const TextFigures &) const = default;
};

// How a QString's "\n" maps to the system's text. The editor shows a CR LF as one "\n", so its text
// is counted as if every "\n" were CR LF; a text decoded from system bytes is counted as it is.
enum class LineBreaks { EditorCrLf, AsWritten };

// The counting rules. All counts are GBK byte lengths, most of them halved: an ASCII character is
// one byte and a GBK character two. A character GBK lacks (an emoji, a rare ideograph) is four
// bytes, as GB18030 writes it, and a lone surrogate one byte, the SUB the encoder puts in its place.
class TextStatistics {
public:
    // The definitions: one regular-expression extraction each, over GBK bytes.
    static QByteArray extractSymbols(const QByteArray &text);
    static QByteArray extractNonAscii(const QByteArray &text, bool stripWhiteSpace);
    // selector 0: all ASCII letters, 1: lower case only, 2: upper case only.
    static QByteArray extractLetters(const QByteArray &text, int selector);
    static QByteArray extractDigits(const QByteArray &text);

    // n / 2 truncated toward zero: 7 bytes count 3.
    static int halfLength(qint64 bytes);
    // Without CR LF pairs, then without ASCII spaces; lone CR or LF, tabs and 　 stay.
    static QByteArray strippedText(const QByteArray &text);
    static QByteArray spacelessText(const QByteArray &text);

    // The reference: every figure by the extractions above, over the system's GBK text.
    static TextFigures referenceFigures(const QByteArray &systemText);

    // The same figures in one walk over the editor's text, without encoding it; this is what the
    // text-changed handler runs on every keystroke. Equal to referenceFigures of the encoded text.
    static TextFigures countFigures(QStringView text, LineBreaks lineBreaks = LineBreaks::EditorCrLf);

    // The system's text for a QString: GB18030 bytes, each "\n" written as CR LF for EditorCrLf.
    static QByteArray systemText(QStringView text, LineBreaks lineBreaks = LineBreaks::EditorCrLf);
};
