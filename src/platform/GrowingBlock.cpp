#include "platform/GrowingBlock.h"

#include "platform/platform.h"

#include <limits.h>
#include <stdint.h>
#include <string.h>

enum { SMALL_STEP = 64 * 1024, LARGE_STEP = 2 * 1024 * 1024 };
static const size_t FIRST_RESERVATION = (size_t)1 << 30;

// bytes rounded up to the block's next step; 0 when that overflows.
static size_t stepUp(size_t bytes)
{
    size_t step = bytes <= LARGE_STEP ? SMALL_STEP : LARGE_STEP;
    if (bytes > SIZE_MAX - step) return 0;
    return (bytes + step - 1) / step * step;
}

// A reservation of at least `bytes` from a 2 MB boundary, into which the block moves with its
// contents. Returns 0 when the system refuses it or the memory.
static int moveBlock(GrowingBlock* block, size_t bytes)
{
    size_t size = FIRST_RESERVATION;
    if (bytes > FIRST_RESERVATION / 4) size = bytes <= (SIZE_MAX - LARGE_STEP) / 4 ? 4 * bytes : bytes;
    if (size > SIZE_MAX - LARGE_STEP) return 0;
    char* base = (char*)reserveMemory(size + LARGE_STEP);
    if (!base && size > bytes) {   // an address-space limit: as little as will do
        size = bytes;
        base = (char*)reserveMemory(size + LARGE_STEP);
    }
    if (!base) return 0;
    char* start = base + (LARGE_STEP - (uintptr_t)base % LARGE_STEP) % LARGE_STEP;
    if (!commitMemory(start, bytes)) {
        releaseMemory(base, size + LARGE_STEP);
        return 0;
    }
    if (block->usable) memcpy(start, block->start, block->usable);
    releaseBlock(block);
    block->start = start;
    block->usable = bytes;
    block->reserved = size;
    block->base = base;
    block->baseBytes = size + LARGE_STEP;
    return 1;
}

int growBlock(GrowingBlock* block, size_t bytes)
{
    if (bytes <= block->usable) return 1;
    size_t wanted = stepUp(bytes);
    if (!wanted) return 0;
    if (wanted > block->reserved) return moveBlock(block, wanted);
    if (!commitMemory(block->start + block->usable, wanted - block->usable)) return 0;
    block->usable = wanted;
    return 1;
}

void* growBlockItems(GrowingBlock* block, size_t itemSize, int* capacity, int more)
{
    if (*capacity > INT_MAX - more || !growBlock(block, itemSize * (size_t)(*capacity + more))) return NULL;
    size_t items = block->usable / itemSize;
    *capacity = items < INT_MAX ? (int)items : INT_MAX;
    return block->start;
}

void* growBlockStorage(void* block, size_t bytes)
{
    GrowingBlock* b = (GrowingBlock*)block;
    return growBlock(b, bytes) ? b->start : NULL;
}

void releaseBlock(GrowingBlock* block)
{
    if (block->base) releaseMemory(block->base, block->baseBytes);
    memset(block, 0, sizeof *block);
}
