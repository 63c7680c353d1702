#include "core/gbk_codec.h"
#include "core/session_state.h"
#include "documents/document_codec.h"
#include "documents/text_cipher.h"

#include <gtest/gtest.h>

using Encoding = DocumentFormat::Encoding;
using LineBreak = DocumentFormat::LineBreak;

namespace {

DocumentFormat plain(Encoding encoding, LineBreak lineBreak, bool byteOrderMark = false)
{
    DocumentFormat format;
    format.encoding = encoding;
    format.lineBreak = lineBreak;
    format.byteOrderMark = byteOrderMark;
    return format;
}

}  // namespace

void PrintTo(const DocumentFormat &format, std::ostream *os)
{
    *os << (format.encoding == Encoding::Utf8 ? "UTF-8" : "GBK") << (format.byteOrderMark ? "+BOM" : "")
        << (format.lineBreak == LineBreak::Lf ? " LF" : " CRLF") << (format.encrypted ? " encrypted" : "");
}

TEST(DocumentCodec, DetectsEncodingAndLineBreaks)
{
    const struct {
        const char *name;
        QByteArray bytes;
        DocumentFormat format;
    } cases[] = {
        {"empty file: a new document's format", {}, DocumentFormat::newDocument()},
        {"ASCII only is GBK", "abc\r\ndef", plain(Encoding::Gbk, LineBreak::CrLf)},
        {"no line break at all is CR LF", QByteArray::fromHex("d6d0cec4"), plain(Encoding::Gbk, LineBreak::CrLf)},
        {"GBK with LF only", QByteArray::fromHex("d6d00acec40a"), plain(Encoding::Gbk, LineBreak::Lf)},
        {"valid UTF-8 with Chinese", QByteArray::fromHex("e4b8ade69687"), plain(Encoding::Utf8, LineBreak::CrLf)},
        {"UTF-8 with LF", QByteArray::fromHex("e4b8ad0ae69687"), plain(Encoding::Utf8, LineBreak::Lf)},
        {"byte-order mark alone", QByteArray::fromHex("efbbbf"), plain(Encoding::Utf8, LineBreak::CrLf, true)},
        {"byte-order mark before ASCII", QByteArray::fromHex("efbbbf610a62"), plain(Encoding::Utf8, LineBreak::Lf, true)},
        {"mixed line breaks count as CR LF", "a\r\nb\nc", plain(Encoding::Gbk, LineBreak::CrLf)},
        {"a UTF-8-encoded surrogate is not UTF-8", QByteArray::fromHex("eda080"), plain(Encoding::Gbk, LineBreak::CrLf)},
        {"an overlong UTF-8 form is not UTF-8", QByteArray::fromHex("c0af"), plain(Encoding::Gbk, LineBreak::CrLf)},
        {"UTF-8 cut inside a character is GBK", QByteArray::fromHex("e4b8ade696"), plain(Encoding::Gbk, LineBreak::CrLf)},
        {"only the text before a zero byte counts", QByteArray::fromHex("d6d00a00e4b8ad0d0a"), plain(Encoding::Gbk, LineBreak::Lf)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DocumentCodec::decodePlain(c.bytes).format, c.format) << c.name;
}

TEST(DocumentCodec, TextStopsAtTheFirstZeroByteAndSaysSo)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
        bool truncated;
    } cases[] = {
        {"no zero byte", "abc\r\nd", QStringLiteral("abc\nd"), false},
        {"zero in the middle", QByteArray("ab\r\nc\0def", 9), QStringLiteral("ab\nc"), true},
        {"zero at the end", QByteArray("abc\0", 4), QStringLiteral("abc"), true},
        {"UTF-16 text", QByteArray::fromHex("fffe61006200"), GbkCodec::decode(QByteArray::fromHex("fffe61")), true},
        {"zero first", QByteArray("\0abc", 4), QString(), true},
    };
    for (const auto &c : cases) {
        const DecodedDocument decoded = DocumentCodec::decodePlain(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.name;
        EXPECT_EQ(decoded.truncatedAtZeroByte, c.truncated) << c.name;
    }
}

TEST(DocumentCodec, EncodesInTheFormat)
{
    const QString text = QStringLiteral("中文\n\n笑😀\n");
    const struct {
        const char *name;
        DocumentFormat format;
        QByteArray bytes;
    } cases[] = {
        {"new document", DocumentFormat::newDocument(), QByteArray::fromHex("d6d0cec40d0a0d0ad0a69439fc360d0a")},
        {"GBK LF", plain(Encoding::Gbk, LineBreak::Lf), QByteArray::fromHex("d6d0cec40a0ad0a69439fc360a")},
        {"UTF-8 CR LF", plain(Encoding::Utf8, LineBreak::CrLf), QByteArray::fromHex("e4b8ade696870d0a0d0ae7ac91f09f98800d0a")},
        {"UTF-8 LF with BOM", plain(Encoding::Utf8, LineBreak::Lf, true), QByteArray::fromHex("efbbbfe4b8ade696870a0ae7ac91f09f98800a")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DocumentCodec::encodeText(text, c.format).toHex(), c.bytes.toHex()) << c.name;
    EXPECT_EQ(DocumentCodec::encodeText(QString(), DocumentFormat::newDocument()), QByteArray());
}

TEST(DocumentCodec, EncryptedDocumentsAreTheCipherOfGbkWithCrLf)
{
    SessionState session;
    session.documentPassword = GbkCodec::encode(u"密码");
    const QByteArray key = session.documentKey();
    ASSERT_EQ(key, QByteArray("kfr571630829") + QByteArray::fromHex("c3dcc2eb"));

    const QString text = QStringLiteral("第一章\n风起。");
    const QByteArray plainBytes = QByteArray::fromHex("b5dad2bbd5c20d0ab7e7c6f0a1a3");
    const QByteArray file = DocumentCodec::encode(text, DocumentFormat::encryptedDocument(), key);
    EXPECT_EQ(file, encryptText(plainBytes, key));
    // Whatever encoding the document was opened with, its encrypted form holds GBK with CR LF.
    DocumentFormat fromUtf8 = plain(Encoding::Utf8, LineBreak::Lf, true);
    fromUtf8.encrypted = true;
    EXPECT_EQ(DocumentCodec::encode(text, fromUtf8, key), file);

    const DecodedDocument opened = DocumentCodec::decodeEncrypted(file, key);
    EXPECT_EQ(opened.text, text);
    EXPECT_EQ(opened.format, DocumentFormat::encryptedDocument());
    EXPECT_FALSE(opened.truncatedAtZeroByte);
    EXPECT_EQ(DocumentCodec::textBytesOf(file, opened.format, key), plainBytes);

    const DecodedDocument empty = DocumentCodec::decodeEncrypted({}, key);
    EXPECT_TRUE(empty.text.isEmpty());
    EXPECT_FALSE(empty.truncatedAtZeroByte);
    EXPECT_TRUE(DocumentCodec::encode(QString(), DocumentFormat::encryptedDocument(), key).isEmpty());
}

TEST(DocumentCodec, AWrongPasswordGivesOtherTextCutAtItsFirstZeroByte)
{
    const QByteArray right = QByteArray(SessionState::kKeyPrefix) + "right";
    const QByteArray wrong = QByteArray(SessionState::kKeyPrefix) + "wrong";
    QString text;
    while (text.size() < 6000)
        text += QStringLiteral("他说：“走吧。”abc123\n");
    const QByteArray file = DocumentCodec::encode(text, DocumentFormat::encryptedDocument(), right);
    const QByteArray garbled = decryptText(file, wrong);
    ASSERT_TRUE(garbled.contains('\0'));

    const DecodedDocument opened = DocumentCodec::decodeEncrypted(file, wrong);
    EXPECT_NE(opened.text, text);
    EXPECT_TRUE(opened.truncatedAtZeroByte);
    EXPECT_EQ(DocumentCodec::textBytesOf(file, opened.format, wrong), GbkCodec::untilZero(garbled));
}

TEST(DocumentCodec, SavingFormatFollowsTheChosenPath)
{
    const DocumentFormat utf8 = plain(Encoding::Utf8, LineBreak::Lf, true);
    const DocumentFormat encrypted = DocumentFormat::encryptedDocument();
    const struct {
        const char *name;
        DocumentFormat current;
        QString path;
        DocumentFormat expected;
    } cases[] = {
        {"plain stays plain", utf8, QStringLiteral("/w/稿.txt"), utf8},
        {"upper-case QMF is plain", utf8, QStringLiteral("/w/稿.QMF"), utf8},
        {".qmf is encrypted", utf8, QStringLiteral("/w/稿.qmf"), encrypted},
        {".qmf anywhere is encrypted", DocumentFormat::newDocument(), QStringLiteral("/w/稿.qmf.txt"), encrypted},
        {"encrypted saved plain is GBK CR LF", encrypted, QStringLiteral("/w/稿.txt"), DocumentFormat::newDocument()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.current.forSavingTo(c.path), c.expected) << c.name;
}
