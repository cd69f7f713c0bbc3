#ifndef VORNIX_RECORDINGPLATFORM_H
#define VORNIX_RECORDINGPLATFORM_H
// The test double of the user-facing platform calls: message boxes and shell opens are recorded
// (and messages also written to stderr, so death tests can match them); process exit is real.

#include <string>
#include <vector>

extern std::vector<std::string> shownMessages;   // texts of the message boxes, in order
extern std::vector<std::string> openedPaths;     // paths handed to shellOpen, in order

// The text as lower-case hexadecimal digits. The double writes every message to stderr as
// "message: " and this form, so death tests can match code page 932 text with a plain regex:
// EXPECT_EXIT(..., ExitedWithCode(1), "message: " + hexOf(MESSAGE_MALFORMED_ENTRY)).
std::string hexOf(const std::string& text);

// Forgets what was recorded.
void clearRecordings(void);

#endif
