#pragma once
#include <filesystem>
#include <functional>
#include <string>

// Where the game's files are kept.
struct GamePaths {
  std::filesystem::path gameDir;       // holds Art/ and Data/; the game runs with it as working directory
  std::filesystem::path savesDir;      // the saved games and the hall of fame
  std::filesystem::path settingsFile;  // data1.txt
  bool dataFound = false;              // gameDir holds the game's data; false leaves the working directory
};

// What the choice depends on: gathered from the running process, or made up by a test.
struct PathClues {
  std::filesystem::path workingDir;
  std::filesystem::path executableDir;           // empty when unknown
  std::string xdgDataHome, xdgConfigHome, home;  // empty when unset
  std::function<bool(const std::filesystem::path&)> isDirectory;
  std::function<bool(const std::filesystem::path&)> isFile;
};

// A working directory that is a game directory wins (the build tree, as ./play.sh starts it);
// otherwise the data installed beside the executable (../share/ilvys-mission), then the build tree's
// game directory beside it. A game directory with its own Saves folder keeps its saves there; any
// other saves in the user's data folder. A settings file in the user's config folder wins over the
// one in the data.
GamePaths chooseGamePaths(const PathClues& clues);

// The clues of this process: its working directory, its executable's folder, its environment.
PathClues cluesOfThisProcess();
