#include "WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace soundgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xff);
  out.push_back((v >> 8) & 0xff);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int sampleRate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  putTag(out, "RIFF");
  put32(out, 36 + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, 1);               // PCM
  put16(out, 1);               // mono
  put32(out, sampleRate);
  put32(out, sampleRate * 2);  // bytes per second
  put16(out, 2);               // block align
  put16(out, 16);              // bits per sample
  putTag(out, "data");
  put32(out, dataBytes);
  for (float s : samples) {
    // Symmetric scale: +1 and -1 both land inside the 16-bit range.
    const float clamped = std::clamp(s, -1.0f, 1.0f);
    const auto v = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
    put16(out, static_cast<std::uint16_t>(v));
  }
  return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace soundgen
