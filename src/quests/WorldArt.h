#pragma once
#include <cstdint>

// One slot of a world's sprite sheet for one quest: the file (null when the quest leaves the slot
// empty), its frame size and colour key.
struct SlotArt {
  const char* file;
  int16_t frameWidth, frameHeight;
  uint32_t colourKey;
};

// The colour keys a slot's picture can have: none, or the colour that is transparent in it.
constexpr uint32_t kNoColourKey = 0, kBlackKey = 0xFF000000, kRedKey = 0xFFFF0000, kGreenKey = 0xFF00FF00;

// How many slots a quest's sheet has (35, or 37 for the quests that use rocks and ladders).
int worldSheetSlots(int questNumber);
// The art of one slot of the quest's sheet.
SlotArt worldSlotArt(int questNumber, int slot);
