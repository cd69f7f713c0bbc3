#include "run/AnalysisRun.h"

#include "analysis/FatalError.h"
#include "analysis/GameIntake.h"
#include "analysis/GameResultsTable.h"
#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "report/RivalChoice.h"
#include "report/RivalsPage.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "text/Messages.h"

// The page of each opponent: the log is read a second time through the same loop and selection, which
// then feed only the shared games of the chosen opponents. The page is written only when the file is
// the one the first read saw (same size and modification time, before and after); otherwise the user
// is told and the page is left out, like a table that could not be written.
static void makeRivalsPage(void)
{
    if (!runMakesOutput(OUTPUT_RIVALS) || !createRunOutput(OUTPUT_RIVALS)) return;
    chooseRivals();
    int unchanged = rewindLog();
    if (unchanged) {
        run.pass = PASS_RIVALS;
        readGames(acceptGame);
        run.pass = PASS_MAIN;
        unchanged = logUnchanged();
    }
    if (!unchanged) {
        discardRunOutput(OUTPUT_RIVALS);
        run.outputs[OUTPUT_RIVALS].created = 0;   // given up, and said why: not a file that failed
        showWarningMessage(MESSAGE_LOG_CHANGED);
        return;
    }
    writeRivalsPage();
}

int runAnalysis(void)
{
    run.startTime = time(NULL);
    resetRunState();
    // A stored period that could never match was dropped; the run it was meant for is refused once,
    // unless a period was set again since.
    if (takeDroppedPeriodNotice() && !settings.firstDay[0] && !settings.lastDay[0]) {
        showErrorMessage(MESSAGE_STORED_PERIOD_DROPPED);
        return 0;
    }
    createGameTable();
    readGames(acceptGame);
    if (run.playerTotals.games == 0) {
        // Nothing of a run without games replaces a previous file or appears beside them.
        discardRunOutput(OUTPUT_GAME_RESULTS);
        showErrorMessage(MESSAGE_NO_GAME);
        return 0;
    }
    // The table takes its final name together with the report, once that is complete.
    finishGameTable();
    makeRivalsPage();
    return writeReport() ? 1 : -1;
}
