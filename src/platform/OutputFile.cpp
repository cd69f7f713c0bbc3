#include "platform/OutputFile.h"

#include "platform/platform.h"
#include "text/Text.h"

static const char TEMPORARY_SUFFIX[] = ".tmp";

// 1 when a file of the name could be replaced: it is no folder, and an existing file opens for
// writing. Opening for appending tests that without changing a byte; a file the test itself created
// (empty) is removed again.
static int canReplace(const char* name)
{
    if (directoryExists(name)) return 0;
    FILE* existing = openFile(name, "rb");
    if (existing) fclose(existing);
    FILE* probe = openFile(name, "ab");
    if (!probe) return 0;
    int empty = fseek(probe, 0, SEEK_END) == 0 && ftell(probe) == 0;
    fclose(probe);
    if (!existing && empty) removeFile(name);
    return 1;
}

int createOutputFile(OutputFile* file, const char* name)
{
    file->stream = NULL;
    file->complete = 0;
    size_t length = copyText(file->name, sizeof file->name, name);
    copyText(file->temporaryName, sizeof file->temporaryName, name);
    size_t temporaryLength = appendText(file->temporaryName, sizeof file->temporaryName, TEMPORARY_SUFFIX);
    if (temporaryLength != length + sizeof TEMPORARY_SUFFIX - 1) return 0;   // the name doesn't fit
    if (!canReplace(file->name)) return 0;
    file->stream = openFile(file->temporaryName, "wb");
    return file->stream != NULL;
}

int finishOutputFile(OutputFile* file)
{
    if (!file->stream) return 0;
    // Forced to the disk now, so that placing the three files of a run later is quick: a run ended
    // between those steps leaves files of two runs.
    int written = syncFile(file->stream) && !ferror(file->stream);
    int closed = fclose(file->stream) == 0;
    file->stream = NULL;
    file->complete = written && closed;
    if (!file->complete) removeFile(file->temporaryName);
    return file->complete;
}

int placeOutputFile(OutputFile* file)
{
    if (!file->complete) return 0;
    file->complete = 0;
    if (replaceFile(file->temporaryName, file->name)) return 1;
    removeFile(file->temporaryName);
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
