// The hall-of-fame file as the game reads it at start, then a new entry and the file it writes.
#include <cstring>

#include "ScratchFile.h"
#include "persistence/GameRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameRecord record;
  record.loadHallOfFame(scratchFile(data, size));
  const int used = record.hallEntriesUsed();
  if (used < 0 || used > kHallEntries) std::abort();
  record.candidateScore = size * 977u;
  std::memset(record.playerName, 3, sizeof record.playerName);
  record.enterHallOfFame();

  uint8_t payload[kHallPayloadSize];
  record.encodeHallOfFame(payload);
  GameRecord reread;
  reread.decodeHallOfFame(payload);
  for (int i = 0; i < kHallEntries; ++i)
    if (reread.hallUsed[i] != record.hallUsed[i] || std::memcmp(reread.hallName[i], record.hallName[i], kNameGlyphs))
      std::abort();
  return 0;
}
