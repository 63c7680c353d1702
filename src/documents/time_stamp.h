#pragma once

#include <QDateTime>
#include <QString>

// The time stamp the editor inserts: 2015年10月4日 9：5：30 (no leading zeros, one blank after
// 日, full-width colons).
QString timeStampText(const QDateTime &now);
