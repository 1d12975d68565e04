#pragma once
#include "platform/InputSource.h"

#include <cstdint>

class GraphicsDevice;

// F11, or Enter with Alt held: the keys that switch between full screen and a window.
bool isFullScreenToggle(int scancode, uint16_t modifiers);

// Reads the real keyboard and mouse through SDL; the pointer position is taken in the game's
// 800 by 600 coordinates, whatever the size of the window. Enter held with Alt is the full-screen
// switch, not the game's Enter.
class SdlInput : public InputSource {
 public:
  explicit SdlInput(const GraphicsDevice* graphics) : graphics(graphics) {}
  void read(InputSnapshot& snapshot) override;

 private:
  const GraphicsDevice* graphics;
};
