#include "game/Settings.h"

#include <fstream>

namespace {
std::string& chosenSettingsFile() {
  static std::string path = kSettingsFile;
  return path;
}
}  // namespace

void useSettingsFile(const std::string& path) { chosenSettingsFile() = path; }

const char* settingsFilePath() { return chosenSettingsFile().c_str(); }

void Settings::Read(const char* path) {
  if (!unread) return;
  unread = 0;
  std::ifstream file(path);
  for (int& value : values) {
    if (!(file >> value)) {
      value = 0;
      break;
    }
  }
}
