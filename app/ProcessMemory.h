// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Boards, boxes and help pages of every size come and go over hours of play and leave holes
// in the heap, and freed pages inside it stay resident until handed back. This hands them
// back to the system; it takes a few milliseconds, so it belongs in a pause the player
// expects, never in the tick. Does nothing where the C library cannot do it.
void handBackFreedMemory();

// The process's resident size in kB, or 0 where the system does not tell it.
long residentKb();
