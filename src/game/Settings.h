#pragma once

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

  void Read(const char* path = settingsFilePath());
  bool showFps() const { return values[0] != 0; }
};
