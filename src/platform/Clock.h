#pragma once
#include <cstdint>

// The one millisecond clock behind every timer of the game. It reads the real time, or, for headless
// runs, a virtual time that moves only when a frame is presented, so that the same input always gives
// the same game.
uint32_t timeGetTime();

void useRealClock();
void useVirtualClock(uint32_t msPerFrame);
bool clockIsVirtual();
// Called by the graphics device when a frame is presented: the virtual clock moves one frame on.
void advanceVirtualClock();
