#pragma once
#include <cstdint>

#include "platform/Clock.h"

// A start time and a state byte: state 1 arms the timer, state 2 fires once when more than the
// period has passed and re-arms; state 0 is a timer that has stopped for good. Every periodic
// animation runs on one.
struct TimerPair {
  uint8_t state = 1;
  uint32_t startMs = 0;

  bool fires(uint32_t periodMs) {
    if (state == 1) {
      startMs = timeGetTime();
      state = 2;
      return false;
    }
    if (state == 2 && timeGetTime() - startMs > periodMs) {
      state = 1;
      return true;
    }
    return false;
  }
  bool operator==(const TimerPair&) const = default;
};
