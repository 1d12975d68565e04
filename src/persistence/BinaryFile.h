#pragma once
#include <cstdint>
#include <string>

// The game's only file writer and the reader of what it writes: a 4-byte little-endian length,
// then exactly that many bytes. Each user makes one for a single read or write.
class BinaryFile {
 public:
  BinaryFile() = default;
  ~BinaryFile() { release(); }
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  uint8_t* data = nullptr;
  uint32_t size = 0;

  uint8_t* allocate(uint32_t n);
  void release();
  uint8_t* buffer() const { return data; }

  // Writes beside the target and renames over it, so a crash mid-write never destroys the file that
  // was there. 1 only when the whole file reached the disk.
  int writeFile(const char* path) const;
  // The first half of writeFile: the complete new file under a temporary name. Returns that name,
  // empty on failure.
  std::string writeTemporary(const char* path) const;

  // Reads a file into a new buffer of the length it states and returns it. A missing file, one
  // that is not a regular file (a pipe would block), one shorter than 4 bytes or than its length
  // says, or one stating more than the buffer allocated before the call (the caller's payload
  // size) counts as missing: null, and the object is empty.
  uint8_t* readFile(const char* path);

  static constexpr uint32_t kLargestFile = 1u << 20;
};
