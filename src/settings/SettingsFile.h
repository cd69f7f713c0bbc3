#ifndef VORNIX_SETTINGSFILE_H
#define VORNIX_SETTINGSFILE_H
// "vornix.ini": the tagged lines that keep the settings from one start to the next.

// Reads appPaths.settingsPath into settings. When the file can't be opened, applies the defaults and
// sets currentId to the ID placeholder, and returns 0; returns 1 when the file was read. A period
// that can never match (its first day after its last) is dropped like a day that does not read, and
// takeDroppedPeriodNotice tells of it.
int readSettingsFile(void);

// 1 once after readSettingsFile dropped the file's period (the next run refuses and says why), 0
// after that and when it kept the period.
int takeDroppedPeriodNotice(void);

// Writes the lines of settings to appPaths.settingsPath (seven, then one for each option or condition
// that is set),
// through a temporary file that replaces the old one only when everything was written. On failure
// shows MESSAGE_SETTINGS_NOT_SAVED, leaves the old file untouched and returns 0; returns 1 on success.
int writeSettingsFile(void);

#endif
