#ifndef VORNIX_CONDITIONSDIALOG_H
#define VORNIX_CONDITIONSDIALOG_H
// The modal dialog "分析条件": the period, the lobbies, the game length, the number of players and the
// tolerant reading, kept in settings.

#include <windows.h>

// Shows the dialog over the main dialog `owner`, its lobby list read from the log path box of owner.
// OK stores what it shows in settings (a day or a period it refuses keeps it open, with a message);
// "条件を解除" turns every condition off; キャンセル and Esc change nothing. Returns 1 when settings
// were changed, 0 otherwise.
int showConditionsDialog(HWND owner);

// 1 when a condition of the dialog is on: one that selects games, or the tolerant reading.
int conditionsDialogSet(void);

#endif
