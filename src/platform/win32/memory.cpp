// Reserved and committed memory on Windows.
#include "platform/platform.h"

#include <windows.h>

void* reserveMemory(size_t bytes)
{
    return VirtualAlloc(NULL, bytes, MEM_RESERVE, PAGE_NOACCESS);
}

int commitMemory(void* start, size_t bytes)
{
    // Committed pages read zeros and take physical memory at their first touch.
    return VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) != NULL;
}

void releaseMemory(void* start, size_t)
{
    VirtualFree(start, 0, MEM_RELEASE);
}
