#pragma once

#include <ostream>
#include <string>

namespace artgen {

// Writes the game's icon as PNG in the desktop's usual sizes, laid out as an icon theme:
// DIR/<N>x<N>/apps/<name>.png. Returns the number of files that could not be written.
int writeIcons(const std::string& dir, const std::string& name, std::ostream& log);

}  // namespace artgen
