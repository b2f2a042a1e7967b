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

// What was freed inside the heap goes back to the system (its pages would otherwise stay
// resident under the blocks still held). The renderer calls it after drawing fresh still
// pictures and after that frame's scene, whose programs the software renderer compiled in
// scratch memory. Costs a few milliseconds, so only on such rare occasions.
void giveBackFreedMemory();
