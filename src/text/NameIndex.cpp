#include "text/NameIndex.h"

#include <stdlib.h>
#include <string.h>

// A fresh page that is read before it is written faults twice (the shared page of zeros, then a page
// of its own), and the rebuild below reads each slot before it fills it: the slots are zeroed by
// writing them first, through a pointer the compiler can't turn back into calloc.
static void* (*volatile zeroBytes)(void*, int, size_t) = memset;

int fitNameIndex(NameIndex* index, size_t atLeast)
{
    size_t size = index->size ? index->size : 1;
    while (size < atLeast) size *= 2;
    if (size == index->size) return 1;
    NameSlot* slots = (NameSlot*)malloc(size * sizeof *slots);
    if (!slots) return 0;
    zeroBytes(slots, 0, size * sizeof *slots);
    for (size_t i = 0; i < index->size; i++) {
        if (index->slots[i].item == 0) continue;
        size_t slot = index->slots[i].hash & (size - 1);
        while (slots[slot].item != 0) slot = (slot + 1) & (size - 1);
        slots[slot] = index->slots[i];
    }
    free(index->slots);
    index->slots = slots;
    index->size = size;
    return 1;
}

void clearNameIndex(NameIndex* index)
{
    if (index->slots) memset(index->slots, 0, index->size * sizeof *index->slots);
}

void releaseNameIndex(NameIndex* index)
{
    free(index->slots);
    index->slots = NULL;
    index->size = 0;
}
