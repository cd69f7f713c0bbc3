#include "run/AnalysisRun.h"

#include "analysis/FatalError.h"
#include "analysis/GameIntake.h"
#include "analysis/GameResultsTable.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "text/Messages.h"

int runAnalysis(void)
{
    run.startTime = time(NULL);
    resetRunState();
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
    return writeReport() ? 1 : -1;
}
