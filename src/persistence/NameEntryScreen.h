#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/NameGlyphs.h"
#include "platform/SpriteSheet.h"
#include "platform/Texture.h"
#include "platform/TimerPair.h"

// The first screen of a new game: hands slide in around a boxed line where the player types a name,
// while four figures flash one after another.
class NameEntryScreen {
 public:
  NameEntryScreen();
  virtual ~NameEntryScreen() = default;

  enum ButtonId : uint8_t { kBack = 1, kClear, kReady };
  static constexpr ButtonPlace kPlaces[3] = {{700, 10, 64, 32}, {140, 410, 64, 35}, {363, 488, 100, 35}};

  Texture boxFill, boxEdgeH, boxEdgeLeft, boxEdgeRight;
  Texture hand1, hand2, hand3, hand4, hand5, hand6;
  SpriteSheet shockSheet, messageSheet, nameSheet, readySheet, clearSheet;
  TimerPair growTimer;
  uint8_t growPhase = 1;
  int shockX[4] = {50, 200, 650, 420};
  float shockScale[4] = {2.8f, 2.8f, 2.8f, 2.8f};
  TimerPair shockTimer;
  int hand1X = 860;
  int hand2Gap = 16;
  int hand3X = -64;
  int hand5Y = 664;
  int thirdsCarried = 0;  // what out / 3 left over, so slow hands move at high frame rates too
  float growScale = 0;
  Name name = {};
  int slotX[kNameSlots] = {};
  TimerPair blinkTimer;
  uint8_t blinkOn = 0;
  int blinkPeriod = 400;
  uint8_t editedThisFrame = 0;
  uint8_t frames[3] = {};  // Back, Clear, Ready
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  // One step of the hands' motion, by `steps` of the 200 per second pacer.
  void Move(int steps);
  void Grow();
  // The figures flash one after another once the screen has been up for a while.
  void Flash(uint32_t sceneSeconds);
  void Blink();
  void Draw(const BackContinuePanel* panel) const;
  // Runs one edit, at most one per frame; returns whether an edit was allowed this frame.
  bool edit();
};
