#include "documents/time_stamp.h"

QString timeStampText(const QDateTime &now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringLiteral("%1年%2月%3日 %4：%5：%6")
        .arg(d.year()).arg(d.month()).arg(d.day()).arg(t.hour()).arg(t.minute()).arg(t.second());
}
