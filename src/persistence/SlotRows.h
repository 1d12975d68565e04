#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/NameGlyphs.h"
#include "persistence/SaveGameCodec.h"
#include "platform/SpriteSheet.h"

class GraphicsDevice;

// The five-row slot table the save and load screens share: for each slot whether it holds a game
// and, if so, its player's name, score and quest ordinal.
struct SlotRows {
  // Sheet slots both screens load in the same places; the button and the mark over a row differ.
  enum Art : int {
    kSlotButton = 0,
    kEmpty,
    kSaveLabel,
    kLabelDigits,
    kRowMark,
    kLine,
    kSlotDigits,
    kScoreDigits,
    kWriteQuest,
    kOrdinalDigits,
    kSharedArtCount
  };
  static constexpr ButtonPlace kSlotPlaces[kSaveSlots] = {
      {470, 182, 115, 76}, {470, 268, 115, 76}, {470, 352, 115, 76}, {470, 435, 115, 76}, {470, 520, 115, 76}};

  uint8_t exists[kSaveSlots] = {};
  uint32_t score[kSaveSlots] = {};
  uint8_t ordinal[kSaveSlots] = {};
  Name name[kSaveSlots] = {};

  // Loads the shared slots 0 to 9 of a sheet already created with room for them.
  static void loadArt(SpriteSheet& sheet, const char* buttonFile, const char* markFile, int markHeight);
  // Reads every slot's row. The load screen counts a file without the marker as empty.
  void scan(bool markedOnly);
  // The separator lines and each row's button, digit and Empty or Save label; the row `quietSlot`
  // (1 to 5; 0 none) leaves its Empty label out, for a word drawn in its place.
  void drawRows(const SpriteSheet& sheet, const uint8_t* slotFrames, int quietSlot = 0) const;
  // The name, score and ordinal of every used row except `hiddenSlot` (1 to 5; 0 hides none).
  void drawSummaries(const SpriteSheet& sheet, const SpriteSheet& glyphsLow, const SpriteSheet& glyphsHigh,
                     int hiddenSlot) const;
};

// The name glyph sheets of the slot screens and the ending.
void loadNameGlyphs(SpriteSheet& glyphsLow, SpriteSheet& glyphsHigh, GraphicsDevice* graphics);
// A score by the slot screens' number rule, at (x, y), from the digit sheet slot given.
void drawSavedScore(const SpriteSheet& sheet, int digitsArt, uint32_t score, int x, int y, float scaleY);
// The row's top edge: rows are 84 pixels apart.
constexpr int slotRowOffset(int slot) { return 84 * (slot - 1); }
