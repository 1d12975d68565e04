#include <cstdio>
#include <cstdlib>
#include <queue>
#include <vector>

#include "quests/QuestLayout.h"
#include "world/Dude.h"

// Searches the dude's positions (one pixel a move) for the walk from the quest's start to its goal
// with the fewest turns, using the game's own field and wall rules, and prints it as `walk` lines.
namespace {

constexpr int kW = Dude::kFieldWidth, kH = Dude::kFieldHeight;
constexpr int kTurnCost = 400;
constexpr int kDx[5] = {0, 1, -1, 0, 0}, kDy[5] = {0, 0, 0, -1, 1};
constexpr const char* kNames[5] = {"", "RIGHT", "LEFT", "UP", "DOWN"};

bool inGoal(const GoalArea& g, int x, int y) {
  const bool acrossX = (x + 26 > g.x && x + 26 < g.x + g.width) || (x > g.x && x < g.x + g.width);
  return acrossX && y + 45 > g.y && y < g.y + g.height;
}

// Where one step from (x, y) in direction d ends, or false when the field or a wall refuses it.
bool stepFrom(Dude& dude, int x, int y, int d, int& nx, int& ny) {
  dude.x = dude.nextX = x;
  dude.y = dude.nextY = y;
  dude.nextX += kDx[d];
  dude.nextY += kDy[d];
  dude.clampToField();
  dude.applyWalls();
  nx = dude.x;
  ny = dude.y;
  return nx != x || ny != y;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4 && argc != 6) {
    std::fprintf(stderr,
                 "Usage: ilvys-questpath QUEST [TO_X TO_Y [FROM_X FROM_Y]]\n"
                 "Prints the walk from the quest's start (or FROM) to its goal (or to the dude position TO).\n"
                 "Only the quest's walls and the field's edges are taken into account, not its objects.\n");
    return 2;
  }
  const int quest = std::atoi(argv[1]);
  const QuestLayout* layout = questLayout(quest);
  const bool toPoint = argc >= 4;
  if (!layout || (!toPoint && !layout->hasGoal)) {
    std::fprintf(stderr, "quest %d has no goal area\n", quest);
    return 1;
  }
  Dude dude;
  dude.setupQuest(quest);
  const int startX = argc == 6 ? std::atoi(argv[4]) : dude.x, startY = argc == 6 ? std::atoi(argv[5]) : dude.y;
  const int toX = toPoint ? std::atoi(argv[2]) : -1, toY = toPoint ? std::atoi(argv[3]) : -1;
  const auto arrived = [&](int x, int y) { return toPoint ? x == toX && y == toY : inGoal(layout->goal, x, y); };

  // Dijkstra over (x, y, direction of arrival); a turn costs more than a long straight walk.
  const auto index = [](int x, int y, int d) { return (y * kW + x) * 5 + d; };
  std::vector<int> cost(kW * kH * 5, 1 << 30), from(kW * kH * 5, -1);
  using Item = std::pair<int, int>;
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
  cost[index(startX, startY, 0)] = 0;
  open.push({0, index(startX, startY, 0)});
  int found = -1;
  while (!open.empty()) {
    const auto [c, at] = open.top();
    open.pop();
    if (c != cost[at]) continue;
    const int d = at % 5, cell = at / 5, x = cell % kW, y = cell / kW;
    if (arrived(x, y)) {
      found = at;
      break;
    }
    for (int nd = 1; nd <= 4; ++nd) {
      int nx, ny;
      if (!stepFrom(dude, x, y, nd, nx, ny)) continue;
      const int next = index(nx, ny, nd);
      const int nc = c + 1 + (nd != d && d != 0 ? kTurnCost : 0);
      if (nc < cost[next]) {
        cost[next] = nc;
        from[next] = at;
        open.push({nc, next});
      }
    }
  }
  if (found < 0) {
    std::fprintf(stderr, "no walk reaches the target in quest %d\n", quest);
    return 1;
  }
  std::vector<int> path;
  for (int at = found; at >= 0; at = from[at]) path.push_back(at);
  if (!toPoint) std::printf("goto quest %d\nframes 2\n", quest);
  for (size_t i = path.size() - 1; i > 0; --i) {
    const int d = path[i - 1] % 5;
    const bool lastOfRun = i == 1 || path[i - 2] % 5 != d;
    if (!lastOfRun) continue;
    const int cell = path[i - 1] / 5;
    std::printf("walk %s %d\n", kNames[d], d <= 2 ? cell % kW : cell / kW);
  }
  if (!toPoint) std::printf("frames 2\nexpect solved\n");
  return 0;
}
