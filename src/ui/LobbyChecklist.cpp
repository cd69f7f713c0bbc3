#include "ui/LobbyChecklist.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "analysis/LobbyList.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"

// What the items point at: the log's lobbies and the stored ones, each item's text until the next fill.
static LogLobbies logLobbies;
static char storedLobbies[LOBBY_LIST_SIZE];   // the stored list with every ";" made a NUL

enum { NOTE_SIZE = 512, ITEM_TEXT_SIZE = LOBBY_LIST_SIZE + 32 };

static void setChecked(HWND list, int item, int checked)
{
    LVITEMA state = {};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)item, (LPARAM)&state);
}

static int isChecked(HWND list, int item)
{
    LRESULT state = SendMessageA(list, LVM_GETITEMSTATE, (WPARAM)item, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

// Appends an item showing text that stands for the lobby (a NUL-terminated text that outlives it).
static void addItem(HWND list, const char* text, const char* lobby, int checked)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    item.pszText = (char*)text;
    item.lParam = (LPARAM)lobby;
    int index = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    if (index >= 0) setChecked(list, index, checked);
}

static int logListsLobby(const char* lobby)
{
    for (int i = 0; i < logLobbies.count; i++)
        if (strcmp(logLobbies.rows[i].lobby, lobby) == 0) return 1;
    return 0;
}

// One column as wide as the list, no header; check boxes, the whole row selected.
static void prepareList(HWND list)
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    if (SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0) > 0) return;
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
}

// What no check means, and why the list may lack a lobby of the log: a log that could not be opened
// is named (and the lobbies listed said to be only those chosen before, when there are such).
static void setNote(HWND note, int opened, const char* logPath, const char* lobbies)
{
    char text[NOTE_SIZE];
    copyText(text, sizeof text, CONDITIONS_NO_LOBBY_MEANS_ALL);
    char why[NOTE_SIZE];
    why[0] = '\0';
    if (!opened) {
        snprintf(why, sizeof why, "%s\n%s%s%s", CONDITIONS_LOBBIES_NOT_READ, logPath,
                 lobbies[0] ? "\n" : "", lobbies[0] ? CONDITIONS_ONLY_CHOSEN_SHOWN : "");
    } else copyText(why, sizeof why, logLobbies.more ? CONDITIONS_LOBBIES_CUT : !logLobbies.readToEnd ? CONDITIONS_LOG_NOT_READ : "");
    if (why[0]) {
        appendText(text, sizeof text, "\n");
        appendText(text, sizeof text, why);
    }
    SetWindowTextA(note, text);
}

// The item of a lobby of the log: its name ("（名前なし）" when empty) and the ID's games in it, or
// with no ID the entries of every player.
static void formatItem(char* text, size_t size, const LobbyCount* row, const char* id)
{
    const char* name = row->lobby[0] ? row->lobby : CONDITION_LOBBY_UNNAMED;
    if (id[0]) snprintf(text, size, CONDITION_LOBBY_ITEM_OWN, name, row->games);
    else snprintf(text, size, CONDITION_LOBBY_ITEM_ALL, name, row->entries);
}

void fillLobbyChecklist(HWND list, HWND note, const char* logPath, const char* id, const char* lobbies)
{
    prepareList(list);
    HCURSOR previous = SetCursor(LoadCursor(NULL, IDC_WAIT));   // a long log takes a moment
    int opened = listLogLobbies(logPath, id, &logLobbies);
    SetCursor(previous);
    char text[ITEM_TEXT_SIZE];
    for (int i = 0; i < logLobbies.count; i++) {
        const LobbyCount* row = &logLobbies.rows[i];
        formatItem(text, sizeof text, row, id);
        addItem(list, text, row->lobby, listHoldsItem(lobbies, row->lobby, strlen(row->lobby)));
    }
    // A stored lobby stays chosen when this log (or the part of it listed) lacks it.
    copyText(storedLobbies, sizeof storedLobbies, lobbies);
    for (char* lobby = storedLobbies; *lobby;) {
        char* end = strchr(lobby, ';');
        if (!end) break;
        *end = '\0';
        if (!logListsLobby(lobby)) addItem(list, lobby[0] ? lobby : CONDITION_LOBBY_UNNAMED, lobby, 1);
        lobby = end + 1;
    }
    LVITEMA focus = {};
    focus.stateMask = LVIS_FOCUSED;
    focus.state = LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, (LPARAM)&focus);   // Space then checks the first lobby
    setNote(note, opened, logPath, lobbies);
}

const char* readLobbyChecklist(HWND list, char* lobbies, size_t size)
{
    if (size) lobbies[0] = '\0';
    int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; i++) {
        if (!isChecked(list, i)) continue;
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        if (!SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item)) continue;
        const char* refusal = addListItem(lobbies, size, (const char*)item.lParam);
        if (refusal) return refusal;
    }
    return NULL;
}
