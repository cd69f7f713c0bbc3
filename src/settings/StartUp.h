#ifndef VORNIX_STARTUP_H
#define VORNIX_STARTUP_H
// Start-up up to the point where the main window is created.

// Starts from clean settings and paths, then fixes readmePath, reads the switches, finds the
// folders, creates the program folder when missing, reads the settings file (or applies the
// defaults and the ID placeholder) and takes the backup. outputFolder stays empty. Can't fail.
void startUp(void);

// Sets both fields of launchOptions from the whole command line: the text is cut at every blank
// (no quoting; tabs are no separators) and each piece, empty ones included, is compared whole and
// case-sensitively with "-e" and "-q".
void parseCommandLine(const char* text);

#endif
