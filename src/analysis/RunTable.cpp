#include "analysis/RunTable.h"

#include "settings/Settings.h"
#include "text/Text.h"

int createRunTable(RunTable* table, const char* suffix)
{
    discardRunTable(table);
    copyText(table->name, sizeof table->name, settings.currentId);
    appendText(table->name, sizeof table->name, suffix);
    table->created = createOutputFile(&table->file, table->name);
    return table->created;
}

int finishRunTable(RunTable* table)
{
    if (table->file.stream) table->written = finishOutputFile(&table->file);
    return table->written;
}

int placeRunTable(RunTable* table)
{
    if (table->file.complete) table->written = placeOutputFile(&table->file);
    return table->written;
}

void discardRunTable(RunTable* table)
{
    discardOutputFile(&table->file);
    table->written = 0;
}
