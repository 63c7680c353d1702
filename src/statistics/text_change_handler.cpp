#include "text_change_handler.h"

#include "core/clock.h"
#include "core/day_stamp.h"
#include "statistics/word_count_text.h"

TextChangeHandler::TextChangeHandler(AppPaths paths, const Clock &clock)
    : settings_(paths)
    , clock_(clock)
    , backup_(paths.programDir)
{
}

TextChangeOutcome TextChangeHandler::handle(const TextChange &change)
{
    TextChangeOutcome outcome;
    outcome.figures = TextStatistics::countFigures(change.editorText, LineBreaks::EditorCrLf);
    outcome.statusText = WordCountText::statusText(outcome.figures.current());
    outcome.windowText = WordCountText::windowText(outcome.figures, change.pointsTotal);

    // The farewell text is not the user's: the backup keeps the document just saved or cleared.
    if (change.autoBackup && !change.farewellText) {
        backup_.schedule(change.title, change.editorText);
        outcome.backupScheduled = true;
    }

    outcome.marks = DailyWordMarks::record(settings_, dayStamp(clock_.now().date()), outcome.figures.spacelessHalf(),
                                           change.documentOpened);
    return outcome;
}
