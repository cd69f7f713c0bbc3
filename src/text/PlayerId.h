#ifndef VORNIX_PLAYERID_H
#define VORNIX_PLAYERID_H
// The one rule for the player ID that both programs analyse and name their tables after.

// 1 when id is code page 932 text (every byte part of a character the code page defines: no lone
// first byte, no first byte before a byte that can't be its second) that a file name can hold: no
// control character (below 0x20, or 0x7F) and none of \ / : * ? " < > | as a character; a second
// byte 0x5C or 0x7C ("ソ", "ポ", "表") is part of its character. The empty ID passes. Both programs
// refuse an ID that fails, before any file is touched.
int idIsValid(const char* id);

#endif
