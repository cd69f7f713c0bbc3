#ifndef VORNIX_SETTINGS_H
#define VORNIX_SETTINGS_H
// The user's configuration, its defaults, and the backup copy that "元に戻す" restores.

#include "text/Text.h"

#include <limits.h>
#include <stddef.h>

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
    int rivals;                            // 1: a page per opponent the report names, linked from its
                                           // opponent sections (an option, off by default)
};

// The kind of a setting: how its field is held, read, written and defaulted.
enum SettingKind {
    SETTING_ID_LIST,   // the remembered IDs and currentId; the file's special line (settings/IdList.h)
    SETTING_TEXT,      // a text field of `size` bytes, cut to fit
    SETTING_NUMBER,    // a decimal number from low to high; a file's number outside reads as the default
    SETTING_FLAG       // 0 or 1; a file's line is 1 only when its number is exactly 1
};

enum SettingPresence {
    ALWAYS_WRITTEN,     // every file holds the line
    WRITTEN_WHEN_SET    // only while the field is set (a text not empty, a number not 0), so a file
                        // without the option is as before it existed; a missing line leaves the field
};

// One setting, once: the file's reader and writer, applyDefaults and vornix-cli's options walk these.
struct SettingDescriptor {
    const char* tag;           // the tag of its line in vornix.ini, code page 932, case-sensitive
    SettingKind kind;
    void* field;               // in settings: char[size] for SETTING_TEXT, int for numbers and flags;
                               // NULL for the ID list
    size_t size;               // SETTING_TEXT: bytes of the field
    const char* defaultText;   // SETTING_TEXT: what applyDefaults sets (NULL: the field is left)
    int defaultNumber;         // SETTING_NUMBER, SETTING_FLAG: what applyDefaults sets
    int low, high;             // SETTING_NUMBER: the accepted range
    SettingPresence presence;
    const char* cliOption;     // the vornix-cli option that sets it for one run; NULL: none
};

extern Settings settings;
extern Settings settingsBackup;   // the whole record as takeBackup found it

extern const SettingDescriptor settingDescriptors[];   // in the file's line order
extern const int SETTING_COUNT;

extern const char DEFAULT_LOG_PATH[];   // "C:\Kalvento\JAPANESE\Zentolog.txt"

// Resets the settings to their start values (before any file is read): everything empty or 0,
// saveOnExit 1.
void resetSettings(void);

// Sets every setting of settingDescriptors to its default: the log path, the default rates (0 and
// 20000), saveOnExit 1, reportOnDesktop 0, the default colorScheme 0, trendCharts 0 and rivals 0; leaves
// currentId and the ID list as they are.
void applyDefaults(void);

// Copies the whole of settings into settingsBackup.
void takeBackup(void);

// Copies settingsBackup back into settings, all but the ID list (idList, idCount), which stays.
void restoreBackup(void);

#endif
