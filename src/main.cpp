#include <cstdio>
#include <cstring>

#include "game/GameApp.h"

namespace {
void printUsage() {
  std::printf(
      "Usage: ilvys-mission [--windowed]\n"
      "Runs Ilvy's Mission from the game directory (Art, Data, Saves).\n"
      "  --windowed   play in an 800 by 600 window instead of the full screen\n");
}
}  // namespace

int main(int argc, char** argv) {
  GameApp game;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--windowed") == 0) {
      game.options.windowed = true;
    } else if (std::strcmp(argv[i], "--help") == 0) {
      printUsage();
      return 0;
    } else {
      std::fprintf(stderr, "ilvys-mission: unknown option %s\n", argv[i]);
      printUsage();
      return 2;
    }
  }
  return game.Run() ? 0 : 1;
}
