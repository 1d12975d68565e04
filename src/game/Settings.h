#pragma once
#include <cstddef>

#include <string>

constexpr const char* kSettingsFile = "Data/data1.txt";

// The settings file the game reads: kSettingsFile unless the start-up found the player's own.
void useSettingsFile(const std::string& path);
const char* settingsFilePath();

// The settings file: up to ten whitespace-separated integers. Only the first has a meaning: when it
// is not 0, every scene shows the frames-per-second overlay.
class Settings {
 public:
  virtual ~Settings() = default;

  int values[10] = {};
  unsigned char unread = 1;

  // Reads the file once; a missing file, or one that is not a regular file, means all zero.
  void Read(const char* path = settingsFilePath());
  // Takes the integers from the file's text, up to the first that is not one.
  void parse(const char* text, size_t length);
  bool showFps() const { return values[0] != 0; }

  // Ten numbers never need more; a longer file is read only this far.
  static constexpr size_t kLongestRead = 4096;
};
