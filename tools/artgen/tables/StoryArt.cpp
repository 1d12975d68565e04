#include "Manifest.h"
#include "draw/Draw.h"

namespace artgen {

std::span<const ArtEntry> storyArt() { return {}; }

}  // namespace artgen
