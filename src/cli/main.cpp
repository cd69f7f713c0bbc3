// vornix-cli: one analysis from the command line, without a window. Exit codes: 0 when all files
// were written, with the report's path on stdout, or the usage after --help; 1 when the log is
// malformed or could not be read to its end; 2 after bad arguments, an ID a file name can't hold, a
// log that can't be opened or is no regular file, an output folder that can't be entered, --min
// greater than --max, a period whose first day lies after its last, or no matching game; 3 when an
// output could not be created or written in full (each is named on stderr; the report's path is
// printed when the report itself was written), or another run held the output folder all the wait.
#include "cli/CliOptions.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "run/AnalysisRun.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <stdio.h>
#include <string.h>

enum { EXIT_REFUSED = 2, EXIT_OUTPUT_FAILED = 3 };

// A log longer than this gets a progress line at a terminal; a shorter one is read in a blink.
static const long long PROGRESS_MIN_SIZE = 8LL * 1024 * 1024;
static int shownPercent = -1;   // the share of the log last shown; -1: no progress line

// The share of the run's reading done so far, redrawn in place on stderr when it changes, each time
// in one write. The cursor goes back to the start of the line, so that a message of a fatal error
// writes over it.
static void showProgress(void)
{
    static int refused;   // a line the terminal did not take is not retried: the run goes on without it
    int percent = runPercentRead();
    if (refused || percent == shownPercent) return;
    shownPercent = percent;
    char line[32];
    int length = snprintf(line, sizeof line, "vornix-cli: %3d%%\r", percent);
    if (length > 0 && (size_t)length < sizeof line && !writeErrorOutput(line, (size_t)length)) refused = 1;
}

static void clearProgress(void)
{
    static const char blank[] = "                \r";
    // Only cosmetic: a terminal that refuses it keeps the last share, and nothing else is lost.
    if (shownPercent >= 0 && !writeErrorOutput(blank, sizeof blank - 1)) shownPercent = -1;
}

// Names on stderr each output of the run that is not in place. When the report failed, the tables
// were withheld with it and only the report is named.
static void reportMissingOutputs(const AnalysisOutcome* outcome)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const OutputOutcome* output = &outcome->outputs[kind];
        if (!output->made || output->written) continue;
        if (outcome->result != ANALYSIS_DONE && kind != OUTPUT_REPORT) continue;
        printConsoleText(stderr, CLI_NOT_WRITTEN);
        if (!printPathInCurrentDirectory(stderr, output->name)) fprintf(stderr, "%s\n", output->name);
    }
}

// The tolerant reading's skipped entries, when there were any: their number and first lines.
static void reportSkippedEntries(const AnalysisOutcome* outcome)
{
    if (outcome->skippedEntries == 0) return;
    char text[SKIPPED_LINES_TEXT_SIZE + 128];
    snprintf(text, sizeof text, CLI_SKIPPED_ENTRIES, outcome->skippedEntries, outcome->skippedLines);
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
    RunRequest request = { options.logPath, 1, options.outputFolder, NULL, PROGRESS_MIN_SIZE, NULL };
    if (errorOutputIsTerminal()) request.progress = showProgress;
    static AnalysisOutcome outcome;
    runRequested(&request, &outcome);
    clearProgress();
    if (outcome.message[0]) showErrorMessage(outcome.message);
    reportSkippedEntries(&outcome);
    if (outcome.twoIdEntries) {
        char text[128];
        snprintf(text, sizeof text, CLI_TWO_ID_ENTRIES, outcome.twoIdEntries);
        printConsoleText(stderr, text);
    }
    if (outcome.result == ANALYSIS_DONE || outcome.result == ANALYSIS_REPORT_FAILED)
        reportMissingOutputs(&outcome);
    int exitCode = outcome.exitCode;
    // The printed path is the run's answer: a stdout that can't take it is an output not written.
    if (outcome.result == ANALYSIS_DONE && (!printPathInCurrentDirectory(stdout, REPORT_FILE_NAME) || fflush(stdout) != 0))
        exitCode = EXIT_OUTPUT_FAILED;
    return exitCode;
}
