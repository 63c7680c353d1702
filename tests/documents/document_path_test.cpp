#include "documents/document_path.h"

#include <gtest/gtest.h>

TEST(DocumentPath, ExtensionIsThePieceAfterTheLastDot)
{
    const struct {
        QString path;
        QString extension;
    } cases[] = {
        {QStringLiteral("a.b.txt"), QStringLiteral("txt")},
        {QStringLiteral("A.TXT"), QStringLiteral("TXT")},
        {QStringLiteral("notes"), QStringLiteral("notes")},
        {QStringLiteral("/home/w/书稿/notes"), QStringLiteral("/home/w/书稿/notes")},
        {QStringLiteral("D:\\书稿\\第一章.初稿.qmf"), QStringLiteral("qmf")},
        {QStringLiteral("ends.with.dot."), QString()},
        {QStringLiteral(".hidden"), QStringLiteral("hidden")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileExtensionOf(c.path), c.extension) << c.path.toStdString();
}

TEST(DocumentPath, BaseTitleIsTheFileNameUpToItsFirstDot)
{
    const struct {
        QString path;
        QString title;
    } cases[] = {
        {QStringLiteral("a.b.txt"), QStringLiteral("a")},
        {QStringLiteral("D:\\书稿\\第一章.初稿.txt"), QStringLiteral("第一章")},
        {QStringLiteral("/home/w/书稿/第3章.草稿.txt"), QStringLiteral("第3章")},
        {QStringLiteral("/home/w.d/notes"), QString()},  // a dot in a folder name is not the file's
        {QStringLiteral("notes"), QString()},
        {QStringLiteral(".hidden.txt"), QString()},
        {QStringLiteral("C:\\稿\\.hidden.txt"), QString()},
        {QStringLiteral("C:\\稿.d\\记/录.txt"), QStringLiteral("录")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(baseTitleOf(c.path), c.title) << c.path.toStdString();
}

TEST(DocumentPath, EncryptedPathsContainDotQmfInLowerCase)
{
    const struct {
        QString path;
        bool encrypted;
    } cases[] = {
        {QStringLiteral("稿.qmf"), true},
        {QStringLiteral("稿.qmf.txt"), true},
        {QStringLiteral("/home/w/x.qmfz"), true},
        {QStringLiteral("稿.QMF"), false},
        {QStringLiteral("稿.Qmf"), false},
        {QStringLiteral("qmf.txt"), false},
        {QStringLiteral("稿.txt"), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isEncryptedDocumentPath(c.path), c.encrypted) << c.path.toStdString();
}
