#pragma once
#include <cstdint>

// The picture the briefing shows for a quest, inside its frame: the file, its frame size and colour
// key, where its top-left corner is drawn and at what scale.
struct QuestPicture {
  uint8_t quest;
  const char* file;
  int16_t frameWidth, frameHeight;
  uint32_t colourKey;
  int x, y;
  float scaleX, scaleY;
};

// The briefing picture of a quest; null for a quest number without one.
const QuestPicture* questPicture(int questNumber);
