#include "text/NameIndex.h"

#include <stdlib.h>
#include <string.h>

// A fresh page that is read before it is written faults twice (the shared page of zeros, then a page
// of its own), and the spreading below reads each new slot before it fills it: the new slots are
// zeroed by writing them first, through a pointer the compiler can't turn back into calloc.
static void* (*volatile zeroBytes)(void*, int, size_t) = memset;

// Doubles the index in its own storage: slots [0, half) hold the index of half slots, [half, 2 half)
// are free. Each item is taken out and entered again, in the order of the old slots from one after a
// free slot round to it. That order keeps every probe sound: an item probes from its new home, which
// is its old one or that plus half; up to its old slot (free now) the slots it passes were all taken
// in hand already, and in the upper half nothing but items entered again lies. An item placed before
// the old index wraps round can't run off the top (the items homed at or above a slot of the upper
// half are too few to fill the slots from there), so no probe passes a slot still to be emptied.
static void spreadSlots(NameSlot* slots, size_t half)
{
    size_t mask = 2 * half - 1;
    size_t start = 0;
    while (slots[start].item != 0) start++;   // the index is never full
    for (size_t k = 1; k < half; k++) {
        size_t j = (start + k) & (half - 1);
        if (slots[j].item == 0) continue;
        NameSlot moved = slots[j];
        slots[j].item = 0;
        size_t slot = moved.hash & mask;
        while (slots[slot].item != 0) slot = (slot + 1) & mask;
        slots[slot] = moved;
    }
}

// Grown in place: the old slots keep their pages (a large block grows by the system's page tables, or
// where it lies in its owner's storage),
// and only the new ones are fresh memory, where building a whole new index beside the old one
// touched as much memory again as the final index at every growth.
int fitNameIndexIn(NameIndex* index, size_t atLeast, void* (*grow)(void* owner, size_t bytes), void* owner)
{
    size_t size = index->size ? index->size : 1;
    while (size < atLeast) size *= 2;
    if (size == index->size) return 1;
    NameSlot* slots = (NameSlot*)grow(owner, size * sizeof *slots);
    if (!slots) return 0;
    size_t old = index->size;
    zeroBytes(slots + old, 0, (size - old) * sizeof *slots);
    for (size_t half = old; half && half < size; half *= 2) spreadSlots(slots, half);
    index->slots = slots;
    index->size = size;
    return 1;
}

static void* reallocSlots(void* index, size_t bytes)
{
    return realloc(((NameIndex*)index)->slots, bytes);
}

int fitNameIndex(NameIndex* index, size_t atLeast)
{
    return fitNameIndexIn(index, atLeast, reallocSlots, index);
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
