#pragma once
#include <cstddef>
#include <cstdint>

struct SDL_Surface;

// The game's pictures are uncompressed BMP files. Before SDL reads one, its header is checked
// against the file's length: a header claiming more rows or columns than the file holds would
// make the loader allocate for pixels that are not there (a 100-byte file can claim gigabytes).

// Whether a picture's header (the file's first bytes) describes pixels that fit within
// `fileSize` bytes, in a form the game reads. A refused picture counts as missing.
bool pictureFitsItsFile(const uint8_t* header, size_t headerBytes, uint64_t fileSize);

// Loads a picture file, or null when it is missing, not a regular file, refused or damaged.
// `why` (when given) receives a short reason on failure.
SDL_Surface* loadPictureFile(const char* path, const char** why = nullptr);
// The same for a picture already in memory.
SDL_Surface* decodePicture(const uint8_t* bytes, size_t size);

// Neither side of a picture may be longer; the game's largest is 1024.
constexpr int32_t kLongestPictureSide = 8192;
