#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "quests/QuestLayout.h"
#include "quests/WalkSearch.h"

// Finds the shortest walk (one pixel a move) from the quest's start to its goal under the game's own
// collision rules, and prints it as replay script lines: one `walk` line for each straight run.
namespace {

int usage() {
  std::fprintf(stderr,
               "Usage: ilvys-questpath [--walls-only] QUEST [TO_X TO_Y [FROM_X FROM_Y]]\n"
               "Prints the walk from the quest's start (or FROM) to its goal (or to the dude position TO).\n"
               "The quest's walls and the objects that stand in the way at its start (blocks, closed doors,\n"
               "vases, machines, suspicious walls, ledges) are taken into account; the dude holds nothing, and\n"
               "teleporter pads count as plain floor. --walls-only takes only the walls and the field's edges\n"
               "into account.\n");
  return 2;
}

void printRuns(const std::vector<WalkPoint>& path) {
  static constexpr const char* kNames[5] = {"", "RIGHT", "LEFT", "UP", "DOWN"};
  for (const WalkRun& run : straightRuns(path)) std::printf("walk %s %d\n", kNames[run.direction], run.end);
}

}  // namespace

int main(int argc, char** argv) {
  WalkOptions options;
  options.wantPath = true;
  if (argc > 1 && std::strcmp(argv[1], "--walls-only") == 0) {
    options.objects = false;
    --argc;
    ++argv;
  }
  if (argc != 2 && argc != 4 && argc != 6) return usage();
  const int quest = std::atoi(argv[1]);
  const QuestLayout* layout = questLayout(quest);
  if (argc >= 4) options.to = WalkPoint{std::atoi(argv[2]), std::atoi(argv[3])};
  if (argc == 6) options.from = WalkPoint{std::atoi(argv[4]), std::atoi(argv[5])};
  if (!layout || (!options.to && !layout->hasGoal)) {
    std::fprintf(stderr, "quest %d has no goal area\n", quest);
    return 1;
  }
  const WalkResult walk = searchWalk(quest, options);
  if (walk.stateChanged) {
    std::fprintf(stderr, "a collision changed quest %d's objects during the search\n", quest);
    return 1;
  }
  if (!walk.reached) {
    std::fprintf(stderr, "no walk reaches the target in quest %d\n", quest);
    return 1;
  }
  if (!options.to) std::printf("goto quest %d\nframes 2\n", quest);
  printRuns(walk.path);
  if (!options.to) std::printf("frames 2\nexpect solved\n");
  return 0;
}
