#include "platform/StepPacer.h"

#include <cmath>

uint8_t StepPacer::Step(int rate, uint32_t frameMs) {
  amount = static_cast<float>(rate) * static_cast<float>(frameMs) * 0.001f;
  if (expected == kNotComputed) expected = (rate * (static_cast<int>(reference) / 50)) / 500;
  return payOut();
}

uint8_t StepPacer::StepAveraged(int rate, uint32_t frameMs) {
  amount = static_cast<float>(rate) * static_cast<float>(frameMs) * 0.001f;
  if (expected == kNotComputed) expected = (rate * static_cast<int>(reference * 0.02f)) / 500;
  if (averageFrames < 10) {
    averageSum += amount;
    averageFrames += 1;
  }
  if (averageFrames == 10) {
    average = expected = static_cast<int>(averageSum * 0.1f);
    averageFrames = 0;
    averageSum = 0;
  }
  return payOut();
}

void StepPacer::Calibrate(uint32_t frameMs) {
  amount = static_cast<float>(frameMs) * 0.5f;
  if (calibrationFrames < 50) {
    reference += amount;
    calibrationFrames += 1;
  }
  if (calibrationFrames == 50) average = static_cast<int>(reference * 0.02f);
}

uint8_t StepPacer::payOut() {
  fraction += amount;
  // Whole steps move from the fraction to the pending count. Taken in one go rather than one by one:
  // a pacer whose expected count is too low carries a growing fraction, and counting it down step
  // by step would cost more time every frame.
  if (fraction >= 1) {
    const float whole = std::floor(fraction);
    pending += static_cast<int>(whole);
    fraction -= whole;
  }
  uint8_t result = static_cast<uint8_t>(pending);
  // Both clamps stop at the ends of the byte: a negative rate (expected below -1) or an expected
  // count above 256 would otherwise wrap the result round and never leave the loop.
  while (result > expected + 1 && result > 0) {
    result -= 1;
    fraction += 1;
  }
  while (result < expected - 1 && result < 255) {
    result += 1;
    fraction -= 1;
  }
  lastResult = result;
  pending = 0;
  return result;
}
