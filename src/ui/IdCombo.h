#ifndef VORNIX_IDCOMBO_H
#define VORNIX_IDCOMBO_H
// The ID box: its drop-down list, which mirrors settings.idList entry for entry, and its placeholder.
// A NULL dialog (the run at start-up) makes the list's calls do nothing to any window.

#include <windows.h>

// Rebuilds the drop-down list from idList, shows slot 0 in the ID box and selects the whole text of
// the window that has the keyboard focus.
void refreshIdCombo(HWND dialog);

// Empties the drop-down list and the ID list (clearIdList); currentId and the ID box's text are left
// as they are.
void clearIdCombo(HWND dialog);

// Makes the ID placeholder a hint: whenever the ID box holds it and takes the focus (by mouse or
// keyboard), its whole text is selected. Called once, when the dialog is made.
void makePlaceholderAHint(HWND dialog);

#endif
