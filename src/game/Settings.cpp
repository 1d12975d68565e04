#include "game/Settings.h"

#include <fstream>

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
