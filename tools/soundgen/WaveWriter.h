// Writes mono 16-bit PCM RIFF/WAVE files, the format the game's effect voice plays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace soundgen {

inline constexpr int kSampleRate = 22050;

// Samples are in [-1, 1]; anything outside is clamped rather than wrapped.
std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int sampleRate = kSampleRate);

// Returns false when the file cannot be written completely.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace soundgen
