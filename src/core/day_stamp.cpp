#include "day_stamp.h"

QByteArray dayStamp(QDate date)
{
    return QByteArray::number(date.year()) + QByteArray::number(date.month())
        + QByteArray::number(date.day());
}

int weekdayNumber(QDate date)
{
    // Qt counts Monday 1 ... Sunday 7.
    return date.dayOfWeek() % 7 + 1;
}
