#include "persistence/GameRecord.h"

#include <cstring>

#include "persistence/BinaryFile.h"

namespace {
constexpr int kUsedFlagsOffset = 15;
constexpr int kNamesOffset = 20;
}  // namespace

void encodeScore3(uint32_t score, uint8_t* bytes) {
  bytes[0] = static_cast<uint8_t>(score / 10000);
  bytes[1] = static_cast<uint8_t>((score / 100) % 100);
  bytes[2] = static_cast<uint8_t>(score % 100);
}

uint32_t decodeScore3(const uint8_t* bytes) { return bytes[0] * 10000u + bytes[1] * 100u + bytes[2]; }

void GameRecord::encodeHallOfFame(uint8_t* payload) const {
  for (int i = 0; i < kHallEntries; ++i) {
    encodeScore3(hallScore[i], payload + 3 * i);
    payload[kUsedFlagsOffset + i] = hallUsed[i];
    std::memcpy(payload + kNamesOffset + kNameGlyphs * i, hallName[i], kNameGlyphs);
  }
}

void GameRecord::decodeHallOfFame(const uint8_t* payload) {
  for (int i = 0; i < kHallEntries; ++i) {
    hallScore[i] = decodeScore3(payload + 3 * i);
    hallUsed[i] = payload[kUsedFlagsOffset + i];
    std::memcpy(hallName[i], payload + kNamesOffset + kNameGlyphs * i, kNameGlyphs);
  }
}

void GameRecord::loadHallOfFame(const char* path) {
  BinaryFile file;
  file.allocate(kHallPayloadSize);
  if (file.readFile(path) && file.size == kHallPayloadSize) decodeHallOfFame(file.buffer());
}

int GameRecord::saveHallOfFame(const char* path) const {
  BinaryFile file;
  encodeHallOfFame(file.allocate(kHallPayloadSize));
  makeFolderFor(path);
  return file.writeFile(path);
}

int GameRecord::hallEntriesUsed() const {
  int n = 0;
  while (n < kHallEntries && hallUsed[n]) ++n;
  return n;
}

bool GameRecord::enterHallOfFame() {
  const int used = hallEntriesUsed();
  int place = 0;
  while (place < used && candidateScore < hallScore[place]) ++place;
  if (place == used && used == kHallEntries) return false;  // lower than all five
  const int last = used < kHallEntries ? used : kHallEntries - 1;
  for (int i = last; i > place; --i) {
    hallScore[i] = hallScore[i - 1];
    std::memcpy(hallName[i], hallName[i - 1], kNameGlyphs);
  }
  hallScore[place] = candidateScore;
  std::memcpy(hallName[place], playerName, kNameGlyphs);
  if (used < kHallEntries) hallUsed[used] = 1;
  madeHallOfFame = 1;
  return true;
}
