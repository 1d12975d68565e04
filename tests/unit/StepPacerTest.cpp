#include <gtest/gtest.h>

#include "platform/FrameTimer.h"
#include "platform/StepPacer.h"

TEST(StepPacer, ZeroFrameTimeStillPaysOutTheExpectedMinimumByBorrowing) {
  StepPacer pacer;
  pacer.expected = 2;
  for (int frame = 1; frame <= 3; ++frame) {
    EXPECT_EQ(pacer.Step(100, 0), 1);
    EXPECT_FLOAT_EQ(pacer.fraction, -1.0f * frame);
  }
}

TEST(StepPacer, ExpectedZeroCapsAtOneStepAndPaysTheRestLater) {
  StepPacer pacer;
  pacer.expected = 0;
  EXPECT_EQ(pacer.Step(100, 50), 1);  // 5 steps earned, 1 paid
  EXPECT_FLOAT_EQ(pacer.fraction, 4.0f);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(pacer.Step(100, 0), 1);
  EXPECT_EQ(pacer.Step(100, 0), 0);
  EXPECT_FLOAT_EQ(pacer.fraction, 0.0f);
}

TEST(StepPacer, ExpectedIsComputedOnceFromTheReference) {
  StepPacer plain;
  plain.reference = 417;  // 60 frames per second
  plain.Step(100, 16);
  EXPECT_EQ(plain.expected, (100 * (417 / 50)) / 500);

  StepPacer averaged;
  averaged.reference = 417;
  averaged.StepAveraged(130, 16);
  EXPECT_EQ(averaged.expected, (130 * 8) / 500);
  averaged.reference = 5000;
  averaged.StepAveraged(130, 16);
  EXPECT_EQ(averaged.expected, 2);
}

TEST(StepPacer, AveragedPacerWithZeroReferenceFollowsTheMeanAfterTenFrames) {
  StepPacer pacer;
  for (int i = 0; i < 9; ++i) EXPECT_LE(pacer.StepAveraged(300, 20), 1);
  EXPECT_EQ(pacer.expected, 0);
  pacer.StepAveraged(300, 20);
  EXPECT_EQ(pacer.expected, 6);
  EXPECT_EQ(pacer.average, 6);
  EXPECT_EQ(pacer.averageFrames, 0);
  // The fraction carried from the capped frames is paid back at up to expected + 1 per frame.
  EXPECT_EQ(pacer.StepAveraged(300, 20), 7);
}

TEST(StepPacer, CalibrationSumsHalfFrameTimesOverFiftyFrames) {
  StepPacer pacer;
  for (int i = 0; i < 60; ++i) pacer.Calibrate(i < 50 ? 16 : 1000);
  EXPECT_EQ(pacer.calibrationFrames, 50);
  EXPECT_FLOAT_EQ(pacer.reference, 400.0f);
  EXPECT_EQ(pacer.average, 8);
  // Stored as a byte: a sum of 417 becomes 161, one of 300 becomes 44.
  EXPECT_EQ(static_cast<uint8_t>(static_cast<int>(417.5f)), 161);
}

TEST(StepPacer, AHugeFrameTimeNeitherHangsNorOverflowsTheByte) {
  StepPacer pacer;
  pacer.expected = 1000;
  const uint8_t steps = pacer.Step(100, 60000);
  EXPECT_EQ(steps, 255);
}

TEST(StepPacer, ANegativeRateStopsAtZeroInsteadOfWrappingRound) {
  StepPacer pacer;
  pacer.reference = 250;  // expected = (-300 * 5) / 500 = -3
  EXPECT_EQ(pacer.Step(-300, 16), 0);
  EXPECT_EQ(pacer.expected, -3);
}

TEST(FrameTimer, FpsReadingIsTakenOnlyOnceTheSumPassesOneSecond) {
  FrameTimer timer;
  timer.frameMs = 250;
  for (int i = 0; i < 4; ++i) timer.CountFps();
  EXPECT_EQ(timer.fpsAccumMs, 1000u);  // exactly 1000: no reading yet
  EXPECT_EQ(timer.fps, 0u);
  timer.CountFps();  // one more frame is added, then the sum has passed 1000
  EXPECT_EQ(timer.fps, 5u);
  EXPECT_EQ(timer.fpsAccumMs, 0u);
  EXPECT_EQ(timer.fpsFrames, 0u);
}

TEST(FrameTimer, FirstFrameOfASceneTakesNoMeasurement) {
  FrameTimer timer;
  timer.frameMs = 33;
  timer.frameValid = 0;
  timer.BeginFrame();
  timer.EndFrame();
  EXPECT_EQ(timer.frameMs, 33u);  // the previous scene's value stays
  EXPECT_EQ(timer.frameValid, 1);
}
