#include "aids/agreement_text.h"

#include "core/gbk_codec.h"

#include <QFile>

QString AgreementText::text()
{
    QFile file(QStringLiteral(":/aids/agreement.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    // A checkout may have turned the line breaks either way; normalise before adding CR back.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QByteArray AgreementText::bytes()
{
    return GbkCodec::encode(text());
}
