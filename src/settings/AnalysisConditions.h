#ifndef VORNIX_ANALYSISCONDITIONS_H
#define VORNIX_ANALYSISCONDITIONS_H
// The analysis conditions beside the rate range (period, lobbies, game length, seats) and the tolerant
// reading, as settings: the one reading of a typed day and the one check of a period that both front
// ends use, the ";"-terminated lists the lobbies are kept in, and whether any condition is set. Which
// game they take is decided in analysis/GameIntake.h.

#include "settings/Settings.h"

#include <stddef.h>

// Reading a day and checking a period

// Reads a typed day: "YYYY/MM/DD", "YYYY-MM-DD" or "YYYY/M/D" (month and day of one or two digits,
// one separator throughout; spaces around it are ignored) into date as "YYYY/MM/DD"; a text of spaces
// only, or empty, gives "" (an open end). Returns NULL when taken; otherwise the refusal's message
// (MESSAGE_DATE_FORM, MESSAGE_DATE_IMPOSSIBLE for a day the calendar lacks), date unchanged.
const char* readDateInput(const char* text, char date[DATE_SIZE]);

// Checks the period of two stored days (empty: open). Returns NULL when it holds a day, or
// MESSAGE_PERIOD_REVERSED when the first day lies after the last.
const char* checkPeriod(const char* firstDay, const char* lastDay);

// 1 when text is a date text as the log's date line holds it: four digits, "/", two digits, "/",
// two digits, nothing after them.
int isWellFormedDate(const char* text);

// Lists of items, each ";"-terminated ("A;B;")

// 1 when text is such a list: empty, or items of at least one byte, none holding ";", each ending in
// ";".
int isItemList(const char* text);

// 1 when the list holds item (length bytes, byte for byte) as one of its items.
int listHoldsItem(const char* list, const char* item, size_t length);

// Adds item at the end of the list (size bytes) unless it is there already. Returns NULL when the
// list holds it; otherwise the refusal's message, the list unchanged: MESSAGE_LOBBY_UNLISTABLE for
// an empty item or one holding ";", MESSAGE_TOO_MANY_LOBBIES when the list would not fit.
const char* addListItem(char* list, size_t size, const char* item);

// The whole state

// 1 when a condition that selects games is set: a first or last day, a lobby, a game length or a
// number of seats (the tolerant reading is none).
int selectionConditionsSet(void);

// Turns every analysis condition off, the tolerant reading too ("条件を解除").
void clearConditions(void);

enum { CONDITIONS_TEXT_SIZE = LOBBY_LIST_SIZE + 96 };   // "分析条件：", a period, every lobby, length, seats

// Writes the selection conditions that are set as the report names them, in plain text:
// "分析条件：2024/01/15～2024/02/29、ロビー：A・B、半荘戦、4人打ち" (period, lobbies, game length,
// seats, joined by "、"); empty when none is set. Cut to size - 1 bytes.
void formatConditions(char* out, size_t size);

#endif
