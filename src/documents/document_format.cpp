#include "documents/document_format.h"

#include "documents/document_path.h"

DocumentFormat DocumentFormat::encryptedDocument()
{
    DocumentFormat format;
    format.encrypted = true;
    return format;
}

DocumentFormat DocumentFormat::forSavingTo(const QString &path) const
{
    if (isEncryptedDocumentPath(path))
        return encryptedDocument();
    if (encrypted)
        return newDocument();  // the decrypted text was GBK with CR LF
    return *this;
}
