#include "text_statistics.h"

#include "core/gbk_codec.h"
#include "core/line_counter.h"
#include "statistics/regex_service.h"

#include <QString>

#include <array>
#include <cstdint>

namespace {

RegexOptions caseIgnored()
{
    return {};
}

RegexOptions caseSensitive()
{
    RegexOptions options;
    options.caseSensitive = true;
    return options;
}

// Per-character facts for the single pass, one byte per UTF-16 code unit.
enum CharFlag : uint8_t {
    kLengthMask = 0x07,  // GB18030 byte length
    kSymbol = 0x08,
    kNonAscii = 0x10,    // outside U+0020..U+007F (and not case-equal to a character inside)
    kLetter = 0x20,
    kDigit = 0x40,
    kSpecial = 0x80,     // space, CR, LF and surrogates: decided by the loop
};

using CharTable = std::array<uint8_t, 0x10000>;

// Builds the table from the encoder itself so the byte lengths cannot drift from what the reference
// measures: the whole BMP is encoded once and the output walked character by character.
CharTable buildCharTable()
{
    CharTable table{};
    for (char16_t c = 0; c < 0x80; ++c) {
        uint8_t flags = 1;
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (digit)
            flags |= kDigit;
        else if (letter)
            flags |= kLetter;
        else
            flags |= kSymbol;
        if (c < 0x20)
            flags |= kNonAscii;
        if (c == ' ' || c == '\r' || c == '\n')
            flags |= kSpecial;
        table[c] = flags;
    }

    QString bmp;
    bmp.reserve(0x10000);
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c < 0xD800 || c > 0xDFFF)
            bmp.append(QChar(char16_t(c)));
    }
    const QByteArray encoded = GbkCodec::encode(bmp);
    qsizetype at = 0;
    for (const QChar ch : std::as_const(bmp)) {
        // GB18030: a lead byte followed by a digit byte starts a four-byte code, else two bytes.
        const bool fourBytes = at + 1 < encoded.size() && uint8_t(encoded[at + 1]) >= 0x30
            && uint8_t(encoded[at + 1]) <= 0x39;
        const uint8_t length = fourBytes ? 4 : 2;
        at += length;
        const char16_t c = ch.unicode();
        uint8_t flags = length;
        // ICU closes a case-ignoring class over case: the long s (U+017F) and the Kelvin sign
        // (U+212A) fold to s and k, so both classes that ignore case treat them as ASCII letters.
        const bool foldsToAscii = c == 0x017F || c == 0x212A;
        if (!foldsToAscii) {
            flags |= kNonAscii;
            if (c < 0x4E00 || c > 0x9FA5)
                flags |= kSymbol;
        }
        table[c] = flags;
    }
    Q_ASSERT(at == encoded.size());
    for (char32_t c = 0xD800; c <= 0xDFFF; ++c)
        table[c] = kSpecial;
    return table;
}

const CharTable &charTable()
{
    static const CharTable table = buildCharTable();
    return table;
}

}  // namespace

int TextFigures::symbols() const
{
    return TextStatistics::halfLength(symbolBytes);
}

int TextFigures::chinese() const
{
    return TextStatistics::halfLength(chineseBytes);
}

int TextFigures::current() const
{
    return TextStatistics::halfLength(strippedBytes);
}

int TextFigures::spacelessHalf() const
{
    return TextStatistics::halfLength(spacelessBytes);
}

QByteArray TextStatistics::extractSymbols(const QByteArray &text)
{
    return RegexService::collectMatches(QByteArrayLiteral("[^0-9a-z\\u4e00-\\u9fa5]"), text, caseIgnored());
}

QByteArray TextStatistics::extractNonAscii(const QByteArray &text, bool stripWhiteSpace)
{
    const QByteArray collected = RegexService::collectMatches(QByteArrayLiteral("[^\\x20-\\x7f]"), text, caseIgnored());
    if (!stripWhiteSpace)
        return collected;
    RegexService service;
    service.search(QByteArrayLiteral("\\s"), collected);
    return service.replaceMatches({});
}

QByteArray TextStatistics::extractLetters(const QByteArray &text, int selector)
{
    const QByteArray pattern = selector == 1 ? QByteArrayLiteral("[a-z]")
        : selector == 2                      ? QByteArrayLiteral("[A-Z]")
                                             : QByteArrayLiteral("[a-zA-Z]");
    return RegexService::collectMatches(pattern, text, caseSensitive());
}

QByteArray TextStatistics::extractDigits(const QByteArray &text)
{
    return RegexService::collectMatches(QByteArrayLiteral("[0-9]"), text, caseIgnored());
}

int TextStatistics::halfLength(qint64 bytes)
{
    return int(double(bytes) / 2.0);
}

QByteArray TextStatistics::strippedText(const QByteArray &text)
{
    QByteArray stripped = text;
    stripped.replace("\r\n", "");
    stripped.replace(" ", "");
    return stripped;
}

QByteArray TextStatistics::spacelessText(const QByteArray &text)
{
    QByteArray spaceless = text;
    spaceless.replace(" ", "");
    return spaceless;
}

TextFigures TextStatistics::referenceFigures(const QByteArray &systemText)
{
    TextFigures figures;
    const QByteArray stripped = strippedText(systemText);
    figures.symbolBytes = extractSymbols(systemText).size();
    figures.chineseBytes = extractNonAscii(stripped, false).size();
    figures.strippedBytes = stripped.size();
    figures.spacelessBytes = spacelessText(systemText).size();
    figures.letters = int(extractLetters(systemText, 0).size());
    figures.digits = int(extractDigits(systemText).size());
    figures.paragraphs = countLines(systemText);
    return figures;
}

TextFigures TextStatistics::countFigures(QStringView text, LineBreaks lineBreaks)
{
    const CharTable &table = charTable();
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    const bool editorCrLf = lineBreaks == LineBreaks::EditorCrLf;

    qint64 symbolBytes = 0;
    qint64 chineseBytes = 0;
    qint64 strippedBytes = 0;
    qint64 spacelessBytes = 0;
    qint64 letters = 0;
    qint64 digits = 0;
    qint64 lineFeeds = 0;

    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = units[i];
        const uint8_t flags = table[c];
        if (!(flags & kSpecial)) [[likely]] {
            const qint64 length = flags & kLengthMask;
            strippedBytes += length;
            spacelessBytes += length;
            symbolBytes += (flags & kSymbol) ? length : 0;
            chineseBytes += (flags & kNonAscii) ? length : 0;
            letters += (flags >> 5) & 1;
            digits += (flags >> 6) & 1;
            continue;
        }
        if (c == ' ') {
            symbolBytes += 1;
        } else if (c == '\n' && editorCrLf) {
            // One CR LF pair: two symbol bytes, gone from the stripped text, kept in the spaceless one.
            ++lineFeeds;
            symbolBytes += 2;
            spacelessBytes += 2;
        } else if (c == '\r' && !editorCrLf && i + 1 < size && units[i + 1] == '\n') {
            ++lineFeeds;
            symbolBytes += 2;
            spacelessBytes += 2;
            ++i;
        } else if (c == '\r' || c == '\n') {
            // A lone CR or LF stays in every text, a control character.
            lineFeeds += c == '\n';
            symbolBytes += 1;
            chineseBytes += 1;
            strippedBytes += 1;
            spacelessBytes += 1;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            // Beyond the BMP: four bytes, a symbol and non-ASCII.
            symbolBytes += 4;
            chineseBytes += 4;
            strippedBytes += 4;
            spacelessBytes += 4;
            ++i;
        } else {
            // A lone surrogate: the encoder writes the control character SUB in its place.
            symbolBytes += 1;
            chineseBytes += 1;
            strippedBytes += 1;
            spacelessBytes += 1;
        }
    }

    TextFigures figures;
    figures.symbolBytes = symbolBytes;
    figures.chineseBytes = chineseBytes;
    figures.strippedBytes = strippedBytes;
    figures.spacelessBytes = spacelessBytes;
    figures.letters = int(letters);
    figures.digits = int(digits);
    if (size > 0) {
        // The system text ends with LF exactly when the QString ends with "\n".
        figures.paragraphs = int(units[size - 1] == '\n' ? lineFeeds : lineFeeds + 1);
    }
    return figures;
}

QByteArray TextStatistics::systemText(QStringView text, LineBreaks lineBreaks)
{
    if (lineBreaks == LineBreaks::AsWritten || !text.contains(u'\n'))
        return GbkCodec::encode(text);
    QString withCrLf = text.toString();
    withCrLf.replace(u'\n', QStringLiteral("\r\n"));
    return GbkCodec::encode(withCrLf);
}
