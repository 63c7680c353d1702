#include "documents/document_path.h"

QString fileExtensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path : path.mid(dot + 1);
}

QString baseTitleOf(const QString &path)
{
    // Windows paths separate with "\"; paths on this system use "/", so both end a folder name.
    const qsizetype separator = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    const QString name = path.mid(separator + 1);
    const qsizetype dot = name.indexOf(u'.');
    return dot <= 0 ? QString() : name.left(dot);
}

bool isEncryptedDocumentPath(const QString &path)
{
    return path.contains(QLatin1String(".qmf"), Qt::CaseSensitive);
}
