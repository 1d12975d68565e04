#pragma once
#include <cstdint>

#include "persistence/NameGlyphs.h"
#include "world/QuestImage.h"

class GameApp;
class GameRecord;

// A saved game: the campaign values and the image of the quest that was running. On disk it is a
// 1115-byte payload of base-100 digits and flags behind BinaryFile's length, one file per slot.
constexpr uint32_t kSavePayloadSize = 1115;
constexpr int kSaveSlots = 5;
constexpr int kMarkerOffset = 1113;
constexpr uint8_t kSaveMarker = 0x4D;  // "M": the load screen offers only files that carry it

struct SavedGame {
  uint32_t score = 0;
  uint8_t questNumber = 0;
  uint8_t gemCount = 0;
  Name playerName = {};
  QuestImage image;
};

// What a slot row shows: read from the first 25 bytes, before the whole game is decoded.
struct SlotSummary {
  uint32_t score = 0;
  uint8_t questNumber = 0;
  Name playerName = {};
};

void encodeSavedGame(const SavedGame& game, uint8_t* payload);
// Only a payload of exactly kSavePayloadSize bytes that carries the marker is decoded.
bool decodeSavedGame(const uint8_t* payload, uint32_t size, SavedGame& game);
bool decodeSlotSummary(const uint8_t* payload, uint32_t size, SlotSummary& summary);
bool hasSaveMarker(const uint8_t* payload, uint32_t size);

// Visits every stored field's bytes as (offset, length), in file order; the reserved gaps are
// not visited. Lets a test prove the layout leaves no byte claimed twice.
void forEachSavedField(void (*visit)(int offset, int length, void* context), void* context);

// "Saves/1.sav" to "Saves/5.sav", in the save folder chosen at start-up.
const char* slotFilePath(int slot);

// The game as it stands: the campaign values of the game object and the record's quest image.
SavedGame savedGameOf(const GameApp& game, const GameRecord& record);
// Writes the slot's file; 1 when it reached the disk.
int writeSlotFile(int slot, const SavedGame& game);
// Reads and decodes the slot's file; false when it is missing, damaged or unmarked.
bool readSlotFile(int slot, SavedGame& game);
// Reads a slot's row: false when the file is missing or not a whole saved game. `marked` tells
// whether the file carries the marker.
bool readSlotSummary(int slot, SlotSummary& summary, bool& marked);
