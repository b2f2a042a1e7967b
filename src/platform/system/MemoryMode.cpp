#include "platform/system/MemoryMode.h"

#include <malloc.h>

void returnLargeBlocksAtOnce()
{
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

void keepLargeBlocksBetweenFrames()
{
    // The largest threshold the allocator would reach on its own; frames never free more
    // than this at once, so the heap they use settles and stays.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    // What start-up freed inside the heap (the effects' programs linked to check them, the
    // music files read to measure them, decoded pictures) would otherwise stay resident
    // under the blocks still held beyond it: its pages go back now, and the frames reuse
    // the space.
    giveBackFreedMemory();
}

void giveBackFreedMemory()
{
    malloc_trim(0);
}
