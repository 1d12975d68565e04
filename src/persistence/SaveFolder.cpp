#include "persistence/SaveFolder.h"

#include <filesystem>
#include <system_error>

#include "persistence/GameRecord.h"
#include "persistence/SaveGameCodec.h"

namespace {
// Built once when the folder is chosen, so that reading a slot never builds a name.
struct SaveFolder {
  std::string folder;
  std::string slots[kSaveSlots];
  std::string hallOfFame;

  explicit SaveFolder(const std::string& dir) : folder(dir) {
    for (int i = 0; i < kSaveSlots; ++i) slots[i] = folder + "/" + std::to_string(i + 1) + ".sav";
    hallOfFame = folder + "/HallOfFame.save";
  }
};

SaveFolder& current() {
  static SaveFolder folder("Saves");
  return folder;
}
}  // namespace

void useSaveFolder(const std::string& folder) { current() = SaveFolder(folder); }

const char* slotFileInSaveFolder(int slot) {
  return slot >= 1 && slot <= kSaveSlots ? current().slots[slot - 1].c_str() : nullptr;
}

const char* hallOfFameFileInSaveFolder() { return current().hallOfFame.c_str(); }

bool makeFolderFor(const char* file) {
  const std::filesystem::path folder = std::filesystem::path(file).parent_path();
  if (folder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error;
}
