#include "core/gbk_codec.h"
#include "core/session_state.h"
#include "documents/document_file.h"
#include "documents/text_cipher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kKey = QByteArray(SessionState::kKeyPrefix) + QByteArray::fromHex("c3dcc2eb");  // 密码

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace

TEST(DocumentFile, OpeningAndSavingUnchangedGivesBackTheSameBytes)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } goldens[] = {
        {"GBK CR LF", QByteArray::fromHex("b5dad2bbd5c20d0ab7e7c6f0a1a30d0a"), QStringLiteral("第一章\n风起。\n")},
        {"GBK LF", QByteArray::fromHex("b5dad2bbd5c20a0ab7e7c6f0a1a3"), QStringLiteral("第一章\n\n风起。")},
        {"UTF-8 without BOM", QByteArray::fromHex("e4b8ade696870d0ae4bda0e5a5bd"), QStringLiteral("中文\n你好")},
        {"UTF-8 with BOM", QByteArray::fromHex("efbbbfe4b8ade696870ae4bda0e5a5bd0a"), QStringLiteral("中文\n你好\n")},
        {"UTF-8 with a second BOM inside", QByteArray::fromHex("efbbbfefbbbf61"), QStringLiteral("\uFEFFa")},
        {"GB18030 byte-order mark kept as text", QByteArray::fromHex("8431953341"), QStringLiteral("\uFEFFA")},
        {"emoji as a GB18030 four-byte code", QByteArray::fromHex("d0a69439fc360d0a"), QStringLiteral("笑😀\n")},
        {"lone CR kept", QByteArray("a\rb\r\r\nc"), QStringLiteral("a\rb\r\nc")},
        {"empty file", QByteArray(), QString()},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto &g : goldens) {
        const QString path = dir.filePath(QStringLiteral("稿.txt"));
        put(path, g.bytes);
        const DocumentReadResult opened = readPlainDocumentFile(path);
        ASSERT_TRUE(opened.readable) << g.name;
        EXPECT_EQ(opened.document.text, g.text) << g.name;
        EXPECT_FALSE(opened.document.truncatedAtZeroByte) << g.name;
        EXPECT_TRUE(documentFileMatches(path, opened.document.text, opened.document.format, kKey)) << g.name;

        const DocumentWriteResult saved = writeDocumentFile(path, opened.document.text, opened.document.format, kKey);
        ASSERT_TRUE(saved.ok) << g.name << ' ' << saved.message().toStdString();
        EXPECT_EQ(contentOf(path).toHex(), g.bytes.toHex()) << g.name;
    }
}

TEST(DocumentFile, EncryptedDocumentsRoundTripThroughTheirFile)
{
    QString text;
    while (text.size() < 8000)
        text += QStringLiteral("第一章 风起。\n他说：“走吧。”abc123\n");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("稿.qmf"));
    const DocumentFormat format = DocumentFormat::newDocument().forSavingTo(path);
    ASSERT_TRUE(writeDocumentFile(path, text, format, kKey).ok);

    const QByteArray file = contentOf(path);
    EXPECT_EQ(file, encryptText(GbkCodec::encode(QString(text).replace(u'\n', QStringLiteral("\r\n"))), kKey));
    EXPECT_TRUE(file.contains('\0'));  // written whole, zero bytes and all

    const DocumentReadResult opened = readEncryptedDocumentFile(path, kKey);
    ASSERT_TRUE(opened.readable);
    EXPECT_EQ(opened.document.text, text);
    EXPECT_FALSE(opened.document.truncatedAtZeroByte);
    EXPECT_TRUE(documentFileMatches(path, text, opened.document.format, kKey));
    EXPECT_FALSE(documentFileMatches(path, text + u'!', opened.document.format, kKey));
    EXPECT_FALSE(documentFileMatches(path, text, opened.document.format, QByteArray(SessionState::kKeyPrefix)));

    // Opened with a wrong password and left alone, the garbled document needs no saving.
    const QByteArray wrongKey = QByteArray(SessionState::kKeyPrefix) + "x";
    const DocumentReadResult garbled = readEncryptedDocumentFile(path, wrongKey);
    EXPECT_NE(garbled.document.text, text);
    EXPECT_TRUE(documentFileMatches(path, garbled.document.text, garbled.document.format, wrongKey));

    const QString emptyPath = dir.filePath(QStringLiteral("空.qmf"));
    ASSERT_TRUE(writeDocumentFile(emptyPath, QString(), format, kKey).ok);
    EXPECT_EQ(QFileInfo(emptyPath).size(), 0);
    const DocumentReadResult empty = readEncryptedDocumentFile(emptyPath, kKey);
    EXPECT_TRUE(empty.readable);
    EXPECT_TRUE(empty.document.text.isEmpty());
}

TEST(DocumentFile, ComparesTheEditorTextWithTheFileAsOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("稿.txt"));
    // Mixed line breaks and a stray byte that is no character: neither survives a save
    // unchanged, yet the document is what the editor shows and needs no saving.
    put(path, QByteArray("a\r\nb\nc\x80") + QByteArray::fromHex("d6d0"));
    const DocumentReadResult opened = readPlainDocumentFile(path);
    const QString text = opened.document.text;
    EXPECT_TRUE(documentFileMatches(path, text, opened.document.format, kKey));
    EXPECT_FALSE(documentFileMatches(path, text + u'x', opened.document.format, kKey));
    EXPECT_FALSE(documentFileMatches(path, text.left(text.size() - 1), opened.document.format, kKey));

    // A file cut at a zero byte matches the text before it; the rest is not the editor's concern.
    put(path, QByteArray("head\r\n\0tail", 11));
    const DocumentReadResult cut = readPlainDocumentFile(path);
    EXPECT_TRUE(cut.document.truncatedAtZeroByte);
    EXPECT_EQ(cut.document.text, QStringLiteral("head\n"));
    EXPECT_TRUE(documentFileMatches(path, cut.document.text, cut.document.format, kKey));

    const QString missing = dir.filePath(QStringLiteral("gone.txt"));
    EXPECT_FALSE(documentFileMatches(missing, QString(), DocumentFormat::newDocument(), kKey));
    const DocumentReadResult unreadable = readPlainDocumentFile(missing);
    EXPECT_FALSE(unreadable.readable);
    EXPECT_TRUE(unreadable.document.text.isEmpty());
}

// A failed write reports the file and the reason and leaves whatever was there as it was.
TEST(DocumentFile, AFailedWriteLeavesTheOriginalWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray original = QByteArray::fromHex("b5dad2bbd5c20d0ab7e7c6f0a1a3");
    const QString bigText(200000, u'字');

    enum class Setup { NameTooLongForATemporaryFile, FileSizeLimit, ParentIsAFile, DirectoryAtTarget };
    const struct {
        const char *name;
        Setup setup;
        QString fileName;
    } cases[] = {
        // The file fits the name limit, but the temporary file beside it does not.
        {"no room for the temporary file", Setup::NameTooLongForATemporaryFile,
         QString(250, u'a') + QStringLiteral(".txt")},
        // Writes beyond the limit fail, as on a full disk, mid-way through the text.
        {"disk full mid-way", Setup::FileSizeLimit, QStringLiteral("满.txt")},
        {"folder is a file", Setup::ParentIsAFile, QStringLiteral("file/稿.txt")},
        {"a folder where the file should be", Setup::DirectoryAtTarget, QStringLiteral("稿.txt")},
    };
    for (const auto &c : cases) {
        QDir folder(dir.filePath(QString::fromLatin1(c.name)));
        ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
        const QString path = folder.filePath(c.fileName);
        switch (c.setup) {
        case Setup::ParentIsAFile:
            put(folder.filePath(QStringLiteral("file")), original);
            break;
        case Setup::DirectoryAtTarget:
            ASSERT_TRUE(folder.mkdir(c.fileName));
            break;
        default:
            put(path, original);
        }
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        rlimit saved{};
        if (c.setup == Setup::FileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit limit{4096, saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const DocumentWriteResult result = writeDocumentFile(path, bigText, DocumentFormat::newDocument(), kKey);
        if (c.setup == Setup::FileSizeLimit)
            setrlimit(RLIMIT_FSIZE, &saved);

        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_FALSE(result.reason.isEmpty()) << c.name;
        EXPECT_TRUE(result.message().contains(QDir::toNativeSeparators(path))) << c.name;
        EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before) << c.name;
        if (c.setup == Setup::ParentIsAFile)
            EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("file"))), original) << c.name;
        else if (c.setup == Setup::DirectoryAtTarget)
            EXPECT_TRUE(QFileInfo(path).isDir()) << c.name;
        else
            EXPECT_EQ(contentOf(path).toHex(), original.toHex()) << c.name;
    }
}
