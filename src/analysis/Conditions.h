#ifndef VORNIX_CONDITIONS_H
#define VORNIX_CONDITIONS_H
// The analysis conditions beside the rate range, one row each: the settings that hold it, how a game
// is tested, and its words in the conditions line. The selection, the report's and the dialog's
// conditions line and the dialog's clear walk these rows; the settings file and vornix-cli know the
// settings by their own rows (settings/Settings.h). Adding a condition is a setting and a row here.

#include "settings/Settings.h"

#include <stddef.h>

struct GameEntry;

enum { CONDITION_TAGS = 2 };

struct Condition {
    const char* tags[CONDITION_TAGS];          // its settings, by their vornix.ini tags; NULL: unused
    int (*takes)(const GameEntry* game);       // 1 when the game meets it; always 1 while it is off
    void (*words)(char* part, size_t size);    // its words in the conditions line ("半荘戦"), plain
                                               // text, cut to size - 1 bytes; asked only while set
};

extern const Condition conditions[];
extern const int CONDITION_COUNT;

// 1 when one of the condition's settings differs from its default (a text not empty, a number not 0).
int conditionIsSet(const Condition* condition);

// 1 when a condition that selects games is set (the tolerant reading is none).
int selectionConditionsSet(void);

// Turns every analysis condition off, the tolerant reading too ("条件を解除").
void clearConditions(void);

enum { CONDITIONS_TEXT_SIZE = LOBBY_LIST_SIZE + 96 };   // "分析条件：", a period, every lobby, length, seats
enum { CONDITION_PART_SIZE = LOBBY_LIST_SIZE + 16 };   // one condition's words as formatConditions cuts them

// Writes the conditions that are set as the report names them, in plain text:
// "分析条件：2024/01/15～2024/02/29、ロビー：A・B、半荘戦、4人打ち" (the rows' words in their order,
// each cut to CONDITION_PART_SIZE - 1 bytes, joined by "、"); empty when none is set. Cut to size - 1.
void formatConditions(char* out, size_t size);

#endif
