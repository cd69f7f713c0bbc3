#ifndef VORNIX_ALSOIDSDIALOG_H
#define VORNIX_ALSOIDSDIALOG_H
// The modal dialog "別のID": the further IDs of the player in the ID box, kept in settings.alsoIds.

#include <windows.h>

// Shows the dialog over the main dialog `owner`. OK stores the IDs it holds (one it refuses keeps it
// open, with the ID's message); キャンセル and Esc change nothing. Returns 1 when settings changed.
int showAlsoIdsDialog(HWND owner);

// Brings back the further IDs of the ID chosen from the ID box's drop-down list (settings/AlsoIds.h)
// and shows them in the line of what the next run uses.
void alsoIdsFollowChosenId(HWND dialog);

#endif
