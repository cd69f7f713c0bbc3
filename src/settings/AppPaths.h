#ifndef VORNIX_APPPATHS_H
#define VORNIX_APPPATHS_H
// The process-wide folders and the command-line switches, fixed at start-up.

#include "text/Text.h"

struct AppPaths {
    char readmePath[PATH_SIZE];     // start-up current directory + "\Readme.txt"; empty if too long
    char appFolder[PATH_SIZE];      // application-data folder + "\vornix"
    char desktopFolder[PATH_SIZE];  // the user's desktop folder
    char settingsPath[PATH_SIZE];   // appFolder + "\vornix.ini"
    char outputFolder[PATH_SIZE];   // where the current run writes; set by every run
};

struct LaunchOptions {
    int runAtStart;     // "-e": analyse with the stored settings at start-up
    int quitAfterRun;   // "-q": end after the start-up run, or after every Run command
};

extern AppPaths appPaths;
extern LaunchOptions launchOptions;

// Writes folder, "\" and name into dst (size bytes). Returns 1; returns 0 with dst empty when the
// whole path doesn't fit, so a path is never silently cut. dst may be folder itself.
int joinPath(char* dst, size_t size, const char* folder, const char* name);

#endif
