#pragma once

#include <filesystem>
#include <ostream>

namespace artgen {

// Writes one PNG with every picture of the manifest, each labelled with its file name, for review by
// eye. Pictures are shown as the game loads them (see-through where the key is) on a checkerboard:
// single pictures by their first frame, sheets with every frame they use, small ones magnified.
// Returns false, with the reason on err, when the sheet cannot be drawn or written.
bool writeContactSheet(const std::filesystem::path& file, std::ostream& err);

}  // namespace artgen
