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
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <stdio.h>

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

// No game matched: the message names the rate range and the conditions the run applied, and what to
// look at again.
static void tellNoGame(void)
{
    char text[CONDITIONS_TEXT_SIZE + 512];
    char line[CONDITIONS_TEXT_SIZE];
    copyText(text, sizeof text, MESSAGE_NO_GAME);
    snprintf(line, sizeof line, MESSAGE_NO_GAME_RATES, settings.minRate, settings.maxRate);
    appendText(text, sizeof text, "\n");
    appendText(text, sizeof text, line);
    formatConditions(line, sizeof line);
    if (line[0]) {
        appendText(text, sizeof text, "\n");
        appendText(text, sizeof text, line);
    }
    appendText(text, sizeof text, "\n");
    appendText(text, sizeof text, line[0] ? MESSAGE_NO_GAME_ADVICE_CONDITIONS : MESSAGE_NO_GAME_ADVICE);
    showErrorMessage(text);
}

int runAnalysis(void)
{
    run.startTime = time(NULL);
    resetRunState();
    createGameTable();
    readGames(acceptGame);
    if (run.playerTotals.games == 0) {
        // Nothing of a run without games replaces a previous file or appears beside them.
        discardRunOutput(OUTPUT_GAME_RESULTS);
        tellNoGame();
        return 0;
    }
    // The table takes its final name together with the report, once that is complete.
    finishGameTable();
    makeRivalsPage();
    return writeReport() ? 1 : -1;
}

int runPercentRead(void)
{
    long long size = logSize();
    if (size <= 0) return 0;
    long long read = logBytesRead();
    int percent = (int)((read < size ? read : size) * 100 / size);
    if (!runMakesOutput(OUTPUT_RIVALS)) return percent;
    return (run.pass == PASS_RIVALS ? 100 + percent : percent) / 2;
}
