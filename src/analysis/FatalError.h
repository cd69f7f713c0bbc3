#ifndef VORNIX_FATALERROR_H
#define VORNIX_FATALERROR_H
// The one exit for unrecoverable conditions of a run.

enum { FATAL_CLEANUP_SLOTS = 4 };

// Formats the message (at most 255 bytes), shows it in the error message box, calls the registered
// cleanups in the order they were registered (the run's drop the temporary files of its outputs, so
// that the previous files stay as they were and no new file appears, release its folder lock and its
// storage) and ends the process with exit code 1.
[[noreturn]] void fatalError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same for an entry the tolerant reading (settings.skipBroken) would have skipped.
[[noreturn]] void fatalEntryError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A front end that keeps running after a failed run: once set, fatalError calls the cleanups as above,
// then hands the message to handler instead of
// showing it and ending the process; skippable is 1 for fatalEntryError. handler must not return (it
// leaves the run, as with longjmp). NULL, the start: the message box and exit code 1.
void setFatalErrorHandler(void (*handler)(const char* text, int skippable));

// Has fatalError call cleanup after those registered before; a cleanup already registered is
// not added again, so a run may register its own at every start. At most FATAL_CLEANUP_SLOTS cleanups;
// registering more is a programming error (assert).
void onFatalError(void (*cleanup)(void));

#endif
