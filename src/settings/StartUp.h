#ifndef VORNIX_STARTUP_H
#define VORNIX_STARTUP_H
// Start-up up to the point where the main window is created.

// Fixes readmePath, reads the switches, finds the folders, creates the program folder when missing,
// reads the settings file (or applies the defaults) and takes the backup.
void startUp(void);

// Sets launchOptions from the whole command line: pieces cut at every blank, compared whole and
// case-sensitively with "-e" and "-q".
void parseCommandLine(const char* text);

#endif
