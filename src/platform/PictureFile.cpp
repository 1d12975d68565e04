#include "platform/PictureFile.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/RegularFile.h"

namespace {
constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kCoreHeaderBytes = 12;   // the old OS/2 form: 16-bit sides
constexpr size_t kInfoHeaderBytes = 40;   // and every later form, which starts the same
constexpr size_t kLongestHeader = kFileHeaderBytes + kInfoHeaderBytes;
constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;

uint32_t u16At(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t u32At(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

bool knownDepth(uint32_t bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }
}  // namespace

bool pictureFitsItsFile(const uint8_t* header, size_t headerBytes, uint64_t fileSize) {
  if (!header || headerBytes < kFileHeaderBytes + 4 || header[0] != 'B' || header[1] != 'M') return false;
  const uint32_t pixelsAt = u32At(header + 10);
  const uint32_t infoSize = u32At(header + 14);
  const uint8_t* info = header + kFileHeaderBytes;
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = kUncompressed;
  if (infoSize == kCoreHeaderBytes) {
    if (headerBytes < kFileHeaderBytes + kCoreHeaderBytes) return false;
    width = u16At(info + 4);
    height = u16At(info + 6);
    bits = u16At(info + 10);
  } else if (infoSize >= kInfoHeaderBytes) {
    if (headerBytes < kLongestHeader) return false;
    width = static_cast<int32_t>(u32At(info + 4));
    height = static_cast<int32_t>(u32At(info + 8));  // negative: rows stored top down
    bits = u16At(info + 14);
    compression = u32At(info + 16);
  } else {
    return false;
  }
  height = std::llabs(height);
  if (width <= 0 || height <= 0 || width > kLongestPictureSide || height > kLongestPictureSide) return false;
  // Run-length and embedded JPEG or PNG pixels are not forms the game's pictures use.
  if (!knownDepth(bits) || (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields))
    return false;
  const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  return static_cast<uint64_t>(pixelsAt) + rowBytes * static_cast<uint64_t>(height) <= fileSize;
}

SDL_Surface* loadPictureFile(const char* path, const char** why) {
  const char* ignored = nullptr;
  const char*& reason = why ? *why : ignored;
  uint64_t size = 0;
  std::FILE* file = openRegularFile(path, &size);
  if (!file) {
    reason = "missing or not a regular file";
    return nullptr;
  }
  uint8_t header[kLongestHeader];
  const size_t got = std::fread(header, 1, sizeof header, file);
  if (!pictureFitsItsFile(header, got, size) || std::fseek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    reason = "not a picture the game reads, or its pixels do not fit the file";
    return nullptr;
  }
  SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
  if (!stream) {
    std::fclose(file);
    reason = "cannot be opened";
    return nullptr;
  }
  SDL_Surface* picture = SDL_LoadBMP_RW(stream, 1);
  if (!picture) reason = "damaged";
  return picture;
}

SDL_Surface* decodePicture(const uint8_t* bytes, size_t size) {
  if (size > INT32_MAX || !pictureFitsItsFile(bytes, size, size)) return nullptr;
  return SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1);
}
