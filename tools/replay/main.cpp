#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "ReplayRunner.h"
#include "game/GameApp.h"

namespace fs = std::filesystem;

namespace {
void printUsage() {
  std::fprintf(stderr,
               "Usage: ilvys-replay [--frame-ms N] [--out DIR] [--game-dir DIR] SCRIPT\n"
               "Plays the game headless on a virtual clock, with input from SCRIPT.\n");
}
}  // namespace

int main(int argc, char** argv) {
  uint32_t frameMs = 16;
  fs::path outDir = fs::current_path();
  fs::path gameDir = DEFAULT_GAME_DIR;
  fs::path script;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--frame-ms") == 0 && hasValue) {
      frameMs = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
      outDir = fs::absolute(argv[++i]);
    } else if (std::strcmp(argv[i], "--game-dir") == 0 && hasValue) {
      gameDir = argv[++i];
    } else if (argv[i][0] != '-' && script.empty()) {
      script = fs::absolute(argv[i]);
    } else {
      printUsage();
      return 2;
    }
  }
  if (script.empty() || frameMs == 0) {
    printUsage();
    return 2;
  }
  std::error_code error;
  fs::current_path(gameDir, error);
  if (error) {
    std::fprintf(stderr, "ilvys-replay: cannot enter the game directory %s: %s\n", gameDir.c_str(),
                 error.message().c_str());
    return 1;
  }

  ScriptedInput input;
  GameApp game;
  game.options.headless = true;
  game.options.frameMs = frameMs;
  game.options.scriptedInput = &input;
  if (!game.Open()) return 1;
  game.Init();
  ReplayRunner runner(game, input, outDir);
  const bool ok = runner.run(script);
  game.Cleanup();
  if (runner.gameEnded()) std::printf("ilvys-replay: the game ended at line %d\n", runner.endedAtLine());
  if (!ok) {
    std::fprintf(stderr, "ilvys-replay: %s: %s\n", script.filename().c_str(), runner.failure.c_str());
    return 1;
  }
  // How much faster than real time the headless game ran: the campaign's budget depends on it.
  const double cpuSeconds = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
  const double playSeconds = static_cast<double>(runner.framesRun()) * frameMs / 1000.0;
  std::printf("ilvys-replay: %s ran to its end: %ld frames, %.0f s of play in %.2f s of CPU time\n",
              script.filename().c_str(), runner.framesRun(), playSeconds, cpuSeconds);
  return 0;
}
