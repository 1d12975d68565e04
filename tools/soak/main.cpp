// ilvys-soak: plays the game headless with random input for a number of frames and fails on the
// first command the game cannot take; built with the sanitizers (scripts/soak.sh), it fails on any
// memory fault too. It prints the process's resident memory as it goes, so growth shows.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "RandomInput.h"
#include "ReplayRunner.h"
#include "StateJson.h"
#include "game/GameApp.h"
#include "game/Scenes.h"

namespace fs = std::filesystem;

namespace {
struct Options {
  long frames = 100000;
  uint64_t seed = 1;
  int drawEvery = 2;  // one command in this many has its last frame drawn
  long reportEvery = 100000;
  long maxGrowthKb = -1;  // from the first report to the end; negative: not checked
  uint32_t frameMs = 16;
  fs::path gameDir = DEFAULT_GAME_DIR;
  fs::path outDir = fs::current_path();
};

void printUsage() {
  std::fprintf(stderr,
               "Usage: ilvys-soak [--frames N] [--seed S] [--draw-every K] [--report-every N]\n"
               "                  [--max-growth-mb M] [--frame-ms N] [--game-dir DIR] [--out DIR]\n"
               "Plays the game headless with random input from seed S for N frames.\n");
}

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    if (i + 1 >= argc) return false;
    const char* name = argv[i];
    const char* value = argv[++i];
    if (!std::strcmp(name, "--frames")) o.frames = std::atol(value);
    else if (!std::strcmp(name, "--seed")) o.seed = std::strtoull(value, nullptr, 10);
    else if (!std::strcmp(name, "--draw-every")) o.drawEvery = std::atoi(value);
    else if (!std::strcmp(name, "--report-every")) o.reportEvery = std::atol(value);
    else if (!std::strcmp(name, "--max-growth-mb")) o.maxGrowthKb = std::atol(value) * 1024;
    else if (!std::strcmp(name, "--frame-ms")) o.frameMs = static_cast<uint32_t>(std::atol(value));
    else if (!std::strcmp(name, "--game-dir")) o.gameDir = value;
    else if (!std::strcmp(name, "--out")) o.outDir = fs::absolute(value);
    else return false;
  }
  return o.frames > 0 && o.drawEvery > 0 && o.reportEvery > 0 && o.frameMs > 0;
}

long residentKb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// One game from start until it ends (Quit) or the frames run out.
struct Session {
  explicit Session(const Options& o, const fs::path& out) {
    game.options.headless = true;
    game.options.frameMs = o.frameMs;
    game.options.scriptedInput = &input;
    opened = game.Open() != 0;
    if (opened) game.Init();
    runner = std::make_unique<ReplayRunner>(game, input, out);
  }
  ~Session() {
    if (opened) game.Cleanup();
  }
  ScriptedInput input;
  GameApp game;
  std::unique_ptr<ReplayRunner> runner;
  bool opened = false;
};
}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    printUsage();
    return 2;
  }
  const fs::path out = o.outDir;
  std::error_code error;
  fs::current_path(o.gameDir, error);
  if (error) {
    std::fprintf(stderr, "ilvys-soak: cannot enter the game directory %s\n", o.gameDir.c_str());
    return 1;
  }

  RandomInput random(o.seed);
  long done = 0, drawn = 0, commands = 0, restarts = 0, nextReport = o.reportEvery, firstReportKb = -1;
  std::set<std::string> scenesSeen;
  std::set<int> questsPlayed;
  auto session = std::make_unique<Session>(o, out);
  while (done + session->runner->framesRun() < o.frames) {
    if (!session->opened) {
      std::fprintf(stderr, "ilvys-soak: the game did not open\n");
      return 1;
    }
    std::istringstream lines(random.next());
    const bool draw = ++commands % o.drawEvery == 0;
    const long before = session->runner->framesRun();
    for (std::string line; std::getline(lines, line) && !session->runner->gameEnded();) {
      if (!session->runner->runCommand(line, draw)) {
        std::fprintf(stderr, "ilvys-soak: seed %llu, frame %ld, command %ld (%s): %s\n",
                     static_cast<unsigned long long>(o.seed), done + session->runner->framesRun(), commands,
                     line.c_str(), session->runner->failure.c_str());
        return 1;
      }
    }
    if (draw && session->runner->framesRun() > before) ++drawn;  // the command's last frame
    scenesSeen.insert(sceneName(session->game.currentScene));
    if (session->game.runningWorld()) questsPlayed.insert(session->game.questNumber);
    // Every state the game can reach must also be describable: the state writer reads it all.
    if (commands % 997 == 0) (void)stateJson(session->game);
    if (session->runner->gameEnded()) {
      done += session->runner->framesRun();
      session.reset();
      session = std::make_unique<Session>(o, out);
      ++restarts;
    }
    const long total = done + session->runner->framesRun();
    if (total >= nextReport) {
      const long kb = residentKb();
      if (firstReportKb < 0) firstReportKb = kb;
      std::printf("ilvys-soak: %ld frames (%ld drawn), %ld commands, %ld restarts, resident %.1f MB\n", total, drawn,
                  commands, restarts, kb / 1024.0);
      std::fflush(stdout);
      nextReport += o.reportEvery;
    }
  }
  // The last frame drawn and kept, to look at.
  session->runner->runCommand("frames 1", true);
  session->game.graphics.SaveScreenshot((out / "soak-last.png").c_str());
  const long total = done + session->runner->framesRun(), endKb = residentKb();
  std::printf("ilvys-soak: seed %llu ran %ld frames (%ld drawn) in %ld commands with %ld restarts; resident %.1f MB\n",
              static_cast<unsigned long long>(o.seed), total, drawn, commands, restarts, endKb / 1024.0);
  std::printf("ilvys-soak: %zu screens seen:", scenesSeen.size());
  for (const std::string& scene : scenesSeen) std::printf(" %s", scene.c_str());
  std::printf("\nilvys-soak: %zu quests played\n", questsPlayed.size());
  if (o.maxGrowthKb >= 0 && firstReportKb >= 0 && endKb - firstReportKb > o.maxGrowthKb) {
    std::fprintf(stderr, "ilvys-soak: resident memory grew from %.1f MB to %.1f MB\n", firstReportKb / 1024.0,
                 endKb / 1024.0);
    return 1;
  }
  return 0;
}
