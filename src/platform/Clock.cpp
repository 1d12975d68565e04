#include "platform/Clock.h"

#include <SDL.h>

namespace {
bool virtualClock = false;
uint32_t virtualNow = 0;
uint32_t virtualStep = 16;
}  // namespace

uint32_t timeGetTime() { return virtualClock ? virtualNow : SDL_GetTicks(); }

void useRealClock() { virtualClock = false; }

void useVirtualClock(uint32_t msPerFrame) {
  virtualClock = true;
  virtualNow = 0;
  virtualStep = msPerFrame;
}

bool clockIsVirtual() { return virtualClock; }

void advanceVirtualClock() {
  if (virtualClock) virtualNow += virtualStep;
}
