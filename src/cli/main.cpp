// vornix-cli: one analysis from the command line, without a window. Exit codes: 0 when all files
// were written, with the report's path on stdout, or the usage after --help; 1 when the log is
// malformed or could not be read to its end; 2 after bad arguments, an ID a file name can't hold, a
// log that can't be opened or is no regular file, an output folder that can't be entered, --min
// greater than --max, a period whose first day lies after its last, or no matching game; 3 when an
// output could not be created or written in full (each is named on stderr; the report's path is
// printed when the report itself was written), or another run held the output folder all the wait.
#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "cli/CliOptions.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "run/AnalysisRun.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/PlayerId.h"

#include <stdio.h>
#include <string.h>

enum { EXIT_REFUSED = 2, EXIT_OUTPUT_FAILED = 3 };

// A log longer than this gets a progress line at a terminal; a shorter one is read in a blink.
static const long long PROGRESS_MIN_SIZE = 8LL * 1024 * 1024;
static int shownPercent = -1;   // the share of the log last shown; -1: no progress line

// The share of the run's reading done so far, redrawn in place on stderr when it changes. The cursor
// goes back to the start of the line, so that a message of a fatal error writes over it.
static void showProgress(void)
{
    int percent = runPercentRead();
    if (percent == shownPercent) return;
    shownPercent = percent;
    fprintf(stderr, "vornix-cli: %3d%%\r", percent);
    fflush(stderr);
}

static void clearProgress(void)
{
    if (shownPercent < 0) return;
    fprintf(stderr, "%16s\r", "");
    fflush(stderr);
}

// Makes the output folder (native, as given; empty: the current directory) the run's folder.
// Returns 0 when it can't be entered. The code page 932 form in outputFolder serves the Windows
// links; the POSIX links take the native directory, so there a deep one may leave it empty.
static int enterOutputFolder(const char* folder)
{
    if (folder[0] && !setNativeCurrentDirectory(folder)) return 0;
    getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
    return 1;
}

// Names on stderr each output of the run that is not in place. Returns 1 when there was one. When the
// report failed, the tables were withheld with it and only the report is named.
static int reportMissingOutputs(int reportWritten)
{
    int missing = 0;
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const char* name = run.outputs[kind].name;
        if (!runMakesOutput(kind) || run.outputs[kind].written) continue;
        if (!reportWritten && kind != OUTPUT_REPORT) continue;
        printConsoleText(stderr, CLI_NOT_WRITTEN);
        if (!printPathInCurrentDirectory(stderr, name)) fprintf(stderr, "%s\n", name);
        missing = 1;
    }
    return missing;
}

// The tolerant reading's skipped entries, when there were any: their number and first lines.
static void reportSkippedEntries(void)
{
    if (run.skippedEntries == 0) return;
    char lines[SKIPPED_LINES_TEXT_SIZE];
    char text[SKIPPED_LINES_TEXT_SIZE + 128];
    skippedLinesText(lines, sizeof lines);
    snprintf(text, sizeof text, CLI_SKIPPED_ENTRIES, run.skippedEntries, lines);
    printConsoleText(stderr, text);
}

int main(int argc, char** argv)
{
    useConsoleMessages();
    setCommandLine(argc, argv);
    CliOptions options;
    const char* problem = "";
    if (!parseCliOptions(argc, argv, &options, &problem)) {
        fputs("vornix-cli: ", stderr);
        printConsoleText(stderr, problem);
        fputs("\n", stderr);
        printConsoleText(stderr, CLI_USAGE);
        return EXIT_REFUSED;
    }
    if (options.help) {
        int shown = printConsoleText(stdout, CLI_USAGE) && printConsoleText(stdout, CLI_HELP);
        return shown && fflush(stdout) == 0 ? 0 : EXIT_OUTPUT_FAILED;
    }
    // A range that holds no rate would only end in "no matching game" after reading the whole log.
    if (settings.minRate > settings.maxRate) {
        showErrorMessage(CLI_MIN_ABOVE_MAX);
        return EXIT_REFUSED;
    }
    if (!idIsValid(settings.currentId)) {
        showErrorMessage(MESSAGE_ID_NOT_A_FILE_NAME);
        return EXIT_REFUSED;
    }
    // The log is opened before the folder changes, so a relative FILE means what the user meant.
    if (!openNativeLog(&run.log, options.logPath)) {
        showErrorMessage(MESSAGE_LOG_NOT_OPENED);
        return EXIT_REFUSED;
    }
    if (!enterOutputFolder(options.outputFolder)) {
        closeLog(&run.log);
        showErrorMessage(MESSAGE_NO_OUTPUT_FOLDER);
        return EXIT_REFUSED;
    }
    if (errorOutputIsTerminal() && logSize(&run.log) > PROGRESS_MIN_SIZE) run.progress = showProgress;
    int result = runAnalysis();
    clearProgress();
    closeLog(&run.log);
    reportSkippedEntries();
    if (result == ANALYSIS_NO_GAME) return EXIT_REFUSED;
    if (result == ANALYSIS_FOLDER_BUSY) return EXIT_OUTPUT_FAILED;   // told; nothing of it written
    int missing = reportMissingOutputs(result == ANALYSIS_DONE);
    // The printed path is the run's answer: a stdout that can't take it is an output not written.
    if (result == ANALYSIS_DONE && (!printPathInCurrentDirectory(stdout, REPORT_FILE_NAME) || fflush(stdout) != 0))
        missing = 1;
    return missing ? EXIT_OUTPUT_FAILED : 0;
}
