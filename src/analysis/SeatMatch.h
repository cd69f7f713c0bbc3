#ifndef VORNIX_SEATMATCH_H
#define VORNIX_SEATMATCH_H
// Whether a player line of the log seats the analysed ID.

// The name run of a player line is the text after "#" and white space, up to the next white space;
// the seat's name keeps its first 12 bytes. Returns 1 when an ID of at most 12 bytes equals that
// 12-byte name, or a longer ID (13 to 15 bytes) equals the whole run; 0 otherwise, and for a line
// without "#" or without a name.
int playerLineNamesId(const char* line, const char* id);

#endif
