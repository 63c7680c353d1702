#include "core/gbk_codec.h"
#include "documents/text_cipher.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace {
const QByteArray kPrefix("kfr571630829");
}

TEST(TextCipher, MatchesTheKnownCheckValue)
{
    EXPECT_EQ(QCryptographicHash::hash(kPrefix, QCryptographicHash::Md5).toHex(),
              QByteArray("f44b1d82558d8436f47092b2911cd69e"));
    EXPECT_EQ(encryptText("12", kPrefix), QByteArray("\xbd\x74"));
    EXPECT_EQ(decryptText("\xbd\x74", kPrefix), QByteArray("12"));
}

TEST(TextCipher, EmptyInputGivesEmptyOutput)
{
    EXPECT_EQ(encryptText({}, kPrefix), QByteArray());
    EXPECT_EQ(decryptText({}, kPrefix), QByteArray());
}

TEST(TextCipher, LongTextWithZeroBytesInItsCiphertextRoundTrips)
{
    QByteArray plain;
    while (plain.size() < 12000)
        plain += GbkCodec::encode(u"第一章 风起。\r\n他说：“走吧。”abc123\r\n");
    const QByteArray key = kPrefix + GbkCodec::encode(u"密码");
    const QByteArray cipher = encryptText(plain, key);
    ASSERT_EQ(cipher.size(), plain.size());
    EXPECT_TRUE(cipher.contains('\0'));
    EXPECT_EQ(decryptText(cipher, key), plain);

    const QByteArray wrong = decryptText(cipher, kPrefix + "other");
    EXPECT_EQ(wrong.size(), plain.size());
    EXPECT_NE(wrong, plain);
}

TEST(TextCipher, AChinesePasswordIsHashedAsItsGbkBytes)
{
    const QByteArray plain = GbkCodec::encode(u"正文");
    const QByteArray gbkKey = kPrefix + GbkCodec::encode(u"密码");
    const QByteArray utf8Key = kPrefix + QStringLiteral("密码").toUtf8();
    ASSERT_EQ(GbkCodec::encode(u"密码").size(), 4);
    EXPECT_NE(encryptText(plain, gbkKey), encryptText(plain, utf8Key));
    EXPECT_EQ(decryptText(encryptText(plain, gbkKey), gbkKey), plain);
}
