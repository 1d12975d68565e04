#pragma once
#include <cstdint>

// The standing dude's breathing: frames 0 to 7 and back down again (0, 1, ..., 7, 7, 6, ..., 0, 1, ...).
inline void stepIdleFrame(uint8_t& frame, uint8_t& rising) {
  if (frame > 7) frame = 7;
  if (rising) {
    if (++frame == 8) {
      frame = 7;
      rising = 0;
    }
  } else if (frame == 0) {
    frame = 1;
    rising = 1;
  } else {
    --frame;
  }
}
