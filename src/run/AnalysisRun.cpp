#include "run/AnalysisRun.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameResultsTable.h"
#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "text/Messages.h"

// Hands every entry of the log to the parser, up to the end of the log.
static void readEntries(void)
{
    char line[LOG_LINE_SIZE];
    while (!logAtEnd()) {
        if (!readLogLine(line)) return;
        if (line[0] != '<') continue;
        if (run.progress) run.progress();
        if (parseGameEntry(line + 1) == 0) return;
    }
}

int runAnalysis(void)
{
    run.startTime = time(NULL);
    resetRunState();
    createGameTable();
    readEntries();
    if (run.playerTotals.games == 0) {
        // Nothing of a run without games replaces a previous file or appears beside them.
        gameTableFile = NULL;
        discardRunOutput(OUTPUT_GAME_RESULTS);
        showErrorMessage(MESSAGE_NO_GAME);
        return 0;
    }
    // The table takes its final name together with the report, once that is complete.
    finishGameTable();
    return writeReport() ? 1 : -1;
}
