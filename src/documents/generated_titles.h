#pragma once

#include <QDateTime>
#include <QString>

// Titles the program makes up when the writer gives none.
QString temporaryTitle(const QDateTime &now);
QString diaryTitle(QDate today);
