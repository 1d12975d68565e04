// A slot file as the load screen reads it: the length, then the payload, decoded whole and as a
// row summary. What decodes must encode to a payload that decodes to the same game again.
#include <cstring>

#include "ScratchFile.h"
#include "persistence/BinaryFile.h"
#include "persistence/SaveGameCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BinaryFile file;
  file.allocate(kSavePayloadSize);
  if (!file.readFile(scratchFile(data, size))) return 0;
  SlotSummary summary;
  decodeSlotSummary(file.buffer(), file.size, summary);
  SavedGame game;
  if (!decodeSavedGame(file.buffer(), file.size, game)) return 0;

  uint8_t once[kSavePayloadSize], twice[kSavePayloadSize];
  encodeSavedGame(game, once);
  SavedGame again;
  if (!decodeSavedGame(once, kSavePayloadSize, again)) std::abort();
  encodeSavedGame(again, twice);
  if (std::memcmp(once, twice, kSavePayloadSize) != 0) std::abort();
  return 0;
}
