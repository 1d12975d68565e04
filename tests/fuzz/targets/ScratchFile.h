#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The fuzz input as a file on disk, so the game's own file reader takes it from there. One file
// per process, rewritten for every input and removed at exit.
inline const char* scratchFile(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    std::string p = std::string(dir && *dir ? dir : "/tmp") + "/ilvy-fuzz-" + std::to_string(getpid());
    static std::string removeAtExit;
    removeAtExit = p;
    std::atexit([] { std::remove(removeAtExit.c_str()); });
    return p;
  }();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
  return path.c_str();
}
