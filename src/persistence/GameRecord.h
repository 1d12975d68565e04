#pragma once
#include <cstdint>

#include "persistence/SaveFolder.h"
#include "world/QuestImage.h"

// Scores in files are three base-100 digits, one byte each: 123456 is stored as 12, 34, 56.
void encodeScore3(uint32_t score, uint8_t* bytes);
uint32_t decodeScore3(const uint8_t* bytes);

constexpr int kNameGlyphs = 21;
constexpr int kHallEntries = 5;
constexpr uint32_t kHallPayloadSize = 125;
constexpr const char* kHallOfFameFile = "Saves/HallOfFame.save";

// The one long-lived record: the hall of fame, the player's name, and the flags one scene leaves for
// another.
class GameRecord {
 public:
  GameRecord() = default;
  virtual ~GameRecord() = default;

  uint8_t campaignFinished = 0;
  uint8_t missionMode = 3;
  uint8_t madeHallOfFame = 0;
  uint8_t saveBeforeMenu = 0;
  uint8_t machineSpeed = 0;
  uint8_t worldReturn = 0;
  uint8_t rescanSlots = 0;
  uint8_t playerName[kNameGlyphs] = {};
  uint32_t candidateScore = 0;
  uint8_t hallUsed[kHallEntries] = {};
  uint32_t hallScore[kHallEntries] = {};
  uint8_t hallName[kHallEntries][kNameGlyphs] = {};
  uint8_t transferState = 0;
  QuestImage questImage;

  // A missing or damaged file leaves the table empty.
  void loadHallOfFame(const char* path = hallOfFameFileInSaveFolder());
  // Inserts candidateScore with playerName: an equal score goes above the older one. Returns whether
  // it found a place.
  bool enterHallOfFame();
  // 1 when the file was written.
  int saveHallOfFame(const char* path = hallOfFameFileInSaveFolder()) const;

  void encodeHallOfFame(uint8_t* payload) const;
  void decodeHallOfFame(const uint8_t* payload);
  int hallEntriesUsed() const;
};
