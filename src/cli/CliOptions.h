#ifndef VORNIX_CLIOPTIONS_H
#define VORNIX_CLIOPTIONS_H
// The arguments of vornix-cli (the usage itself is CLI_USAGE in text/Messages.h).

#include "platform/platform.h"
#include "text/Text.h"

// What vornix-cli takes beside the settings: the other options set the fields of settings directly
// (--id currentId, and every setting whose descriptor names its option).
struct CliOptions {
    char logPath[NATIVE_PATH_SIZE];        // FILE as given (native), at most nativePathLimit() bytes
    char outputFolder[NATIVE_PATH_SIZE];   // DIR as given (native); empty: the current directory
    int help;                              // 1: --help was given; nothing else is required then
};

// Resets settings to their defaults, then reads argv[1..argc-1] into options and settings (the ID
// converted from the terminal's encoding, the paths kept as given). Returns 1 when they are complete
// and valid; 0 on an unknown option, a missing value, an option given twice, a text longer than its
// limit (never cut), an ID or a lobby with a character code page 932 lacks, a number that is not a
// whole decimal number or lies outside its range, a day readDateInput refuses, a period whose first
// day lies after its last, a lobby addListItem refuses, or without --log or --id (unless --help was
// given); --lobby and --also-id alone may be repeated, each time one more lobby or further ID (an
// --also-id is refused as addAlsoId refuses it, and when it equals --id). On 0,
// *problem names the fault and the option in a few words (code page 932), limits included.
int parseCliOptions(int argc, char** argv, CliOptions* options, const char** problem);

#endif
