#ifndef VORNIX_UI_SHELLOPEN_H
#define VORNIX_UI_SHELLOPEN_H
// Opening the report and the user guide with the shell, and saying so when it can't.

// Opens path with the shell's default program. When the shell can't (no program for the kind), a
// warning of message followed by fullPath tells the user which file to open by hand.
void openForUser(const char* path, const char* fullPath, const char* message);

#endif
