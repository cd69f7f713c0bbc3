#ifndef VORNIX_IDLIST_H
#define VORNIX_IDLIST_H
// The remembered player IDs (settings.idList), most recently used first. The drop-down list that
// mirrors them belongs to the Windows program.

// Fills idList from the value of the settings file's ID line and sets idCount. Every ";" ends an ID
// (an empty one too), each is cut to 15 bytes, a trailing ";" adds nothing, and only the first 10
// IDs are kept. Slots from idCount on keep their former contents.
void parseIdList(const char* text);

// Moves currentId to slot 0, or inserts it there, dropping the least recent ID when all 10 slots are
// in use; the IDs that stood above its old place move down one slot. The ID placeholder is never
// stored. Comparisons are byte for byte.
void rememberCurrentId(void);

// Empties every slot in use and sets idCount to 0; currentId is not changed.
void clearIdList(void);

#endif
