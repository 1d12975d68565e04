#include "game/Settings.h"

#include <memory>
#include <sstream>
#include <string>

#include "platform/RegularFile.h"

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
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openRegularFile(path), &std::fclose);
  char text[kLongestRead];
  const size_t length = file ? std::fread(text, 1, sizeof text, file.get()) : 0;
  parse(text, length);
}

void Settings::parse(const char* text, size_t length) {
  std::istringstream in(std::string(text, length));
  for (int& value : values) {
    if (!(in >> value)) {
      value = 0;
      break;
    }
  }
}
