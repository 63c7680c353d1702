#include "daily_word_marks.h"

#include "settings/setting_keys.h"
#include "settings/settings.h"

const std::array<DailyMarkThreshold, 4> &DailyWordMarks::thresholds()
{
    static const std::array<DailyMarkThreshold, 4> table{{
        {SettingKey::words1000, 1000},
        {SettingKey::words8000, 8000},
        {SettingKey::words20000, 20000},
        {SettingKey::words100000, 100000},
    }};
    return table;
}

DailyMarksResult DailyWordMarks::record(const Settings &settings, const QByteArray &todayStamp, int spacelessHalf,
                                        bool documentOpened)
{
    DailyMarksResult result;
    if (documentOpened)
        return result;
    for (const DailyMarkThreshold &row : thresholds()) {
        // The count is checked before the key is read: the same outcome as reading first, without
        // a file read per keystroke for marks the text cannot reach.
        if (spacelessHalf <= row.threshold)
            continue;
        if (settings.read(SettingSection::software, row.key) == todayStamp)
            continue;
        if (settings.write(SettingSection::software, row.key, todayStamp))
            ++result.written;
        else
            ++result.writeFailures;
    }
    return result;
}
