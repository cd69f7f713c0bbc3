#ifndef VORNIX_NAMEINDEX_H
#define VORNIX_NAMEINDEX_H
// An open-addressing index beside a table of named items: each slot holds an item number + 1 (0 when
// free) and the hash of that item's key, so that a probe compares keys only when the hashes agree (an
// item is rarely in the cache; the slot's hash is). The table owns the items and says when a key is
// an item's; the index only finds and enters them. It is kept at most half full.

#include <stddef.h>
#include <stdint.h>

struct NameSlot {
    uint32_t hash;   // of the item's key
    int item;        // item number + 1; 0: the slot is free
};

struct NameIndex {
    NameSlot* slots;   // NULL until fitNameIndex allocates them, or storage the table lends
    size_t size;       // slots: 0 or a power of two
};

// The slot holding the item whose key is key (matches(table, item, key) says so) and whose hash is
// hash, or the free slot where it belongs. The index must have slots, at least one free.
inline size_t findNameSlot(const NameIndex* index, uint32_t hash,
                           int (*matches)(const void* table, int item, const void* key), const void* table,
                           const void* key)
{
    size_t mask = index->size - 1;
    size_t slot = hash & mask;
    for (; index->slots[slot].item != 0; slot = (slot + 1) & mask) {
        const NameSlot* s = &index->slots[slot];
        if (s->hash == hash && matches(table, s->item - 1, key)) break;
    }
    return slot;
}

// The item number in the slot findNameSlot returned; -1 for a free slot.
inline int nameSlotItem(const NameIndex* index, size_t slot) { return index->slots[slot].item - 1; }

// Enters item under hash in the free slot findNameSlot returned.
inline void enterName(NameIndex* index, size_t slot, uint32_t hash, int item)
{
    index->slots[slot].hash = hash;
    index->slots[slot].item = item + 1;
}

// A hint that a key of hash will be looked up soon: the slot where its probe starts is fetched from
// memory meanwhile. Changes nothing; nothing happens while the index has no slots.
inline void prefetchNameSlot(const NameIndex* index, uint32_t hash)
{
    if (index->slots) __builtin_prefetch(&index->slots[hash & (index->size - 1)]);
}

// Makes the index at least `at least` slots (rounded up to a power of two). Only a larger index is
// built anew, in the same storage grown, from the slots of the old one (their hashes say where each
// goes, so no item is read); item numbers are kept. Returns 0 when out of memory: the index is then
// unchanged.
int fitNameIndex(NameIndex* index, size_t atLeast);

// The same in storage an owner grows: grow(owner, bytes) returns the storage made at least bytes long
// with its contents kept (it may have moved), NULL when out of memory. The owner gives it back and
// empties the index itself; releaseNameIndex is not for such an index.
int fitNameIndexIn(NameIndex* index, size_t atLeast, void* (*grow)(void* owner, size_t bytes), void* owner);

// Frees every slot; the storage is kept.
void clearNameIndex(NameIndex* index);

// Releases the storage fitNameIndex allocated: no slots.
void releaseNameIndex(NameIndex* index);

#endif
