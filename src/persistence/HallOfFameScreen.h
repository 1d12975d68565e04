#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/GameRecord.h"
#include "persistence/NameGlyphs.h"
#include "platform/SpriteSheet.h"

// The five best finished campaigns, as the table stood when the screen opened.
class HallOfFameScreen {
 public:
  virtual ~HallOfFameScreen() = default;
  static constexpr ButtonPlace kBackPlace = {727, 3, 64, 32};

  SpriteSheet sheet;  // 0 the background, 1 the digits
  SpriteSheet glyphsHigh, glyphsLow;
  uint8_t rowUsed[kHallEntries] = {};
  uint32_t rowScore[kHallEntries] = {};
  Name rowName[kHallEntries] = {};
  uint8_t backFrame = 0;
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  void copyTable(const GameRecord& record);
  void Draw(const BackContinuePanel* panel) const;
};

// Where the digits of a hall-of-fame score go: x of each digit, highest first, for a row. Only the
// lowest five decimal digits are shown. Returns the number of digits.
int hallScoreDigits(uint32_t score, int row, int digits[5], int xs[5]);
