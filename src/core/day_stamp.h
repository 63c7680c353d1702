#pragma once

#include <QByteArray>
#include <QDate>

// Year, month and day in decimal, no leading zeros, no separators. 11 January and 1 November of
// one year give the same stamp; stamps are compared as exact texts everywhere.
QByteArray dayStamp(QDate date);

// Day of the week as the program numbers it: 1 for Sunday, 2 for Monday, ... 7 for Saturday.
int weekdayNumber(QDate date);
