#ifndef VORNIX_LOBBYCHECKLIST_H
#define VORNIX_LOBBYCHECKLIST_H
// The lobby list of the 分析条件 dialog: a list view with a check box per lobby, the lobbies of the
// log with their numbers of entries, then the stored lobbies the log lacks.

#include <windows.h>

#include <stddef.h>

// Fills the list view `list` with the lobbies of the log at logPath (code page 932), each as
// "lobby（自分の対局 N）", the games of id in it, or with an empty id as "lobby（全員の対局 N 件）", checked
// when `lobbies` (a ";"-terminated list) holds it; then every lobby of `lobbies` the listing did not
// find, checked. Sets `note` to what no check means and, on a line of its own, why the listing may
// lack lobbies (the log, named, could not be opened; it was cut or not read to its end). The list
// keeps pointers into its own copies until the next fill.
void fillLobbyChecklist(HWND list, HWND note, const char* logPath, const char* id, const char* lobbies);

// Writes the checked lobbies, in the list's order, into `lobbies` (size bytes) as a ";"-terminated
// list; none checked gives "". Returns NULL when they fit; otherwise the refusal's message
// (MESSAGE_TOO_MANY_LOBBIES), `lobbies` then unusable.
const char* readLobbyChecklist(HWND list, char* lobbies, size_t size);

#endif
