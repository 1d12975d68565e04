#include "platform/FrameTimer.h"

#include "platform/Clock.h"

void FrameTimer::BeginFrame() {
  if (frameValid) frameStartMs = timeGetTime();
}

void FrameTimer::EndFrame() {
  if (frameValid)
    frameMs = timeGetTime() - frameStartMs;
  else
    frameValid = 1;
}

void FrameTimer::CountFps() {
  if (fpsAccumMs <= 1000) {
    fpsAccumMs += frameMs;
    fpsFrames += 1;
  }
  if (fpsAccumMs > 1000) {
    fps = fpsFrames;
    fpsAccumMs = 0;
    fpsFrames = 0;
  }
}
