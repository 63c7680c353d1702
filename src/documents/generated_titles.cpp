#include "documents/generated_titles.h"

#include "core/day_stamp.h"

QString temporaryTitle(const QDateTime &now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringLiteral("临时文本： 产生于%1年%2月%3日%4时%5分%6秒    by：Penmoor")
        .arg(d.year()).arg(d.month()).arg(d.day()).arg(t.hour()).arg(t.minute()).arg(t.second());
}

QString diaryTitle(QDate today)
{
    return QStringLiteral("%1年%2月%3日星期%4     by：Penmoor日记")
        .arg(today.year()).arg(today.month()).arg(today.day()).arg(weekdayNumber(today));
}
