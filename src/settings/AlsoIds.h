#ifndef VORNIX_ALSOIDS_H
#define VORNIX_ALSOIDS_H
// The further IDs of the player (settings.alsoIds, "B;C;"): the IDs one player used besides the one
// the outputs are named after, their checks, and those of each remembered ID.

#include <stddef.h>

enum { ALSO_IDS_MAX = 9 };   // further IDs beside the ID

// 1 when list is a ";"-terminated list of at most ALSO_IDS_MAX IDs, each of 1 to 15 bytes that
// idIsValid passes, none twice, none equal to id: what a file may bring back.
int isAlsoIdList(const char* list, const char* id);

// Adds one further ID at the end of the list (ALSO_ID_LIST_SIZE bytes). Returns NULL, or the refusal,
// the list unchanged: MESSAGE_ID_NOT_A_FILE_NAME, MESSAGE_ALSO_ID_REPEATED for one listed already,
// MESSAGE_TOO_MANY_ALSO_IDS beyond ALSO_IDS_MAX. The length is the caller's to check.
const char* addAlsoId(char* list, const char* alsoId);

// Reads the further IDs as the user typed them, one per line or separated by "、" or ",", blanks
// around each ignored, into list (ALSO_ID_LIST_SIZE bytes; emptied first). Returns NULL, or the
// refusal of addAlsoId, MESSAGE_ALSO_ID_TOO_LONG for one of more than 15 bytes or
// MESSAGE_ALSO_ID_IS_ID for one equal to id; *bad (16 bytes) then holds the ID refused, cut to fit.
const char* readAlsoIdsInput(const char* typed, const char* id, char* list, char* bad);

// The further IDs kept for the remembered ID id ("" for none).
const char* alsoIdsOf(const char* id);

// Keeps list as the further IDs of id, replacing what it had; an empty list forgets them. When every
// place is taken, one of an ID no longer remembered gives its place; if none can, nothing is kept.
void keepAlsoIds(const char* id, const char* list);

// Makes id the current ID's, settings.alsoIds keeping under the current ID what it held and then
// taking id's: what choosing an ID from the remembered list does.
void switchAlsoIds(const char* id);

#endif
