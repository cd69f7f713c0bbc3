#include "settings/AlsoIds.h"

#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/PlayerId.h"

#include <string.h>

static int countItems(const char* list)
{
    int count = 0;
    for (; *list; list++) count += *list == ';';
    return count;
}

int isAlsoIdList(const char* list, const char* id)
{
    if (!isItemList(list) || strlen(list) >= ALSO_ID_LIST_SIZE || countItems(list) > ALSO_IDS_MAX) return 0;
    for (const char* item = list; *item;) {
        size_t length = strcspn(item, ";");
        char alsoId[ID_SIZE];
        if (length >= ID_SIZE) return 0;
        copyTextN(alsoId, sizeof alsoId, item, length);
        if (!idIsValid(alsoId) || strcmp(alsoId, id) == 0 || listHoldsItem(item + length + 1, item, length)) return 0;
        item += length + 1;
    }
    return 1;
}

const char* addAlsoId(char* list, const char* alsoId)
{
    if (!idIsValid(alsoId)) return MESSAGE_ID_NOT_A_FILE_NAME;
    if (listHoldsItem(list, alsoId, strlen(alsoId))) return MESSAGE_ALSO_ID_REPEATED;
    if (countItems(list) >= ALSO_IDS_MAX) return MESSAGE_TOO_MANY_ALSO_IDS;
    appendText(list, ALSO_ID_LIST_SIZE, alsoId);
    appendText(list, ALSO_ID_LIST_SIZE, ";");
    return NULL;
}

// The length of the next typed ID at text and of its separator after it (a line break, "、" or ",").
static size_t typedIdLength(const char* text, size_t* separator)
{
    size_t length = 0;
    *separator = 0;
    while (text[length]) {
        if (text[length] == '\r' || text[length] == '\n' || text[length] == ',') {
            *separator = 1;
            break;
        }
        if (strncmp(text + length, "、", 2) == 0) {
            *separator = 2;
            break;
        }
        length += isLeadByte((unsigned char)text[length]) && text[length + 1] ? 2 : 1;
    }
    return length;
}

const char* readAlsoIdsInput(const char* typed, const char* id, char* list, char* bad)
{
    list[0] = '\0';
    while (*typed) {
        size_t separator;
        size_t length = typedIdLength(typed, &separator);
        const char* start = typed;
        typed += length + separator;
        while (length && (*start == ' ' || *start == '\t')) start++, length--;
        while (length && (start[length - 1] == ' ' || start[length - 1] == '\t')) length--;
        if (length == 0) continue;
        copyTextN(bad, ID_SIZE, start, length);
        if (length >= ID_SIZE) return MESSAGE_ALSO_ID_TOO_LONG;
        if (strcmp(bad, id) == 0) return MESSAGE_ALSO_ID_IS_ID;
        const char* problem = addAlsoId(list, bad);
        if (problem) return problem;
    }
    bad[0] = '\0';
    return NULL;
}

static AlsoIdsOfId* findKept(const char* id)
{
    for (AlsoIdsOfId& kept : settings.keptAlsoIds)
        if (kept.list[0] && strcmp(kept.id, id) == 0) return &kept;
    return NULL;
}

const char* alsoIdsOf(const char* id)
{
    const AlsoIdsOfId* kept = findKept(id);
    return kept ? kept->list : "";
}

static int isRemembered(const char* id)
{
    for (unsigned i = 0; i < settings.idCount && i < ID_LIST_SLOTS; i++)
        if (strcmp(settings.idList[i], id) == 0) return 1;
    return 0;
}

// A place for id's further IDs: its own, an empty one, or one of an ID no longer remembered.
static AlsoIdsOfId* placeFor(const char* id)
{
    AlsoIdsOfId* kept = findKept(id);
    if (kept) return kept;
    for (AlsoIdsOfId& other : settings.keptAlsoIds)
        if (!other.list[0]) return &other;
    for (AlsoIdsOfId& other : settings.keptAlsoIds)
        if (!isRemembered(other.id) && strcmp(other.id, settings.currentId) != 0) return &other;
    return NULL;
}

void keepAlsoIds(const char* id, const char* list)
{
    if (!list[0]) {
        AlsoIdsOfId* kept = findKept(id);
        if (kept) kept->list[0] = '\0';
        return;
    }
    AlsoIdsOfId* kept = placeFor(id);
    if (!kept) return;
    copyText(kept->id, sizeof kept->id, id);
    copyText(kept->list, sizeof kept->list, list);
}

void switchAlsoIds(const char* id)
{
    if (strcmp(id, settings.currentId) == 0) return;
    keepAlsoIds(settings.currentId, settings.alsoIds);
    copyText(settings.alsoIds, sizeof settings.alsoIds, alsoIdsOf(id));
}
