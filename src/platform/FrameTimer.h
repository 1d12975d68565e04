#pragma once
#include <cstdint>

// Measures how long each frame takes and counts frames per second. A scene that clears `frameValid`
// on entry gets no measurement on its first frame; `frameMs` then keeps the previous scene's value.
struct FrameTimer {
  uint32_t frameStartMs = 0;
  uint32_t frameMs = 0;
  uint8_t frameValid = 0;
  uint32_t fpsAccumMs = 0;
  uint32_t fpsFrames = 0;
  uint32_t fps = 0;

  void BeginFrame();
  void EndFrame();
  void CountFps();
};
