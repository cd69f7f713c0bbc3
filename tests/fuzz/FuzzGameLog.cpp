// Fuzz target: any bytes as the game log, analysed in full for a fixed player ID that the seed logs
// hold, with the options chosen by the input's size. A fatal error of the run is an expected outcome; a crash, a sanitizer report, a leak or a
// report that cannot be created is a fault.
#include "FuzzPlatform.h"

#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "report/GameResultsTable.h"
#include "report/RunOutput.h"
#include "run/AnalysisRun.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

static const char FUZZ_ID[] = "Sakura77";   // the player of examples/ and of the generated seeds

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The literals must be code page 932, as in the native build, or the markers would not match.
    if (strcmp("：", "\x81\x46") != 0 || strcmp("ソ", "\x83\x5c") != 0) abort();
    enterFuzzFolder();
    resetSettings();
    applyDefaults();
    copyText(appPaths.outputFolder, sizeof appPaths.outputFolder, "C:\\fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile("log.txt", data, size);
    copyText(settings.currentId, sizeof settings.currentId, FUZZ_ID);
    settings.minRate = 0;
    settings.maxRate = 20000;
    settings.colorScheme = (int)(size % 4);
    // The options and the tolerant reading, each on for half of the sizes.
    settings.trendCharts = (int)(size >> 2) & 1;
    settings.details = (int)(size >> 3) & 1;
    settings.rivals = (int)(size >> 4) & 1;
    settings.skipBroken = (int)(size >> 5) & 1;
    if (!openLog(&run.log, "log.txt")) abort();
    if (setjmp(fuzzExit) == 0) {
        fuzzExitArmed = 1;
        runAnalysis();
        fuzzExitArmed = 0;
    } else if (fuzzExitCode != 1) {
        abort();   // only fatalError may end a run; the report folder is always writable here
    }
    finishGameTable();
    placeRunOutput(OUTPUT_GAME_RESULTS);
    closeLog(&run.log);
    return 0;
}
