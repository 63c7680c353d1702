#include "documents/document_file.h"

#include "core/atomic_file.h"

#include <QDir>

QString DocumentWriteResult::message() const
{
    return QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason);
}

DocumentReadResult readPlainDocumentFile(const QString &path)
{
    std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return {false, {}};
    return {true, DocumentCodec::decodePlain(std::move(*bytes))};
}

DocumentReadResult readEncryptedDocumentFile(const QString &path, const QByteArray &documentKey)
{
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return {false, {QString(), DocumentFormat::encryptedDocument(), false}};
    return {true, DocumentCodec::decodeEncrypted(*bytes, documentKey)};
}

DocumentWriteResult writeDocumentFile(const QString &path, QStringView text, const DocumentFormat &format,
                                      const QByteArray &documentKey)
{
    const FileWriteResult written = writeFileAtomically(path, DocumentCodec::encode(text, format, documentKey));
    return {written.ok, path, written.error};
}

bool documentFileMatches(const QString &path, QStringView text, const DocumentFormat &format,
                         const QByteArray &documentKey)
{
    std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return false;
    if (DocumentCodec::textBytesOf(*bytes, format, documentKey) == DocumentCodec::encodeText(text, format))
        return true;
    return DocumentCodec::decode(std::move(*bytes), format, documentKey).text == text;
}
