#include "core/gbk_codec.h"

#include <gtest/gtest.h>

TEST(GbkCodec, EncodesGbkCharactersAsTwoBytesAndOthersAsFour)
{
    EXPECT_EQ(GbkCodec::encode(u"中文"), QByteArray("\xD6\xD0\xCE\xC4"));
    EXPECT_EQ(GbkCodec::encode(u"√×"), QByteArray("\xA1\xCC\xA1\xC1"));
    EXPECT_EQ(GbkCodec::encode(u"a\r\n"), QByteArray("a\r\n"));
    // An emoji has no GBK code: it keeps a four-byte code instead of turning into "?".
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QByteArray bytes = GbkCodec::encode(emoji);
    EXPECT_EQ(bytes.size(), 4);
    EXPECT_EQ(GbkCodec::decode(bytes), emoji);
    EXPECT_FALSE(GbkCodec::fitsGbk(emoji));
    EXPECT_TRUE(GbkCodec::fitsGbk(u"中文abc，"));
}

TEST(GbkCodec, UntilZeroCutsAtTheFirstZeroByte)
{
    EXPECT_EQ(GbkCodec::untilZero(QByteArray("ab\0cd", 5)), QByteArray("ab"));
    EXPECT_EQ(GbkCodec::untilZero(QByteArray("abc")), QByteArray("abc"));
    EXPECT_EQ(GbkCodec::untilZero(QByteArray("\0x", 2)), QByteArray());
}

TEST(GbkCodec, MapsByteOffsetsAndIndexesBothWays)
{
    const QString text = QString::fromUtf8("a中\xF0\x9F\x98\x80z");  // bytes: 1 + 2 + 4 + 1
    struct Case {
        qsizetype index;
        qsizetype offset;
    } cases[] = {{0, 0}, {1, 1}, {2, 3}, {4, 7}, {5, 8}};
    for (const Case &c : cases) {
        EXPECT_EQ(GbkCodec::byteOffsetForIndex(text, c.index), c.offset) << c.index;
        EXPECT_EQ(GbkCodec::indexForByteOffset(text, c.offset), c.index) << c.offset;
    }
    // An offset inside a character lands on its start; one past the end on the end.
    EXPECT_EQ(GbkCodec::indexForByteOffset(text, 2), 1);
    EXPECT_EQ(GbkCodec::indexForByteOffset(text, 5), 2);
    EXPECT_EQ(GbkCodec::indexForByteOffset(text, 100), text.size());
}
