#include "tip_catalog.h"

#include "core/gbk_codec.h"

#include <QFile>

// The lists live in a resource compiled into the core library; a static library drops the
// resource's self-registration unless something refers to it, hence the explicit call.
static void registerTipResources()
{
    Q_INIT_RESOURCE(tips);
}

namespace {

QByteArray loadList(const QString &resource)
{
    registerTipResources();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Kept as UTF-8 with LF lines so they are easy to edit; the program's text is GBK with CR LF.
    QByteArray utf8 = file.readAll();
    while (utf8.endsWith('\n') || utf8.endsWith('\r'))
        utf8.chop(1);
    utf8.replace("\r\n", "\n");
    utf8.replace("\n", "\r\n");
    return GbkCodec::encode(QString::fromUtf8(utf8));
}

}  // namespace

QByteArray TipCatalog::text(List list)
{
    // Decoded once: the lists never change while the program runs.
    static const QByteArray geographyHistory = loadList(QStringLiteral(":/tips/geography_history.txt"));
    static const QByteArray sayings = loadList(QStringLiteral(":/tips/sayings.txt"));
    return list == List::GeographyHistory ? geographyHistory : sayings;
}
