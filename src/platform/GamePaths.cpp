#include "platform/GamePaths.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kGameName = "ilvys-mission";

bool isGameDir(const PathClues& clues, const fs::path& dir) {
  return !dir.empty() && clues.isDirectory(dir / "Art") && clues.isFile(dir / "Data" / "data1.txt");
}

fs::path gameDirOf(const PathClues& clues) {
  if (isGameDir(clues, clues.workingDir)) return clues.workingDir;
  if (!clues.executableDir.empty()) {
    const fs::path installed = (clues.executableDir / ".." / "share" / kGameName).lexically_normal();
    if (isGameDir(clues, installed)) return installed;
    const fs::path buildTree = clues.executableDir / "game";
    if (isGameDir(clues, buildTree)) return buildTree;
  }
  return clues.workingDir;
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be ignored),
// else the fallback under HOME; empty when neither is known.
fs::path baseFolder(const std::string& variable, const std::string& home, const char* fallbackUnderHome) {
  if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
  if (!home.empty()) return fs::path(home) / fallbackUnderHome;
  return {};
}
}  // namespace

GamePaths chooseGamePaths(const PathClues& clues) {
  GamePaths paths;
  paths.gameDir = gameDirOf(clues);
  paths.dataFound = isGameDir(clues, paths.gameDir);

  paths.savesDir = paths.gameDir / "Saves";
  if (!clues.isDirectory(paths.savesDir)) {
    const fs::path userData = baseFolder(clues.xdgDataHome, clues.home, ".local/share");
    if (!userData.empty()) paths.savesDir = userData / kGameName / "Saves";
  }

  paths.settingsFile = paths.gameDir / "Data" / "data1.txt";
  const fs::path userConfig = baseFolder(clues.xdgConfigHome, clues.home, ".config");
  if (!userConfig.empty() && clues.isFile(userConfig / kGameName / "data1.txt")) {
    paths.settingsFile = userConfig / kGameName / "data1.txt";
  }
  return paths;
}

namespace {
std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
}  // namespace

PathClues cluesOfThisProcess() {
  PathClues clues;
  std::error_code error;
  clues.workingDir = fs::current_path(error);
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) clues.executableDir = executable.parent_path();
  clues.xdgDataHome = environment("XDG_DATA_HOME");
  clues.xdgConfigHome = environment("XDG_CONFIG_HOME");
  clues.home = environment("HOME");
  clues.isDirectory = [](const fs::path& p) {
    std::error_code e;
    return fs::is_directory(p, e);
  };
  clues.isFile = [](const fs::path& p) {
    std::error_code e;
    return fs::is_regular_file(p, e);
  };
  return clues;
}
