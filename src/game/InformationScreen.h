#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"
#include "platform/TimerPair.h"

// The help screen: four pages that show the game's things with small animated pictures and
// coloured lines of text, over a backdrop that plays once.
class InformationScreen {
 public:
  virtual ~InformationScreen() = default;

  enum ButtonId : uint8_t { kBack = 1, kPrevious, kNext };
  static constexpr int kPages = 4;
  static constexpr int kSlots = 35;
  // The arrows are hit-tested for hovering and pressing on slightly different rectangles.
  static constexpr ButtonPlace kHoverPlaces[3] = {{700, 10, 64, 32}, {15, 4, 32, 64}, {65, 4, 32, 64}};
  static constexpr ButtonPlace kPressPlaces[3] = {{700, 10, 64, 32}, {10, 4, 32, 64}, {65, 4, 32, 64}};

  // The animated pictures take their frame from one of these counters.
  enum Counter : uint8_t { kFixed, kDude, kCoin, kBall, kRock, kTeleporter, kHammer, kKey, kWeight, kFood };

  SpriteSheet sheet;
  TextFont font;
  uint8_t page = 0;
  uint8_t backdrop = 0;
  TimerPair backdropTimer;
  uint8_t dudeFrame = 0, dudeRising = 0;
  TimerPair idleTimer, fastTimer, midTimer, slowTimer;
  uint8_t counters[kFood + 1] = {};
  uint8_t frames[3] = {};  // Back, previous, next
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  void Animate();
  void turnPage(int by) { page = static_cast<uint8_t>((page + kPages + by) % kPages); }
  void Draw(const BackContinuePanel* panel, uint32_t sceneSeconds);

 private:
  void drawPage();
};
