#pragma once

#include <QByteArray>
#include <QString>

#include <array>

class Settings;

struct DailyMarkThreshold {
    const QString &key;
    int threshold;  // the count must be greater
};

// What one pass over the marks did, for callers and tests; nothing is reported to the user.
struct DailyMarksResult {
    int written = 0;       // marks set to today
    int writeFailures = 0; // marks due but not stored (a read-only or unwritable setting.ini)
};

// The daily word-count task marks that the task board pays for: each key of section 软件设置
// holds the day stamp of the day its threshold was passed.
class DailyWordMarks {
public:
    static const std::array<DailyMarkThreshold, 4> &thresholds();

    // In the table's order: a key already holding today is left alone (not even rewritten), any
    // other gets today's stamp when spacelessHalf is greater than its threshold. A document opened
    // from disk earns nothing, so nothing is read or written while documentOpened.
    static DailyMarksResult record(const Settings &settings, const QByteArray &todayStamp, int spacelessHalf,
                                   bool documentOpened);
};
