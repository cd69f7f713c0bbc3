#ifndef VORNIX_DIALOGTRANSFER_H
#define VORNIX_DIALOGTRANSFER_H
// Moves the settings between memory and the main dialog's controls.

#include <windows.h>

// Copies the controls into settings: the ID box (first 15 bytes), the log path (at most 261 bytes),
// the two rates by the leading-integer rule and the two check boxes. colorScheme, trendCharts, details,
// rivals and the analysis conditions are not read: they change the moment a colour button or a menu
// item (the conditions' dialog) is used.
void readFromDialog(HWND dialog);

// Each show... function below also brings the line of what the next run uses up to date.

// Shows settings in the controls and in the check marks of "推移グラフも作成する", "詳しい成績も作成する",
// "対戦相手別の成績も作成する" and "分析条件...". With fillList the remembered IDs are also appended to the
// ID box's drop-down list; that happens only once, when the dialog is first shown.
void writeToDialog(HWND dialog, bool fillList);

// Checks the menu item "推移グラフも作成する" when settings.trendCharts is on, else unchecks it.
void showTrendCharts(HWND dialog);

// Checks the menu item "分析条件..." while a condition of its dialog is on, else unchecks it.
void showConditions(HWND dialog);
// Checks the menu item "詳しい成績も作成する" when settings.details is on, else unchecks it.
// Sets the check mark of 別のID... and the line of what the next run uses from settings.alsoIds.
void showAlsoIds(HWND dialog);

void showDetails(HWND dialog);
// Checks the menu item "対戦相手別の成績も作成する" when settings.rivals is on, else unchecks it.
void showRivals(HWND dialog);

// Shows settings.logPath in the log path box, scrolled so that its end, the file name, is visible;
// the line under the boxes tells when it names no file that can be read.
void showLogPath(HWND dialog);

#endif
