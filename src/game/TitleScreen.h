#pragma once
#include <cstdint>

#include "platform/SpriteSheet.h"
#include "platform/TimerPair.h"

// The title sequence: the studio's name and "presents" unrolling, then a ball rolling in from the
// right that sends the dude running.
class TitleScreen {
 public:
  virtual ~TitleScreen() = default;

  SpriteSheet figures;  // 0 the dude, 1 the ball
  SpriteSheet words;    // 0 the studio's name, 1 "presents"
  int nameX = 260, nameY = 200;
  float nameScaleX = 1.1f, nameScaleY = 0.05f;
  int presentsX = 260, presentsY = 270;
  float presentsScaleX = 1.1f, presentsScaleY = 0;
  TimerPair nameUnfold, presentsUnfold;
  int ballX = 880, ballY = 415;
  uint8_t ballFrame = 0;
  TimerPair ballRoll;
  int dudeX = 380;
  uint8_t dudeFrame = 0;
  uint8_t dudeRising = 1;
  uint8_t dudeMode = 0;  // 0 idle, 2 walking left
  uint8_t dudeWalking = 0;
  TimerPair idleTimer, walkTimer;
  uint8_t rolling = 0;  // 0 measuring, 1 measured, 2 the ball rolls
  uint8_t phase = 0;
  uint8_t loaded = 1;

  static constexpr int kDudeY = 410;

  void Load(GraphicsDevice* graphics);
  void Reset();
  void Animate();
  void Move(int dudeSteps, int ballSteps);
  void Draw() const;
};
