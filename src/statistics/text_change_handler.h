#pragma once

#include "core/app_paths.h"
#include "documents/backup_copy.h"
#include "settings/settings.h"
#include "statistics/daily_word_marks.h"
#include "statistics/text_statistics.h"

#include <QString>

class Clock;

// What the editor's text-changed handler knows at the moment of a change.
struct TextChange {
    QString editorText;        // as the editor holds it: "\n" for each CR LF
    QString title;             // the title field's text
    qint32 pointsTotal = 0;
    bool autoBackup = false;   // the settings page's 自动保存 box, as ticked now
    bool farewellText = false; // the change is the end of writing putting in its farewell text
    bool documentOpened = false;
};

// What the windows show after it, and what it did.
struct TextChangeOutcome {
    TextFigures figures;
    QString statusText;       // status bar, panel 0
    QString windowText;       // the word-count window's edit box
    bool backupScheduled = false;
    DailyMarksResult marks;
};

// The logic of the editor's text-changed handler, in its fixed order: counts and the status-bar
// text, the word-count window's text (or the gate text), the backup copy, the daily word marks.
// The windows only read their controls into a TextChange and write the outcome back.
class TextChangeHandler {
public:
    TextChangeHandler(AppPaths paths, const Clock &clock);

    TextChangeOutcome handle(const TextChange &change);

    BackupCopy &backup() { return backup_; }

private:
    Settings settings_;
    const Clock &clock_;
    BackupCopy backup_;
};
