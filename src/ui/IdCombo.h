#ifndef VORNIX_IDCOMBO_H
#define VORNIX_IDCOMBO_H
// The ID box's drop-down list, which mirrors settings.idList entry for entry. A NULL dialog (the run
// at start-up) makes these do nothing to any window.

#include <windows.h>

// Rebuilds the drop-down list from idList, shows slot 0 in the ID box and selects the whole text of
// the window that has the keyboard focus.
void refreshIdCombo(HWND dialog);

// Empties the drop-down list and the ID list (clearIdList); currentId and the ID box's text are left
// as they are.
void clearIdCombo(HWND dialog);

#endif
