// The settings file's text, and the same through the file reader.
#include "ScratchFile.h"
#include "game/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Settings fromText;
  fromText.parse(reinterpret_cast<const char*>(data), size);
  Settings fromFile;
  fromFile.Read(scratchFile(data, size));
  if (size <= Settings::kLongestRead)
    for (int i = 0; i < 10; ++i)
      if (fromText.values[i] != fromFile.values[i]) std::abort();
  return 0;
}
