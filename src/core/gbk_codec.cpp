#include "gbk_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char *kCodecName = "GB18030";
}

QByteArray GbkCodec::encode(QStringView text)
{
    QStringEncoder encoder(kCodecName);
    return encoder.encode(text);
}

QString GbkCodec::decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodecName);
    return decoder.decode(bytes);
}

QByteArray GbkCodec::untilZero(const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

int GbkCodec::byteLengthAt(QStringView text, qsizetype index)
{
    const QChar c = text.at(index);
    if (c.unicode() < 0x80)
        return 1;
    if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
        return 4;
    return int(encode(text.mid(index, 1)).size());
}

qsizetype GbkCodec::indexForByteOffset(QStringView text, qsizetype byteOffset)
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const int length = byteLengthAt(text, i);
        if (bytes + length > byteOffset)
            return i;
        bytes += length;
        i += length == 4 && text.at(i).isHighSurrogate() ? 2 : 1;
    }
    return text.size();
}

qsizetype GbkCodec::byteOffsetForIndex(QStringView text, qsizetype index)
{
    return encode(text.left(qBound<qsizetype>(0, index, text.size()))).size();
}

bool GbkCodec::fitsGbk(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() >= 0x80 && byteLengthAt(text, i) != 2)
            return false;
    }
    return true;
}
