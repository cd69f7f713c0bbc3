#ifndef VORNIX_TEST_SELECTIONCONDITIONS_H
#define VORNIX_TEST_SELECTIONCONDITIONS_H
// The analysis conditions of a test case, in the order of their settings: a case's table lists them
// flat (brace elision) and setConditions puts them into settings.

#include "settings/Settings.h"
#include "text/Text.h"

struct SelectionConditions {
    const char* firstDay;
    const char* lastDay;
    const char* lobbies;
    int gameLength, seats;
};

inline void setConditions(const SelectionConditions& c)
{
    copyText(settings.firstDay, sizeof settings.firstDay, c.firstDay);
    copyText(settings.lastDay, sizeof settings.lastDay, c.lastDay);
    copyText(settings.lobbies, sizeof settings.lobbies, c.lobbies);
    settings.gameLength = c.gameLength;
    settings.seats = c.seats;
}

#endif
