#include "documents/document_codec.h"

#include "core/gbk_codec.h"
#include "documents/text_cipher.h"

#include <QStringDecoder>

#include <cstring>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomSize = 3;

QByteArrayView untilZero(QByteArrayView bytes)
{
    const void *zero = std::memchr(bytes.data(), 0, size_t(bytes.size()));
    return zero ? bytes.first(static_cast<const char *>(zero) - bytes.data()) : bytes;
}

bool hasNonAsciiByte(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *end = p + bytes.size();
    // Eight bytes at a time: the common all-ASCII file should cost next to nothing.
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ULL)
            return true;
    }
    for (; p < end; ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80)
            return true;
    }
    return false;
}

bool holdsLfOnlyLineBreaks(QByteArrayView bytes)
{
    return bytes.contains('\n') && !bytes.contains(QByteArrayView("\r\n"));
}

// CR LF becomes LF, in place; a lone CR or LF stays. Returns the new length. CR and LF never occur
// inside a multi-byte character of GB18030 or UTF-8, so this is safe on the encoded bytes.
qsizetype dropCrBeforeLf(char *data, qsizetype size)
{
    char *write = data;
    const char *p = data;
    const char *end = data + size;
    while (p < end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *stop = lf ? lf : end;
        const char *keep = lf && lf > p && lf[-1] == '\r' ? lf - 1 : stop;
        if (write != p)
            std::memmove(write, p, size_t(keep - p));
        write += keep - p;
        if (!lf)
            break;
        *write++ = '\n';
        p = lf + 1;
    }
    return write - data;
}

QByteArray addCrBeforeLf(const QByteArray &in)
{
    const qsizetype breaks = in.count('\n');
    if (breaks == 0)
        return in;
    QByteArray out;
    out.reserve(in.size() + breaks);
    const char *p = in.constData();
    const char *end = p + in.size();
    while (p < end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!lf) {
            out.append(p, end - p);
            break;
        }
        out.append(p, lf - p);
        out.append("\r\n", 2);
        p = lf + 1;
    }
    return out;
}

// A byte-order mark inside the text (after the one the UTF-8 format accounts for) is text too:
// keeping it is what makes the round trip exact.
QString decodeBytes(QByteArrayView bytes, DocumentFormat::Encoding encoding)
{
    if (encoding == DocumentFormat::Encoding::Utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    QStringDecoder decoder("GB18030", QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// fileText is what the file holds before its first zero byte; it is reworked in place.
DecodedDocument decodeText(QByteArray fileText, DocumentFormat format, bool truncated)
{
    DecodedDocument result;
    result.format = format;
    result.truncatedAtZeroByte = truncated;
    const qsizetype begin = format.byteOrderMark ? kUtf8BomSize : 0;
    qsizetype size = fileText.size() - begin;
    if (format.lineBreak == DocumentFormat::LineBreak::CrLf)
        size = dropCrBeforeLf(fileText.data() + begin, size);
    result.text = decodeBytes(QByteArrayView(fileText).sliced(begin, size), format.encoding);
    return result;
}

}  // namespace

DecodedDocument DocumentCodec::decodePlain(QByteArray fileBytes)
{
    const qsizetype fileSize = fileBytes.size();
    fileBytes.truncate(untilZero(fileBytes).size());
    const QByteArrayView text(fileBytes);
    DocumentFormat format;
    if (text.startsWith(QByteArrayView(kUtf8Bom, kUtf8BomSize))) {
        format.encoding = DocumentFormat::Encoding::Utf8;
        format.byteOrderMark = true;
    } else if (hasNonAsciiByte(text) && text.isValidUtf8()) {
        format.encoding = DocumentFormat::Encoding::Utf8;
    }
    if (holdsLfOnlyLineBreaks(text))
        format.lineBreak = DocumentFormat::LineBreak::Lf;
    return decodeText(std::move(fileBytes), format, text.size() < fileSize);
}

DecodedDocument DocumentCodec::decodeEncrypted(const QByteArray &fileBytes, const QByteArray &documentKey)
{
    QByteArray plain = decryptText(fileBytes, documentKey);
    const qsizetype plainSize = plain.size();
    plain.truncate(untilZero(plain).size());
    const bool truncated = plain.size() < plainSize;
    return decodeText(std::move(plain), DocumentFormat::encryptedDocument(), truncated);
}

DecodedDocument DocumentCodec::decode(QByteArray fileBytes, const DocumentFormat &format,
                                      const QByteArray &documentKey)
{
    return format.encrypted ? decodeEncrypted(fileBytes, documentKey) : decodePlain(std::move(fileBytes));
}

QByteArray DocumentCodec::textBytesOf(const QByteArray &fileBytes, const DocumentFormat &format,
                                      const QByteArray &documentKey)
{
    if (format.encrypted)
        return GbkCodec::untilZero(decryptText(fileBytes, documentKey));
    return GbkCodec::untilZero(fileBytes);
}

QByteArray DocumentCodec::encodeText(QStringView text, const DocumentFormat &format)
{
    if (format.encrypted && format != DocumentFormat::encryptedDocument())
        return encodeText(text, DocumentFormat::encryptedDocument());
    QByteArray bytes;
    if (format.encoding == DocumentFormat::Encoding::Utf8) {
        bytes = text.toUtf8();
        if (format.byteOrderMark)
            bytes.prepend(kUtf8Bom, kUtf8BomSize);
    } else {
        bytes = GbkCodec::encode(text);
    }
    if (format.lineBreak == DocumentFormat::LineBreak::CrLf)
        bytes = addCrBeforeLf(bytes);
    return bytes;
}

QByteArray DocumentCodec::encode(QStringView text, const DocumentFormat &format, const QByteArray &documentKey)
{
    const QByteArray plain = encodeText(text, format);
    return format.encrypted ? encryptText(plain, documentKey) : plain;
}
