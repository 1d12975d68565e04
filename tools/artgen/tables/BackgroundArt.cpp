#include "Manifest.h"
#include "draw/Draw.h"

namespace artgen {

std::span<const ArtEntry> backgroundArt() { return {}; }

}  // namespace artgen
