#include "settings/IdList.h"

#include "settings/Settings.h"
#include "text/Messages.h"

#include <assert.h>
#include <string.h>

void parseIdList(const char* text)
{
    unsigned count = 0;
    const char* segment = text;
    for (const char* p = text; *p && count < ID_LIST_SLOTS; p++) {
        if (*p != ';') continue;
        copyTextN(settings.idList[count], ID_SIZE, segment, (size_t)(p - segment));
        count++;
        segment = p + 1;
    }
    // The last segment counts only when it holds something, so a trailing ";" adds nothing. A list
    // that filled all slots drops whatever follows.
    if (count < ID_LIST_SLOTS && *segment)
        copyText(settings.idList[count++], ID_SIZE, segment);
    settings.idCount = count;
}

void rememberCurrentId(void)
{
    assert(settings.idCount <= ID_LIST_SLOTS);
    if (strcmp(settings.currentId, ID_PLACEHOLDER) == 0) return;
    if (settings.idCount == 0) {
        copyText(settings.idList[0], ID_SIZE, settings.currentId);
        settings.idCount = 1;
        return;
    }
    if (strcmp(settings.idList[0], settings.currentId) == 0) return;

    // Walk down the list, each ID taking the place of the one below, until the old place of
    // currentId is reached or the list ends.
    char carry[ID_SIZE];
    copyText(carry, sizeof carry, settings.idList[0]);
    copyText(settings.idList[0], ID_SIZE, settings.currentId);
    for (unsigned i = 1; i < settings.idCount; i++) {
        if (strcmp(settings.idList[i], settings.currentId) == 0) {
            copyText(settings.idList[i], ID_SIZE, carry);
            return;
        }
        char displaced[ID_SIZE];
        copyText(displaced, sizeof displaced, settings.idList[i]);
        copyText(settings.idList[i], ID_SIZE, carry);
        copyText(carry, sizeof carry, displaced);
    }
    if (settings.idCount < ID_LIST_SLOTS)
        copyText(settings.idList[settings.idCount++], ID_SIZE, carry);
}

void clearIdList(void)
{
    for (unsigned i = 0; i < settings.idCount && i < ID_LIST_SLOTS; i++)
        settings.idList[i][0] = '\0';
    settings.idCount = 0;
}
