#pragma once
#include "platform/InputSource.h"

struct SDL_Renderer;

// Reads the real keyboard and mouse through SDL; the pointer position is taken in the game's
// 800 by 600 coordinates, whatever the size of the window.
class SdlInput : public InputSource {
 public:
  explicit SdlInput(SDL_Renderer* renderer) : renderer(renderer) {}
  void read(InputSnapshot& snapshot) override;

 private:
  SDL_Renderer* renderer;
};
