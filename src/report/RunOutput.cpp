#include "report/RunOutput.h"

#include "analysis/PlayerIdentity.h"
#include "analysis/RunState.h"
#include "settings/Settings.h"
#include "text/Text.h"

const char REPORT_FILE_NAME[] = "分析結果.html";

RunOutput runOutputs[RUN_OUTPUT_COUNT];

const RunOutputRow runOutputRows[RUN_OUTPUT_COUNT] = {
    {"_戦績.xls", 1, "戦績ファイル", NULL},
    {"_ID別集計.xls", 1, "ID別集計ファイル", NULL},
    {"_月別集計.xls", 1, "月別集計ファイル", &settings.trendCharts},
    {"_条件別集計.xls", 1, "条件別集計ファイル", &settings.details},
    {"_対戦相手別.html", 1, "対戦相手別の成績", &settings.rivals},
    {REPORT_FILE_NAME, 0, NULL, NULL},
};

int runMakesOutput(int kind)
{
    const int* option = runOutputRows[kind].option;
    return !option || *option;
}

// The output's file name, from its row and the player's ID.
static void formRunOutputName(int kind, char name[TABLE_NAME_SIZE])
{
    const RunOutputRow* row = &runOutputRows[kind];
    name[0] = '\0';
    if (row->afterId) copyText(name, TABLE_NAME_SIZE, playerDisplayId(&run.player));
    appendText(name, TABLE_NAME_SIZE, row->name);
}

void dropRunOutputLeftovers(void)
{
    char name[TABLE_NAME_SIZE];
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        formRunOutputName(kind, name);
        removeStaleTemporaries(name);
    }
}

int createRunOutput(int kind)
{
    RunOutput* output = &runOutputs[kind];
    discardRunOutput(kind);
    formRunOutputName(kind, output->name);
    output->created = createOutputFile(&output->file, output->name);
    return output->created;
}

int finishRunOutput(int kind)
{
    RunOutput* output = &runOutputs[kind];
    if (output->file.stream) output->written = finishOutputFile(&output->file);
    return output->written;
}

int placeRunOutput(int kind)
{
    RunOutput* output = &runOutputs[kind];
    if (output->file.complete) output->written = placeOutputFile(&output->file);
    return output->written;
}

void keepRunOutput(int kind)
{
    keepOutputFile(&runOutputs[kind].file);
}

void withdrawRunOutput(int kind)
{
    restoreOutputFile(&runOutputs[kind].file);
    discardRunOutput(kind);
}

void discardRunOutput(int kind)
{
    discardOutputFile(&runOutputs[kind].file);
    runOutputs[kind].written = 0;
}

void clearRunOutputs(void)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        discardRunOutput(kind);
        runOutputs[kind].name[0] = '\0';
        runOutputs[kind].created = 0;
        runOutputs[kind].file.inTheWay = 0;
    }
}
