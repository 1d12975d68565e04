#include "ReplayRunner.h"

#include <fstream>
#include <sstream>

#include "StateJson.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "quests/PlayOrder.h"
#include "world/Dude.h"
#include "world/QuestClock.h"
#include "world/WorldState.h"

namespace {
// A frame limit for `seconds` and `hold`, so a script never spins for ever.
constexpr long kMaxFramesPerCommand = 1000000;
}  // namespace

bool ReplayRunner::fail(const std::string& reason) {
  failure = "line " + std::to_string(lineNumber) + ": " + reason;
  return false;
}

void ReplayRunner::runFrame() {
  if (ended) return;
  game.Frame();
  if (game.quitRequested()) {
    ended = true;
    endLine = lineNumber;
  }
}

void ReplayRunner::runFrames(long count) {
  for (long i = 0; i < count && !ended; ++i) runFrame();
}

void ReplayRunner::runFor(uint32_t ms) {
  const uint32_t start = timeGetTime();
  for (long i = 0; i < kMaxFramesPerCommand && !ended && timeGetTime() - start < ms; ++i) runFrame();
}

std::filesystem::path ReplayRunner::outputPath(const std::string& name) const {
  std::filesystem::create_directories(outDir);
  return outDir / name;
}

bool ReplayRunner::setKey(const std::string& name, bool down) {
  const uint8_t code = keyCodeByName(name.c_str());
  if (!code) return fail("unknown key " + name);
  input.state.keys[code] = down ? 0x80 : 0;
  return true;
}

bool ReplayRunner::expect(const std::string& what, std::istringstream& args) {
  if (what == "ended") {
    if (!ended) return fail("expected the game to have ended, but it runs in " + std::string(sceneName(game.currentScene)));
    return true;
  }
  if (what == "scene") {
    std::string name;
    args >> name;
    const std::string actual = sceneName(game.currentScene);
    if (actual != name) return fail("expected scene " + name + ", but the scene is " + actual);
    return true;
  }
  if (what == "quest") {
    int n = -1;
    args >> n;
    if (game.questNumber != n) return fail("expected quest " + std::to_string(n) + ", but it is quest " + std::to_string(game.questNumber));
    return true;
  }
  if (what == "solved" || what == "hearts") {
    const WorldObjects* world = game.runningWorld();
    if (!world) return fail("no quest is being played");
    if (what == "solved") {
      if (!world->state->questSolved) return fail("the quest is not solved");
      return true;
    }
    int n = -1;
    args >> n;
    if (world->dude->hearts != n)
      return fail("expected " + std::to_string(n) + " hearts, but the dude has " + std::to_string(world->dude->hearts));
    return true;
  }
  if (what == "state") {
    // The rest of the line must appear word for word in the state the `state` command writes.
    std::string wanted;
    std::getline(args >> std::ws, wanted);
    while (!wanted.empty() && wanted.back() == ' ') wanted.pop_back();
    if (stateJson(game).find(wanted) == std::string::npos) return fail("the state does not hold " + wanted);
    return true;
  }
  return fail("unknown expectation " + what);
}

bool ReplayRunner::command(const std::string& line) {
  std::istringstream args(line);
  std::string verb;
  if (!(args >> verb)) return true;
  if (ended && verb != "expect") return fail("the game has ended (line " + std::to_string(endLine) + ")");

  if (verb == "frames") {
    long n = -1;
    if (!(args >> n) || n < 0) return fail("frames needs a count");
    runFrames(n);
  } else if (verb == "seconds") {
    double s = -1;
    if (!(args >> s) || s < 0) return fail("seconds needs a duration");
    runFor(static_cast<uint32_t>(s * 1000 + 0.5));
  } else if (verb == "key") {
    std::string name, direction;
    args >> name >> direction;
    if (direction != "down" && direction != "up") return fail("key needs a name and down or up");
    return setKey(name, direction == "down");
  } else if (verb == "tap") {
    std::string name;
    args >> name;
    if (!setKey(name, true)) return false;
    runFrame();
    setKey(name, false);
  } else if (verb == "hold") {
    std::string name;
    long ms = -1;
    args >> name >> ms;
    if (ms < 0) return fail("hold needs a key and milliseconds");
    if (!setKey(name, true)) return false;
    runFor(static_cast<uint32_t>(ms));
    setKey(name, false);
  } else if (verb == "mouse" || verb == "click") {
    int x = 0, y = 0;
    if (!(args >> x >> y)) return fail(verb + " needs x and y");
    input.state.mouseX = x;
    input.state.mouseY = y;
    if (verb == "click") {
      input.state.buttons[0] = 0x80;
      runFrame();
      input.state.buttons[0] = 0;
      runFrame();
    }
  } else if (verb == "screenshot") {
    std::string name;
    args >> name;
    if (name.empty()) return fail("screenshot needs a file name");
    if (!game.graphics.SaveScreenshot(outputPath(name).c_str())) return fail("cannot write " + name);
  } else if (verb == "state") {
    std::string name;
    args >> name;
    if (name.empty()) return fail("state needs a file name");
    std::ofstream out(outputPath(name));
    out << stateJson(game);
    if (!out) return fail("cannot write " + name);
  } else if (verb == "walk") {
    std::string direction;
    int target = 0;
    if (!(args >> direction >> target)) return fail("walk needs a direction and a coordinate");
    return walk(direction, target);
  } else if (verb == "goto") {
    std::string what;
    int n = 0;
    args >> what >> n;
    if ((what != "quest" && what != "briefing") || !worldSceneOfQuest(n))
      return fail("goto needs quest or briefing and a quest number from 1 to 60");
    if (what == "quest")
      gotoQuest(n);
    else
      gotoBriefing(n);
  } else if (verb == "expect") {
    std::string what;
    args >> what;
    return expect(what, args);
  } else {
    return fail("unknown command " + verb);
  }
  return true;
}

// Holds an arrow until the dude reaches the target coordinate on that arrow's axis; fails when the
// dude stops short (a wall or an object in the way).
bool ReplayRunner::walk(const std::string& direction, int target) {
  const bool horizontal = direction == "LEFT" || direction == "RIGHT";
  const bool increasing = direction == "RIGHT" || direction == "DOWN";
  if (!horizontal && direction != "UP" && direction != "DOWN") return fail("walk needs LEFT, RIGHT, UP or DOWN");
  const uint8_t key = keyCodeByName(direction.c_str());
  constexpr int kPatienceFrames = 60;
  int stillFrames = 0, last = 1 << 30;
  input.state.keys[key] = 0x80;
  for (long frame = 0; frame < kMaxFramesPerCommand && !ended; ++frame) {
    const WorldObjects* world = game.runningWorld();
    if (!world) break;
    const int at = horizontal ? world->dude->x : world->dude->y;
    if (increasing ? at >= target : at <= target) {
      input.state.keys[key] = 0;
      return true;
    }
    stillFrames = at == last ? stillFrames + 1 : 0;
    last = at;
    if (stillFrames > kPatienceFrames) {
      input.state.keys[key] = 0;
      return fail("the dude stopped at (" + std::to_string(world->dude->x) + ", " + std::to_string(world->dude->y) +
                  ") walking " + direction + " to " + std::to_string(target));
    }
    runFrame();
  }
  input.state.keys[key] = 0;
  return fail("no quest is being played");
}

// Starts a quest as its briefing's Accept would: fresh world objects, pacers and quest clock.
void ReplayRunner::gotoQuest(int quest) {
  if (!game.gameRecord) runFrame();  // the boot scene makes the long-lived objects on its first frame
  game.freeSceneScreens();
  game.freeWorlds();
  for (auto& p : game.pacers) p.reset();
  questclock::resetForNewQuest(game);
  game.questNumber = static_cast<uint8_t>(quest);
  game.currentScene = worldSceneOfQuest(quest);
  game.sceneChange = 1;
}

// Opens the briefing of a quest, as a campaign that has reached it would.
void ReplayRunner::gotoBriefing(int quest) {
  if (!game.gameRecord) runFrame();
  game.freeSceneScreens();
  game.questNumber = static_cast<uint8_t>(quest);
  game.currentScene = QuestBriefingScene;
  game.sceneChange = 1;
}

bool ReplayRunner::run(const std::filesystem::path& script) {
  std::ifstream in(script);
  if (!in) {
    failure = "cannot read " + script.string();
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    if (!command(line)) return false;
  }
  return true;
}
