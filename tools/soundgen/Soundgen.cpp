#include "Soundgen.h"

#include <system_error>

#include "Compositions.h"
#include "Effects.h"
#include "WaveWriter.h"

namespace soundgen {

std::string writeAll(const std::filesystem::path& dataDir) {
  std::error_code error;
  std::filesystem::create_directories(dataDir, error);
  if (error) return "cannot create " + dataDir.string() + ": " + error.message();

  for (const Effect& effect : effects()) {
    if (!writeFile(dataDir / effect.fileName, encodeWave(renderEffect(effect))))
      return "cannot write " + (dataDir / effect.fileName).string();
  }
  try {
    for (const Piece& piece : compositions()) {
      if (!writeFile(dataDir / piece.fileName, encodePiece(piece)))
        return "cannot write " + (dataDir / piece.fileName).string();
    }
  } catch (const ScoreError& e) {
    // A slip in the written music stops the build instead of shipping a garbled piece.
    return e.what();
  }
  return {};
}

}  // namespace soundgen
