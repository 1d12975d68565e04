// Writes every sound effect and music piece of the game into one folder.
#pragma once

#include <filesystem>
#include <string>

namespace soundgen {

// Returns an empty string on success, otherwise what went wrong.
std::string writeAll(const std::filesystem::path& dataDir);

}  // namespace soundgen
