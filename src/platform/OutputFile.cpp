#include "platform/OutputFile.h"

#include "platform/platform.h"
#include "text/Text.h"

#include <stdlib.h>
#include <string.h>

int (*replaceOutputName)(const char* from, const char* to) = replaceFile;

// Counts the temporary names this process forms, so that each one is new.
static unsigned long nameCounter;

// Forms name "." pid "." counter ".tmp" into out. Returns 0 when it doesn't fit.
static int formatTemporaryName(char* out, size_t size, const char* name)
{
    char suffix[40];
    snprintf(suffix, sizeof suffix, ".%ld.%lu.tmp", currentProcessId(), ++nameCounter);
    return copyWholeText(out, size, name) && appendText(out, size, suffix) == strlen(name) + strlen(suffix);
}

struct StaleSearch {
    const char* name;   // the final name
    long self;
};

// rest is what follows the final name: "." pid "." counter ".tmp" of a process that is gone is removed.
static void removeIfStale(const char* rest, void* context)
{
    const StaleSearch* search = (const StaleSearch*)context;
    char* end;
    if (rest[0] != '.' || rest[1] < '0' || rest[1] > '9') return;
    long pid = strtol(rest + 1, &end, 10);
    if (*end != '.' || end[1] < '0' || end[1] > '9') return;
    strtoul(end + 1, &end, 10);
    if (strcmp(end, ".tmp") != 0 || pid == search->self || processIsRunning(pid)) return;
    char stale[OUTPUT_NAME_SIZE];
    if (!copyWholeText(stale, sizeof stale, search->name) || !appendText(stale, sizeof stale, rest)) return;
    if (outputNameState(stale) != OUTPUT_NAME_IN_THE_WAY) removeFile(stale);
}

void removeStaleTemporaries(const char* name)
{
    StaleSearch search = {name, currentProcessId()};
    forEachNameStartingWith(name, removeIfStale, &search);
}

enum { CREATE_TRIES = 100 };   // names taken by others (planted, or of an earlier process of this id)

int createOutputFile(OutputFile* file, const char* name)
{
    memset(file, 0, sizeof *file);
    if (!copyWholeText(file->name, sizeof file->name, name)) return 0;
    int state = outputNameState(file->name);
    file->inTheWay = state == OUTPUT_NAME_IN_THE_WAY;
    if (state != OUTPUT_NAME_FREE && state != OUTPUT_NAME_FILE) return 0;
    removeStaleTemporaries(file->name);
    for (int i = 0; i < CREATE_TRIES && !file->stream; i++) {
        if (!formatTemporaryName(file->temporaryName, sizeof file->temporaryName, file->name)) return 0;
        file->stream = createNewFile(file->temporaryName);
    }
    return file->stream != NULL;
}

int finishOutputFile(OutputFile* file)
{
    if (!file->stream) return 0;
    // Forced to the disk now, so that placing the files of a run later is quick.
    int written = syncFile(file->stream) && !ferror(file->stream);
    int closed = fclose(file->stream) == 0;
    file->stream = NULL;
    file->complete = written && closed;
    if (!file->complete) removeFile(file->temporaryName);
    return file->complete;
}

// Gives the previous file of the name its second name, as far as there is one. Returns 0 when
// something else than a regular file has the name.
static int keepPrevious(OutputFile* file)
{
    int state = outputNameState(file->name);
    if (state == OUTPUT_NAME_FREE) {
        file->previous = PREVIOUS_NONE;
        return 1;
    }
    if (state == OUTPUT_NAME_IN_THE_WAY) return 0;
    file->previous = PREVIOUS_REPLACED;
    if (formatTemporaryName(file->backupName, sizeof file->backupName, file->name) &&
        linkFile(file->name, file->backupName))
        file->previous = PREVIOUS_KEPT;
    return 1;
}

int placeOutputFile(OutputFile* file)
{
    if (!file->complete) return 0;
    file->complete = 0;
    if (keepPrevious(file) && replaceOutputName(file->temporaryName, file->name)) {
        file->placed = 1;
        return 1;
    }
    if (file->previous == PREVIOUS_KEPT) removeFile(file->backupName);
    file->previous = PREVIOUS_NONE;
    removeFile(file->temporaryName);
    return 0;
}

void keepOutputFile(OutputFile* file)
{
    if (file->placed && file->previous == PREVIOUS_KEPT) removeFile(file->backupName);
    file->placed = 0;
}

int restoreOutputFile(OutputFile* file)
{
    if (!file->placed) return 1;
    file->placed = 0;
    if (file->previous == PREVIOUS_KEPT) return replaceOutputName(file->backupName, file->name);
    if (file->previous == PREVIOUS_NONE) return removeFile(file->name);
    return 0;
}

void discardOutputFile(OutputFile* file)
{
    int temporaryExists = file->stream || file->complete;
    if (file->stream) fclose(file->stream);
    file->stream = NULL;
    file->complete = 0;
    if (temporaryExists) removeFile(file->temporaryName);
}
