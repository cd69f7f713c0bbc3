// Reserved and committed memory on POSIX systems: address space mapped without access, made
// readable and writable piece by piece.
#include "platform/platform.h"

#include <stdint.h>
#include <sys/mman.h>

#ifndef MAP_NORESERVE
#define MAP_NORESERVE 0
#endif
#if defined(__linux__) && !defined(MADV_POPULATE_WRITE)
#define MADV_POPULATE_WRITE 23   // Linux 5.14; an older kernel refuses it, and the pages fault as usual
#endif

void* reserveMemory(size_t bytes)
{
    void* start = mmap(NULL, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return start == MAP_FAILED ? NULL : start;
}

int commitMemory(void* start, size_t bytes)
{
    // Private writable memory is charged to the process's commit here, where a system that keeps a
    // strict account refuses it.
    if (mprotect(start, bytes, PROT_READ | PROT_WRITE) != 0) return 0;
#ifdef __linux__
    // A hint: a kernel without it leaves the pages to fault one by one. Huge pages are not asked
    // for: on a virtual machine whose host takes back free memory they come from memory the host
    // must back again, and cost several times as much as small pages made ready here.
    madvise(start, bytes, MADV_POPULATE_WRITE);
#endif
    return 1;
}

void releaseMemory(void* start, size_t bytes)
{
    munmap(start, bytes);
}
