#ifndef VORNIX_CLIOPTIONS_H
#define VORNIX_CLIOPTIONS_H
// The arguments of vornix-cli:
//   vornix-cli --log FILE --id ID [--min N] [--max N] [--scheme 0-3] [--out DIR] [--trends]

#include "text/Text.h"

struct CliOptions {
    char logPath[PATH_SIZE];     // FILE in code page 932, at most 261 bytes
    char id[ID_SIZE];            // ID in code page 932, at most 15 bytes
    int minRate;                 // 0 unless given
    int maxRate;                 // 20000 unless given
    int colorScheme;             // 0 to 3; 0 unless given
    char outputFolder[PATH_SIZE];   // DIR in code page 932; empty: the current directory
    int trendCharts;             // 1 with --trends: the progress section and the monthly table
};

extern const char CLI_USAGE[];   // the usage text for stderr, one line and a line feed

// Reads argv[1..argc-1] into options (text arguments converted from the terminal's encoding). Returns
// 1 when they are complete and valid; 0 on an unknown option, a missing value, a number that is not a
// whole decimal number, a scheme outside 0 to 3, or without --log or --id. On 0, *problem names the
// fault in a few words.
int parseCliOptions(int argc, char** argv, CliOptions* options, const char** problem);

#endif
