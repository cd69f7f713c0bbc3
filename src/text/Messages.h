#ifndef VORNIX_MESSAGES_H
#define VORNIX_MESSAGES_H
// Every text the programs show the user, in one table: the message boxes (or, in a console, the
// lines on stderr), the dialog texts set from the code, and vornix-cli's own texts. The texts
// themselves are in Messages.cpp, code page 932 like every literal of the sources; the dialog's and
// the menu's texts are in the resource script.

// The caption of every message box, and the prefix of a message on a console.
extern const char MESSAGE_CAPTION[];

// Refusals of the Run command and of vornix-cli, shown before any file is touched.
extern const char MESSAGE_NO_ID[];                // the ID box holds the placeholder
extern const char MESSAGE_ID_NOT_A_FILE_NAME[];   // the ID holds a character a file name can't hold
extern const char MESSAGE_LOG_NOT_OPENED[];       // the log can't be opened or is no regular file
extern const char MESSAGE_NO_GAME[];              // no game of the ID within the rate range
extern const char MESSAGE_NO_GAME_RATES[];        // its line naming the range: %d and %d
extern const char MESSAGE_NO_GAME_ADVICE[];       // its last line without a condition set
extern const char MESSAGE_NO_GAME_ADVICE_CONDITIONS[];   // the same with a condition set
extern const char MESSAGE_LOG_NOT_FOUND[];        // the Windows program's: %s the log's full path
// The Windows program's question after a fatal error the tolerant reading would have skipped.
extern const char MESSAGE_SKIP_BROKEN_QUESTION[];

// Fatal errors of a run (fatalError): the process then ends with exit code 1. The four that end in
// a line feed are formats for fatalError as they stand.
extern const char MESSAGE_MALFORMED_ENTRY[];   // a player line or a result line out of shape
extern const char MESSAGE_NONZERO_SUM[];       // the scores of a game don't sum to 0
extern const char MESSAGE_IMPOSSIBLE_RATE[];   // a rate below 0 or above 20000
extern const char MESSAGE_LOG_NOT_READ[];      // a read error in the middle of the log
extern const char MESSAGE_OUT_OF_MEMORY[];     // a table can't grow

// The output files.
extern const char MESSAGE_REPORT_NOT_CREATED[];   // the report can't be created
extern const char MESSAGE_REPORT_NOT_WRITTEN[];   // the report could not be written in full
extern const char MESSAGE_OUTPUT_IN_THE_WAY[];    // before the path of what has an output's name and
                                                  // is no file (a folder, a symlink, a FIFO)
extern const char MESSAGE_TABLE_NOT_WRITTEN[];    // follows the names of tables not written in full
extern const char MESSAGE_REPORT_NOT_SHOWN[];     // the shell could not open the report; its path follows
extern const char MESSAGE_GUIDE_NOT_SHOWN[];      // the shell could not open the user guide; its path follows
extern const char MESSAGE_SETTINGS_NOT_SAVED[];   // vornix.ini could not be written
extern const char MESSAGE_NO_OUTPUT_FOLDER[];     // vornix-cli: --out can't be entered
extern const char MESSAGE_FOLDER_BUSY[];          // another run writes into the output folder; its path follows

// Texts of the Windows program set from the code.
extern const char ID_PLACEHOLDER[];        // the ID box when no ID is known; never analysed
extern const char LOG_CHOOSER_TITLE[];     // the title of the log file chooser
extern const char LOG_CHOOSER_FILTERS[];   // its filters: pairs of name and pattern, each ending in a
                                           // zero byte, and a zero byte after the last pair

// vornix-cli's own texts, on stdout and stderr. The problem texts are printf formats taking the
// option's name (and its limits).
extern const char CLI_USAGE[];            // the usage lines, each ending in a line feed
extern const char CLI_HELP[];             // what --help prints after the usage line
extern const char CLI_NOT_WRITTEN[];      // before the path of an output not written in full
extern const char CLI_UNKNOWN_OPTION[];   // %s the argument
extern const char CLI_MISSING_VALUE[];    // %s the option
extern const char CLI_REPEATED[];         // %s the option
extern const char CLI_TOO_LONG[];         // %s the option, %zu its limit in bytes
extern const char CLI_NOT_A_NUMBER[];     // %s the option
extern const char CLI_OUT_OF_RANGE[];     // %s the option, %d and %d its range
extern const char CLI_REQUIRED[];         // %s the option
extern const char CLI_NOT_CP932[];        // %s the option: a character code page 932 lacks
extern const char CLI_MIN_ABOVE_MAX[];    // --min greater than --max

// The analysis conditions (settings/AnalysisConditions.h): the refusals of a typed day, a period and
// a lobby, shown by the dialog and by vornix-cli (after the option's name).
extern const char MESSAGE_DATE_FORM[];          // no day of the forms YYYY/MM/DD, YYYY-MM-DD, YYYY/M/D
extern const char MESSAGE_DATE_IMPOSSIBLE[];    // a day the calendar lacks (2024/02/30)
extern const char MESSAGE_PERIOD_REVERSED[];    // the first day after the last
extern const char MESSAGE_STORED_PERIOD_DROPPED[];   // the same in vornix.ini: the period was dropped
extern const char MESSAGE_LOBBY_UNLISTABLE[];   // an empty lobby or one holding ";"
extern const char MESSAGE_TOO_MANY_LOBBIES[];   // the lobbies don't fit in the setting

// Refusals of a further ID of the player (settings/AlsoIds.h); the one of a character a file name
// can't hold is the ID's own.
extern const char MESSAGE_ALSO_ID_REPEATED[];    // given twice
extern const char MESSAGE_ALSO_ID_IS_ID[];       // the same as the ID
extern const char MESSAGE_TOO_MANY_ALSO_IDS[];   // more than 9
extern const char MESSAGE_ALSO_ID_TOO_LONG[];    // the dialog's: more than 15 bytes
extern const char MESSAGE_ALSO_ID_REFUSED[];     // the dialog's: %s the ID refused, %s why
extern const char CLI_TWO_ID_ENTRIES[];          // vornix-cli's: %d entries seating two of the IDs
// The line added to a fatal log-format error: a format taking the physical line number (%lld).
extern const char MESSAGE_AT_LINE[];
// The dialog's lobby list: formats taking the lobby and a number (%d).
extern const char CONDITION_LOBBY_ITEM_OWN[];   // the ID's games in that lobby
extern const char CONDITION_LOBBY_ITEM_ALL[];   // the entries of every player, the ID box holding none
extern const char CONDITION_LOBBY_UNNAMED[];    // shown for a lobby whose name is empty
extern const char CONDITIONS_DAY_IMPOSSIBLE[];  // a day the calendar lacks: %s the box, %s the text
extern const char CONDITIONS_DAY_REFUSED[];     // another refusal: %s the box, %s the text, %s why
// vornix-cli: the tolerant reading's skipped entries, a format taking their number (%d) and the line
// numbers of the first ten (%s); a line feed ends it.
extern const char CLI_SKIPPED_ENTRIES[];
extern const char CLI_BAD_LENGTH[];             // %s the option: a value other than its four words

// The 分析条件 dialog's note under its lobby list: what no check means, and why the list may lack a
// lobby of the log (each on a line of its own after the first). Each is short enough for one line
// of the note, so that the note breaks only where a line ends.
extern const char CONDITIONS_NO_LOBBY_MEANS_ALL[];
extern const char CONDITIONS_LOBBIES_NOT_READ[]; // the log could not be opened; its path follows
extern const char CONDITIONS_ONLY_CHOSEN_SHOWN[];   // follows it when lobbies had been chosen
extern const char CONDITIONS_LOBBIES_CUT[];      // more lobbies than the list holds
extern const char CONDITIONS_LOG_NOT_READ[];     // a read error ended the listing early
// The page of each opponent.
extern const char MESSAGE_LOG_CHANGED[];   // the log changed between its two reads: no page

// The main dialog's line of what the next run uses, and of its progress.
extern const char SUMMARY_LOG_MISSING[];    // the log path names no file that can be read
extern const char SUMMARY_SKIP_BROKEN[];    // the tolerant reading is on
extern const char SUMMARY_ALSO_IDS[];       // before the further IDs, joined by "、"
extern const char SUMMARY_OUTPUTS[];        // before the optional outputs, joined by "・"
extern const char SUMMARY_TREND_CHARTS[];
extern const char SUMMARY_DETAILS[];
extern const char SUMMARY_RIVALS[];
extern const char SUMMARY_PROGRESS[];       // %d the share of the log read, in per cent

#endif
