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
}
