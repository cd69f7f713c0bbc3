#ifndef VORNIX_GROWINGBLOCK_H
#define VORNIX_GROWINGBLOCK_H
// A block of memory that grows in place. It is usable from its start up to `usable` bytes within
// address space reserved for it, a gigabyte at first, so that growing neither copies it nor moves its
// pages: with a large table grown by realloc, the system remapped the whole block at each growth,
// and on some virtual machines every page remapped costs a trap at its next touch. Beyond the
// reservation the block moves once into one four times as large. From 2 MB on it grows in steps of
// 2 MB, below that in steps of 64 KB.

#include <stddef.h>

struct GrowingBlock {
    char* start;       // NULL until the first growth; aligned to 2 MB
    size_t usable;     // bytes from start that may be read and written; zero until written
    size_t reserved;   // bytes of address space from start
    char* base;        // the reservation as the system gave it
    size_t baseBytes;
};

// Makes at least `bytes` usable, the contents of the usable part kept (the block moves only when its
// reservation is outgrown). Returns 0 when out of memory: the block is then unchanged.
int growBlock(GrowingBlock* block, size_t bytes);

// Grows the block, a table of itemSize-byte items of which it holds *capacity, by `more` items at
// least, and sets *capacity to the items it then holds (at most INT_MAX). Returns its start; NULL when
// out of memory or when the count would pass INT_MAX (the block is then unchanged).
void* growBlockItems(GrowingBlock* block, size_t itemSize, int* capacity, int more);

// growBlock as storage that grows (text/NameIndex.h's fitNameIndexIn): block is a GrowingBlock.
// Returns its start, NULL when out of memory.
void* growBlockStorage(void* block, size_t bytes);

// Gives the memory back: an empty block.
void releaseBlock(GrowingBlock* block);

#endif
