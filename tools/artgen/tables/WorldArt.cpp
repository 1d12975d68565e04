#include "Manifest.h"
#include "draw/Draw.h"

namespace artgen {

std::span<const ArtEntry> worldArt() { return {}; }

}  // namespace artgen
