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

enum {
    DATE_SIZE = 11,          // a day "YYYY/MM/DD"
    ALSO_ID_LIST_SIZE = 9 * ID_SIZE + 1,   // up to 9 further IDs, each ";"-terminated
    LOBBY_LIST_SIZE = 240    // lobbies, each ";"-terminated: at most 239 bytes, so that the file's
                             // line stays within the 261 bytes its reader takes at once
};

// The analysis conditions' values of gameLength and seats (0: the condition is off).
enum { LENGTH_TONPU = 1, LENGTH_HANCHAN = 2 };

// The further IDs kept for one remembered ID (settings/AlsoIds.h).
struct AlsoIdsOfId {
    char id[ID_SIZE];
    char list[ALSO_ID_LIST_SIZE];   // "B;C;"; empty: the place is free
};

struct Settings {
    char currentId[ID_SIZE];               // the ID the next analysis uses; at most 15 bytes
    char alsoIds[ALSO_ID_LIST_SIZE];       // "B;C;": further IDs of the same player, analysed with
                                           // currentId as one (an option, empty by default)
    char idList[ID_LIST_SLOTS][ID_SIZE];   // remembered IDs, most recent first
    AlsoIdsOfId keptAlsoIds[ID_LIST_SLOTS + 1];   // the further IDs of remembered IDs, in no order
    unsigned idCount;                      // slots of idList in use, 0 to 10, from slot 0
    char logPath[PATH_SIZE];               // the game log; at most 261 bytes
    int minRate;                           // lowest rate analysed, inclusive
    int maxRate;                           // highest rate analysed, inclusive
    int saveOnExit;                        // 1: the dialog's state is stored at program end
    int reportOnDesktop;                   // 1: output to the desktop; 0: to the program folder
    int colorScheme;                       // 0 "標準", 1 "白", 2 "黒", 3 "青"
    int trendCharts;                       // 1: the report also shows the progress over time and the
                                           // monthly table is written (an option, off by default)
    // The analysis conditions (settings/AnalysisConditions.h), all off by default: a game outside one
    // is skipped like one outside the rate range.
    char firstDay[DATE_SIZE];              // "YYYY/MM/DD" or empty: the period's first day, inclusive
    char lastDay[DATE_SIZE];               // "YYYY/MM/DD" or empty: its last day, inclusive
    char lobbies[LOBBY_LIST_SIZE];         // "A;B;": the lobbies taken; empty: every lobby
    int gameLength;                        // 0 every game, LENGTH_TONPU or LENGTH_HANCHAN only
    int seats;                             // 0 every game, 4 or 3: only games with that many seats
    int skipBroken;                        // 1: a broken entry is skipped and counted instead of
                                           // ending the run
    int details;                           // 1: the report also shows the detailed record and the
                                           // table by condition is written (an option, off by default)
    int rivals;                            // 1: a page per opponent the report names, linked from its
                                           // opponent sections (an option, off by default)
};

// The kind of a setting: how its field is held, read, written and defaulted.
enum SettingKind {
    SETTING_ID_LIST,   // the remembered IDs and currentId; the file's special line (settings/IdList.h)
    SETTING_TEXT,      // a text field of `size` bytes, cut to fit
    SETTING_NUMBER,    // a decimal number from low to high; a file's number outside reads as the default
    SETTING_FLAG,      // 0 or 1; a file's line is 1 only when its number is exactly 1
    SETTING_DATE,      // a day of DATE_SIZE bytes, empty or "YYYY/MM/DD", read through readDateInput;
                       // a file's value that is no day leaves the field
    SETTING_ALSO_IDS,  // the further IDs of currentId, a ";"-terminated list of `size` bytes
                       // (settings/AlsoIds.h); a file's value isAlsoIdList refuses leaves the field;
                       // the lines of the other remembered IDs' follow it, "<tag:ID>B;C;</tag>";
                       // vornix-cli's option may be repeated, each time one ID taken like --id
    SETTING_LIST       // a ";"-terminated list of `size` bytes (isItemList); a file's value that is
                       // no such list, or does not fit, leaves the field; vornix-cli's option may be
                       // repeated, each time adding one item
};

enum SettingPresence {
    ALWAYS_WRITTEN,     // every file holds the line
    WRITTEN_WHEN_SET    // only while the field is set (a text not empty, a number not 0), so a file
                        // without the option is as before it existed; a missing line leaves the field
};

// A word vornix-cli takes for a number setting, and the number it stands for.
struct SettingWord {
    const char* word;   // code page 932
    int value;
};

// One setting, once: the file's reader and writer, applyDefaults and vornix-cli's options walk these.
struct SettingDescriptor {
    const char* tag;           // the tag of its line in vornix.ini, code page 932, case-sensitive
    SettingKind kind;
    void* field;               // in settings: char[size] for the texts, days and lists, int for numbers
                               // and flags;
                               // NULL for the ID list
    size_t size;               // SETTING_TEXT, SETTING_DATE, SETTING_LIST: bytes of the field
    const char* defaultText;   // SETTING_TEXT, SETTING_DATE, SETTING_LIST: what applyDefaults sets
                               // (NULL: the field is left)
    int defaultNumber;         // SETTING_NUMBER, SETTING_FLAG: what applyDefaults sets
    int low, high;             // SETTING_NUMBER: the accepted range
    SettingPresence presence;
    const char* cliOption;     // the vornix-cli option that sets it for one run; NULL: none
    const SettingWord* words;  // SETTING_NUMBER: the option takes these words (ending in a NULL word)
                               // instead of digits; NULL: digits
    const char* badWord;       // with words: the refusal of another value (%s the option)
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
// 20000), saveOnExit 1, reportOnDesktop 0, the default colorScheme 0, trendCharts 0, details 0, rivals
// 0 and every analysis condition off; leaves currentId and the ID list as they are.
void applyDefaults(void);

// The row of the tag; NULL when no setting has it.
const SettingDescriptor* findSetting(const char* tag);

// 1 when the setting's field is set: a text not empty, a number or flag not 0.
int settingIsSet(const SettingDescriptor* setting);

// Sets the field to its default (applyDefaults for one row); a text without a default becomes empty.
void resetSetting(const SettingDescriptor* setting);

// Copies the whole of settings into settingsBackup.
void takeBackup(void);

// Copies settingsBackup back into settings, all but the ID list (idList, idCount, keptAlsoIds), which
// stays.
void restoreBackup(void);

#endif
