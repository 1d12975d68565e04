#pragma once
#include <filesystem>
#include <string>

// A fresh directory under the system's temporary folder, removed again at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ilvy-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempDir() { std::filesystem::remove_all(path); }
  std::string file(const char* name) const { return (path / name).string(); }
  std::filesystem::path path;
};
