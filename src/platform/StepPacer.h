#pragma once
#include <cstdint>

// Turns a speed in units per second and the last frame time into whole animation steps for this
// frame, so motion runs at the same speed on slow and fast machines. `expected` is the number of
// steps a frame should take; results far from it are clamped and the difference is carried in
// `fraction` (borrowed steps are paid back by later frames).
class StepPacer {
 public:
  static constexpr int kNotComputed = 5000;

  float fraction = 0;
  int pending = 0;
  uint8_t lastResult = 0;
  float amount = 0;
  int average = 0;
  uint8_t calibrationFrames = 0;
  uint8_t averageFrames = 0;
  float reference = 0;
  float averageSum = 0;
  int expected = kNotComputed;
  uint8_t out = 0;

  uint8_t Step(int rate, uint32_t frameMs);
  uint8_t StepAveraged(int rate, uint32_t frameMs);
  void Calibrate(uint32_t frameMs);

 private:
  uint8_t payOut();
};
