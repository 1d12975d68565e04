#include <unistd.h>

#include <cstdio>

#include "game/CommandLine.h"
#include "game/GameApp.h"
#include "game/Settings.h"
#include "persistence/SaveFolder.h"
#include "platform/GamePaths.h"

namespace {
// Every file name in the game is relative to the game directory, so the game runs inside it.
bool enterGameDirectory() {
  const GamePaths paths = chooseGamePaths(cluesOfThisProcess());
  if (!paths.dataFound) {
    std::fprintf(stderr,
                 "ilvys-mission: the game's data (Art/, Data/data1.txt) is neither in the working directory "
                 "nor in ../share/ilvys-mission beside the program\n");
    return false;
  }
  if (chdir(paths.gameDir.c_str()) != 0) {
    std::fprintf(stderr, "ilvys-mission: cannot enter the game directory %s\n", paths.gameDir.c_str());
    return false;
  }
  useSaveFolder(paths.savesDir.string());
  useSettingsFile(paths.settingsFile.string());
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = parseCommandLine(argc, argv);
  switch (line.action) {
    case CommandLine::Action::ShowHelp:
      std::fputs(helpText(), stdout);
      return 0;
    case CommandLine::Action::ShowVersion:
      std::fputs(versionText(), stdout);
      return 0;
    case CommandLine::Action::RefuseUnknown:
      std::fprintf(stderr, "ilvys-mission: unknown option %s\n", line.unknown.c_str());
      std::fputs(usageLine(), stderr);
      return 2;
    case CommandLine::Action::Play:
      break;
  }
  if (!enterGameDirectory()) return 1;
  GameApp game;
  game.options.windowed = line.windowed;
  return game.Run() ? 0 : 1;
}
