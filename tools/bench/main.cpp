// ilvys-bench: how long the game makes a player wait, measured on the software renderer.
//
// Plays the replay scripts of the busiest quests headless, drawing every frame, and prints the
// median CPU time of one drawn world frame per quest; then the time from start to the first frame
// on screen, with the sound card's work included (SDL's dummy audio driver). The closing line is
// quest 7's figure.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ReplayRunner.h"
#include "game/GameApp.h"
#include "game/Scenes.h"

namespace fs = std::filesystem;

namespace {

// The quests whose frames cost the most (many objects, props and keyed scaled sprites), quest 7
// last since the closing line is its figure.
constexpr int kDefaultQuests[] = {2, 11, 21, 33, 44, 58, 7};
constexpr int kStartupRuns = 5;

double secondsOf(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// The game, drawing every frame (the replay runner draws only what a screenshot shows), with the
// CPU time of each world frame written down.
class TimedGame : public GameApp {
 public:
  std::vector<double> worldFrameSeconds;
  bool firstFramePresented = false;

  int Frame() override {
    graphics.drawing = true;
    const bool inWorld = currentScene && currentScene == worldSceneOfQuest(questNumber) && !sceneChange;
    const double start = secondsOf(CLOCK_PROCESS_CPUTIME_ID);
    const int result = GameApp::Frame();
    const double spent = secondsOf(CLOCK_PROCESS_CPUTIME_ID) - start;
    if (inWorld) worldFrameSeconds.push_back(spent);
    firstFramePresented = true;
    return result;
  }
};

// A throw-away game directory as the replay tests use: the art and data linked, no saves.
fs::path privateGameDir(const fs::path& gameDir) {
  char pattern[] = "/tmp/ilvys-bench-XXXXXX";
  if (!mkdtemp(pattern)) return {};
  const fs::path dir = pattern;
  std::error_code error;
  fs::create_directory_symlink(fs::absolute(gameDir / "Art"), dir / "Art", error);
  fs::create_directory_symlink(fs::absolute(gameDir / "Data"), dir / "Data", error);
  fs::create_directory(dir / "Saves", error);
  return dir;
}

// Start-up in this process: open the platform, the game's Init (fonts, sound, title music) and its
// first frame. Prints the seconds on the clock since main and the main thread's CPU seconds since
// the process began (work that stands between start and the first frame; a helper thread on
// another core does not) for the parent.
int measureStartupOnce(const fs::path& gameDir) {
  const double wallStart = secondsOf(CLOCK_MONOTONIC);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::error_code error;
  fs::current_path(gameDir, error);
  if (error) return 1;
  ScriptedInput input;
  TimedGame game;
  game.options.headless = true;
  game.options.scriptedInput = &input;
  if (!game.Open()) return 1;
  // Headless runs keep the sound card closed; a player's start-up opens it and loads the music.
  game.audio.Create(22050);
  game.Init();
  game.Frame();
  const double wall = secondsOf(CLOCK_MONOTONIC) - wallStart;
  const double cpu = secondsOf(CLOCK_THREAD_CPUTIME_ID);
  std::printf("%.6f %.6f\n", wall, cpu);
  std::fflush(stdout);
  game.Cleanup();
  return 0;
}

// Runs this program again for each start-up measurement, so every run starts cold in its process.
bool measureStartup(const fs::path& gameDir, double& wall, double& cpu) {
  std::vector<double> walls, cpus;
  const std::string command = "'" + fs::read_symlink("/proc/self/exe").string() + "' --startup-once --game-dir '" +
                              fs::absolute(gameDir).string() + "'";
  for (int run = 0; run < kStartupRuns; ++run) {
    // On the clock from launching the program (its loading of libraries included) to its report.
    const double launched = secondsOf(CLOCK_MONOTONIC);
    FILE* child = popen(command.c_str(), "r");
    if (!child) return false;
    double w = 0, c = 0;
    const int read = std::fscanf(child, "%lf %lf", &w, &c);
    const double reported = secondsOf(CLOCK_MONOTONIC);
    if (pclose(child) != 0 || read != 2) return false;
    walls.push_back(reported - launched);
    cpus.push_back(c);
  }
  wall = median(walls);
  cpu = median(cpus);
  return true;
}

fs::path questScript(const fs::path& scripts, int quest) {
  char name[32];
  std::snprintf(name, sizeof name, "quest-%02d.txt", quest);
  return scripts / name;
}

// Plays one quest's script with every frame drawn; the median CPU time of its world frames.
bool measureQuest(TimedGame& game, ScriptedInput& input, const fs::path& script, const fs::path& out, double& ms,
                  size_t& frames) {
  game.worldFrameSeconds.clear();
  ReplayRunner runner(game, input, out);
  if (!runner.run(script)) {
    std::fprintf(stderr, "ilvys-bench: %s: %s\n", script.filename().c_str(), runner.failure.c_str());
    return false;
  }
  frames = game.worldFrameSeconds.size();
  ms = median(game.worldFrameSeconds) * 1000;
  return frames > 0;
}

void printUsage() {
  std::fprintf(stderr,
               "Usage: ilvys-bench [--game-dir DIR] [--scripts DIR] [QUEST...]\n"
               "Prints the CPU time of one drawn world frame per quest (software renderer, medians)\n"
               "and the time to the first frame; the closing line is the last quest's figure.\n");
}

}  // namespace

int main(int argc, char** argv) {
  fs::path gameDir = DEFAULT_GAME_DIR;
  fs::path scripts = DEFAULT_SCRIPT_DIR;
  bool startupOnce = false;
  std::vector<int> quests;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--game-dir") == 0 && hasValue) {
      gameDir = argv[++i];
    } else if (std::strcmp(argv[i], "--scripts") == 0 && hasValue) {
      scripts = argv[++i];
    } else if (std::strcmp(argv[i], "--startup-once") == 0) {
      startupOnce = true;
    } else if (argv[i][0] != '-' && std::atoi(argv[i]) > 0) {
      quests.push_back(std::atoi(argv[i]));
    } else {
      printUsage();
      return 2;
    }
  }
  if (startupOnce) return measureStartupOnce(gameDir);
  if (quests.empty()) quests.assign(std::begin(kDefaultQuests), std::end(kDefaultQuests));
  scripts = fs::absolute(scripts);

  double startupWall = 0, startupCpu = 0;
  if (!measureStartup(gameDir, startupWall, startupCpu)) {
    std::fprintf(stderr, "ilvys-bench: the start-up run failed\n");
    return 1;
  }
  std::printf("start-up to the first frame: %.1f ms (main thread CPU %.1f ms), median of %d runs\n", startupWall * 1000,
              startupCpu * 1000, kStartupRuns);
  std::fflush(stdout);

  const fs::path dir = privateGameDir(gameDir);
  if (dir.empty()) return 1;
  const fs::path out = dir / "out";
  std::error_code error;
  fs::current_path(dir, error);
  ScriptedInput input;
  TimedGame game;
  game.options.headless = true;
  game.options.scriptedInput = &input;
  bool ok = game.Open();
  if (ok) {
    game.Init();
    for (int quest : quests) {
      double ms = 0;
      size_t frames = 0;
      if (!measureQuest(game, input, questScript(scripts, quest), out, ms, frames)) {
        ok = false;
        break;
      }
      std::printf("quest %d: %.3f ms CPU per drawn frame, median of %zu frames\n", quest, ms, frames);
      std::fflush(stdout);
    }
    game.Cleanup();
  }
  fs::remove_all(dir, error);
  return ok ? 0 : 1;
}
