#include "persistence/BinaryFile.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/RegularFile.h"

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

uint8_t* BinaryFile::allocate(uint32_t n) {
  release();
  size = n;
  data = new uint8_t[n]();
  return data;
}

void BinaryFile::release() {
  delete[] data;
  data = nullptr;
  size = 0;
}

std::string BinaryFile::writeTemporary(const char* path) const {
  if (!data || size == 0 || !path) return {};
  std::string temporary = std::string(path) + ".tmp";
  std::FILE* raw = std::fopen(temporary.c_str(), "wb");
  if (!raw) return {};
  const uint8_t length[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                             static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  bool ok = std::fwrite(length, 1, 4, raw) == 4 && std::fwrite(data, 1, size, raw) == size;
  ok = (std::fflush(raw) == 0) && ok;
  // On the disk before the rename makes it the slot's file: after a power cut the slot holds
  // either the old game or the new one, never an empty file.
  ok = (fsync(fileno(raw)) == 0) && ok;
  ok = (std::fclose(raw) == 0) && ok;
  if (!ok) {
    std::remove(temporary.c_str());
    return {};
  }
  return temporary;
}

int BinaryFile::writeFile(const char* path) const {
  const std::string temporary = writeTemporary(path);
  if (temporary.empty()) return 0;
  if (std::rename(temporary.c_str(), path) != 0) {
    std::remove(temporary.c_str());
    return 0;
  }
  return 1;
}

uint8_t* BinaryFile::readFile(const char* path) {
  const uint32_t expected = size;  // the payload the caller prepared for, 0 when none
  release();
  if (!path) return nullptr;
  File file(openRegularFile(path));
  if (!file) return nullptr;
  uint8_t length[4];
  if (std::fread(length, 1, 4, file.get()) != 4) return nullptr;
  const uint32_t stated = length[0] | (length[1] << 8) | (length[2] << 16) | (static_cast<uint32_t>(length[3]) << 24);
  if (stated > (expected ? expected : kLargestFile)) return nullptr;
  allocate(stated);
  if (stated && std::fread(data, 1, stated, file.get()) != stated) {
    release();
    return nullptr;
  }
  return data;
}
