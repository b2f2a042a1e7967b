#pragma once
// How the C allocator treats large blocks in the two phases of a run.
//
// Start-up decodes images and music into large blocks that are freed as soon as they are
// uploaded; handing such blocks straight back to the system keeps them out of the resident
// peak. Once start-up is over, the software renderer allocates and frees large blocks on
// every frame; mapping and unmapping those each time costs the frame about a quarter of its
// time in the kernel, so from then on freed blocks are kept for reuse.

// Call before loading anything (main does, before it creates the window).
void returnLargeBlocksAtOnce();

// Call once start-up has finished, before the first frame.
void keepLargeBlocksBetweenFrames();

// After a frame that drew the still table's pictures and the whole kept scene: the software
// renderer compiled that frame's programs, and its scratch memory, freed inside the heap,
// would stay resident under the blocks the frames hold. Its pages go back to the system;
// the frames that follow reuse the space. Costs a few milliseconds, so only on such frames.
void giveBackFreedMemory();
