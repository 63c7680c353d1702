#include "core/gbk_codec.h"
#include "core/session_state.h"
#include "documents/document_codec.h"
#include "documents/text_cipher.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(PENMOOR_TOOL_PATH), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardError()};
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace

TEST(CipherToolCommand, EncryptsAsTheProgramDoesAndDecryptsBack)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("稿.txt"));
    const QString encrypted = dir.filePath(QStringLiteral("稿.qmf"));
    const QString decrypted = dir.filePath(QStringLiteral("回.txt"));
    QString text;
    while (text.size() < 6000)
        text += QStringLiteral("第一章 风起。\n他说：“走吧。”\n");
    const QByteArray plain = DocumentCodec::encodeText(text, DocumentFormat::newDocument());
    put(input, plain);

    const struct {
        const char *name;
        QStringList passwordArgs;
        QString password;
    } cases[] = {
        {"no password", {}, QString()},
        {"Chinese password", {QStringLiteral("-p"), QStringLiteral("密码")}, QStringLiteral("密码")},
        {"password after the files", {}, QStringLiteral("abc")},
    };
    for (const auto &c : cases) {
        QStringList encryptArgs{QStringLiteral("encrypt")};
        encryptArgs << c.passwordArgs << input << encrypted;
        if (c.passwordArgs.isEmpty() && !c.password.isEmpty())
            encryptArgs << QStringLiteral("-p") << c.password;
        const ToolRun encryptRun = runTool(encryptArgs);
        ASSERT_EQ(encryptRun.exitCode, 0) << c.name << ' ' << encryptRun.err.toStdString();

        SessionState session;
        session.documentPassword = GbkCodec::encode(c.password);
        const QByteArray key = session.documentKey();
        const QByteArray cipher = contentOf(encrypted);
        EXPECT_EQ(cipher, encryptText(plain, key)) << c.name;
        EXPECT_EQ(cipher, DocumentCodec::encode(text, DocumentFormat::encryptedDocument(), key)) << c.name;
        // The terminal hands the password over as UTF-8; keyed as such it would be another key.
        if (session.documentPassword != c.password.toUtf8()) {
            EXPECT_NE(cipher, encryptText(plain, QByteArray(SessionState::kKeyPrefix) + c.password.toUtf8())) << c.name;
        }

        QStringList decryptArgs{QStringLiteral("decrypt"), encrypted, decrypted};
        if (!c.password.isEmpty())
            decryptArgs << QStringLiteral("-p") << c.password;
        const ToolRun decryptRun = runTool(decryptArgs);
        ASSERT_EQ(decryptRun.exitCode, 0) << c.name << ' ' << decryptRun.err.toStdString();
        EXPECT_EQ(contentOf(decrypted), plain) << c.name;
    }
}

TEST(CipherToolCommand, ReportsFailuresAndUsageErrors)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.txt"));
    put(input, "text");
    const QString output = dir.filePath(QStringLiteral("out.qmf"));
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString underAFile = input + QStringLiteral("/out.qmf");
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");

    const struct {
        const char *name;
        QStringList args;
        int exitCode;
    } cases[] = {
        {"missing input", {QStringLiteral("encrypt"), missing, output}, 1},
        {"unwritable output", {QStringLiteral("decrypt"), input, underAFile}, 1},
        {"password GBK lacks", {QStringLiteral("encrypt"), QStringLiteral("-p"), emoji, input, output}, 1},
        {"no files", {QStringLiteral("encrypt")}, 2},
        {"one file", {QStringLiteral("decrypt"), input}, 2},
        {"three files", {QStringLiteral("encrypt"), input, output, output}, 2},
        {"-p without a value", {QStringLiteral("encrypt"), input, output, QStringLiteral("-p")}, 2},
        {"two passwords", {QStringLiteral("encrypt"), QStringLiteral("-p"), QStringLiteral("a"), QStringLiteral("-p"), QStringLiteral("b"), input, output}, 2},
        {"unknown option", {QStringLiteral("decrypt"), QStringLiteral("-x"), input, output}, 2},
    };
    for (const auto &c : cases) {
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_FALSE(run.err.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(output)) << c.name;
    }
}
