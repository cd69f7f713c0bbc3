#ifndef VORNIX_SETTINGS_H
#define VORNIX_SETTINGS_H
// The user's configuration, its defaults, and the backup copy that "元に戻す" restores.

#include "text/Text.h"

enum { ID_LIST_SLOTS = 10 };

enum {
    COLOR_SCHEME_COUNT = 4,     // colorScheme runs from 0 to 3
    DEFAULT_MIN_RATE = 0,
    DEFAULT_MAX_RATE = 20000,
    DEFAULT_COLOR_SCHEME = 0
};

struct Settings {
    char currentId[ID_SIZE];               // the ID the next analysis uses; at most 15 bytes
    char idList[ID_LIST_SLOTS][ID_SIZE];   // remembered IDs, most recent first
    unsigned idCount;                      // slots of idList in use, 0 to 10, from slot 0
    char logPath[PATH_SIZE];               // the game log; at most 261 bytes
    int minRate;                           // lowest rate analysed, inclusive
    int maxRate;                           // highest rate analysed, inclusive
    int saveOnExit;                        // 1: the dialog's state is stored at program end
    int reportOnDesktop;                   // 1: output to the desktop; 0: to the program folder
    int colorScheme;                       // 0 "標準", 1 "白", 2 "黒", 3 "青"
    int trendCharts;                       // 1: the report also shows the progress over time and the
                                           // monthly table is written (an option, off by default)
};

struct SettingsBackup {
    char currentId[ID_SIZE];
    char logPath[PATH_SIZE];
    int minRate;
    int maxRate;
    int saveOnExit;
    int reportOnDesktop;
    int colorScheme;
    int trendCharts;
};

extern Settings settings;
extern SettingsBackup settingsBackup;

extern const char DEFAULT_LOG_PATH[];   // "C:\Kalvento\JAPANESE\Zentolog.txt"

// Resets the settings to their start values (before any file is read): everything empty or 0,
// saveOnExit 1.
void resetSettings(void);

// Sets the log path, the default rates (0 and 20000), saveOnExit 1, reportOnDesktop 0, the default
// colorScheme 0 and trendCharts 0; leaves currentId and the ID list as they are.
void applyDefaults(void);

// Copies the backed-up fields (all but the ID list) from settings into settingsBackup.
void takeBackup(void);

// Copies the backed-up fields back into settings; the ID list is not touched.
void restoreBackup(void);

#endif
