#ifndef VORNIX_ANALYSISCONDITIONS_H
#define VORNIX_ANALYSISCONDITIONS_H
// The values of the analysis conditions as settings: the one reading of a typed day and the one check
// of a period that both front ends use, and the ";"-terminated lists the lobbies are kept in. The
// conditions themselves, which game they take and their words, are rows of analysis/Conditions.h.

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

#endif
