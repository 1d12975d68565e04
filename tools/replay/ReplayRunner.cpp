#include "ReplayRunner.h"

#include "world/QuestScenery.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "StateJson.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "quests/PlayOrder.h"
#include "quests/QuestPanel.h"
#include "world/Hud.h"
#include "world/Dude.h"
#include "world/QuestClock.h"
#include "world/WorldState.h"

namespace {
// A frame limit for `seconds` and `hold`, so a script never spins for ever.
constexpr long kMaxFramesPerCommand = 1000000;
}  // namespace

bool ReplayRunner::fail(const std::string& reason) {
  const bool known = lineNumber >= 1 && static_cast<size_t>(lineNumber) <= loaded.origins.size();
  failure = (known ? loaded.origins[lineNumber - 1] : "line " + std::to_string(lineNumber)) + ": " + reason;
  return false;
}

void ReplayRunner::runFrame(bool mayBeLastOfCommand) {
  if (ended) return;
  game.graphics.drawing = drawingCommand && mayBeLastOfCommand;
  game.Frame();
  ++frames;
  if (game.quitRequested()) {
    ended = true;
    endLine = lineNumber;
  }
}

void ReplayRunner::runFrames(long count) {
  for (long i = 0; i < count && !ended; ++i) runFrame(i == count - 1);
}

void ReplayRunner::runFor(uint32_t ms) {
  const uint32_t start = timeGetTime();
  // A frame that presents moves the clock on by one step; one that does not is followed by another.
  const uint32_t step = game.options.frameMs;
  for (long i = 0; i < kMaxFramesPerCommand && !ended && timeGetTime() - start < ms; ++i)
    runFrame(timeGetTime() - start + step >= ms);
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
      solvedWith = {true, game.score, world->dude->hearts,
                    world->scenery->timeLimit - static_cast<int>(game.sceneSeconds)};
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
  if (what == "time-left") {
    // At least N seconds left on the quest clock: a quest's solution must leave a player room.
    const WorldObjects* world = game.runningWorld();
    if (!world) return fail("no quest is being played");
    int n = -1;
    args >> n;
    const int left = world->scenery->timeLimit - static_cast<int>(game.sceneSeconds);
    if (left < n) return fail("expected at least " + std::to_string(n) + " seconds left, but " + std::to_string(left) + " are");
    return true;
  }
  if (what == "score-rose") return expectScoreRose();
  if (what == "file") return expectFile(args);
  if (what == "same") return expectSame(args);
  return fail("unknown expectation " + what);
}

namespace {
// The text of one value in a state file: KEY is a top-level name or SECTION.NAME, e.g. dude.x or
// world.coinsHeld; objects and arrays come whole. Empty when the key is not there.
std::string stateValue(const std::string& state, const std::string& key) {
  size_t from = 0;
  std::string name = key;
  if (const size_t dot = key.find('.'); dot != std::string::npos) {
    from = state.find("\"" + key.substr(0, dot) + "\": ");
    if (from == std::string::npos) return {};
    name = key.substr(dot + 1);
  }
  const std::string label = "\"" + name + "\": ";
  const size_t at = state.find(label, from);
  if (at == std::string::npos) return {};
  const size_t start = at + label.size();
  size_t end = start;
  int depth = 0;
  for (; end < state.size(); ++end) {
    const char c = state[end];
    if (c == '[' || c == '{') ++depth;
    if (c == ']' || c == '}') {
      if (depth == 0) break;
      if (--depth == 0) {
        ++end;
        break;
      }
    }
    if (depth == 0 && (c == ',' || c == '\n')) break;
  }
  return state.substr(start, end - start);
}
}  // namespace

// `expect same FILE KEY...`: each value is what it was in a state file written earlier, e.g. the
// dude's position after a saved game has been loaded again.
bool ReplayRunner::expectSame(std::istringstream& args) {
  std::string name, key;
  args >> name;
  std::ifstream in(outputPath(name));
  if (!in) return fail("no state file " + name);
  const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string now = stateJson(game);
  while (args >> key) {
    const std::string was = stateValue(before, key), is = stateValue(now, key);
    if (was.empty()) return fail(name + " holds no " + key);
    if (was != is) return fail(key + " is " + (is.empty() ? "missing" : is) + ", but was " + was);
  }
  return true;
}

// `expect file PATH missing`, `expect file PATH size N`, `expect file PATH bytes OFFSET XX XX ...`:
// a file of the game directory, such as a slot written by the save screen.
bool ReplayRunner::expectFile(std::istringstream& args) {
  std::string path, check;
  args >> path >> check;
  std::ifstream in(path, std::ios::binary);
  if (check == "missing") return in ? fail(path + " exists") : true;
  if (!in) return fail(path + " does not exist");
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (check == "size") {
    size_t size = 0;
    args >> size;
    if (bytes.size() != size) return fail(path + " holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(size));
    return true;
  }
  if (check != "bytes") return fail("expect file needs missing, size or bytes");
  size_t offset = 0;
  if (!(args >> offset)) return fail("expect file bytes needs an offset");
  std::string hex;
  for (size_t at = offset; args >> hex; ++at) {
    const int wanted = std::stoi(hex, nullptr, 16);
    if (at >= bytes.size()) return fail(path + " ends before byte " + std::to_string(at));
    const int actual = static_cast<uint8_t>(bytes[at]);
    if (actual != wanted) return fail(path + " byte " + std::to_string(at) + " is " + std::to_string(actual) + ", not " + std::to_string(wanted));
  }
  return true;
}

// `expect score-rose`: on the result screen, the score is what it was when the quest was last seen
// solved plus the points shown, and those are ten a heart plus the seconds the dude had left then.
bool ReplayRunner::expectScoreRose() {
  if (!solvedWith.seen) return fail("expect score-rose needs an earlier expect solved");
  if (game.currentScene != QuestResultScene || !game.questPanel) return fail("the result screen is not up");
  const int points = game.questPanel->points;
  const int earned = (10 * solvedWith.hearts + solvedWith.secondsLeft) % 256;
  if (points != earned)
    return fail("the result shows " + std::to_string(points) + " points for " + std::to_string(solvedWith.hearts) +
                " hearts and " + std::to_string(solvedWith.secondsLeft) + " seconds");
  if (game.score != solvedWith.score + static_cast<uint32_t>(points))
    return fail("the score rose from " + std::to_string(solvedWith.score) + " to " + std::to_string(game.score) +
                ", not by " + std::to_string(points));
  solvedWith.seen = false;
  return true;
}

// `continue`: the player clicks the middle of the solved message's Continue button where it is
// drawn, after resting the pointer on it for a frame, as a player would.
bool ReplayRunner::clickContinue() {
  const WorldObjects* world = game.runningWorld();
  if (!world || world->state->questSolved != 1) return fail("continue needs a solved quest's message");
  const WorldState& state = *world->state;
  int x = 0, y = 0;
  if (!hud::solvedContinuePlace(state, game.questNumber, x, y))
    return fail("quest " + std::to_string(game.questNumber) + " has no solved message");
  x += 128;
  y += 32;
  if (!hud::overContinueButton(state, x, y))
    return fail("Continue is drawn at (" + std::to_string(x) + ", " + std::to_string(y) + ") but does not answer there");
  input.state.mouseX = x;
  input.state.mouseY = y;
  runFrame(false);
  input.state.buttons[0] = 0x80;
  runFrame(false);
  input.state.buttons[0] = 0;
  runFrame();
  return true;
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
      runFrame(false);
      input.state.buttons[0] = 0;
      runFrame();
    }
  } else if (verb == "screenshot") {
    std::string name;
    args >> name;
    if (name.empty()) return fail("screenshot needs a file name");
    if (!game.graphics.lastFrameDrawn) return fail("the frame before this screenshot was not drawn");
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
  } else if (verb == "set") {
    std::string name;
    long value = -1;
    if (!(args >> name >> value) || value < 0) return fail("set needs a campaign value's name and a number");
    return setCampaignValue(name, value);
  } else if (verb == "goto") {
    std::string what;
    int n = 0;
    args >> what >> n;
    if ((what != "quest" && what != "briefing" && what != "result") || !worldSceneOfQuest(n))
      return fail("goto needs quest, briefing or result and a quest number from 1 to 60");
    if (what == "quest")
      gotoQuest(n);
    else
      gotoScreen(what == "briefing" ? QuestBriefingScene : QuestResultScene, n);
  } else if (verb == "continue") {
    return clickContinue();
  } else if (verb == "mark") {
    // A place in the script that `play FILE after NAME` starts from.
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
  constexpr uint32_t kLongestWalkMs = 30000;
  int stillFrames = 0, last = 1 << 30;
  int longestStride = 0;  // the most the dude has moved in one frame of this walk
  input.state.keys[key] = 0x80;
  const uint32_t start = timeGetTime();
  for (long frame = 0; frame < kMaxFramesPerCommand && !ended; ++frame) {
    if (timeGetTime() - start > kLongestWalkMs) {
      input.state.keys[key] = 0;
      return fail("the dude did not reach " + std::to_string(target) + " walking " + direction + " in 30 seconds");
    }
    const WorldObjects* world = game.runningWorld();
    if (!world) break;
    const int at = horizontal ? world->dude->x : world->dude->y;
    if (increasing ? at >= target : at <= target) {
      input.state.keys[key] = 0;
      return true;
    }
    stillFrames = at == last ? stillFrames + 1 : 0;
    if (last != 1 << 30) longestStride = std::max(longestStride, std::abs(at - last));
    last = at;
    if (stillFrames > kPatienceFrames) {
      input.state.keys[key] = 0;
      return fail("the dude stopped at (" + std::to_string(world->dude->x) + ", " + std::to_string(world->dude->y) +
                  ") walking " + direction + " to " + std::to_string(target));
    }
    // The walk's last frame cannot be told ahead: every frame that could reach the target at three
    // times the longest stride so far is drawn, and every frame until the dude has moved at all.
    runFrame(longestStride == 0 || std::abs(target - at) <= 3 * longestStride);
  }
  input.state.keys[key] = 0;
  return fail("no quest is being played");
}

// Starts a quest as its briefing's Accept would: fresh world objects, pacers and quest clock.
void ReplayRunner::gotoQuest(int quest) {
  // The boot scene makes the long-lived objects on its first frame; from its second on, frames come at
  // the steady pace a booted game has, so a quest entered here plays as one entered from a briefing.
  if (!game.gameRecord) {
    runFrame();
    runFrame();
  }
  game.freeSceneScreens();
  game.freeWorlds();
  for (auto& p : game.pacers) p.reset();
  questclock::resetForNewQuest(game);
  game.questNumber = static_cast<uint8_t>(quest);
  game.currentScene = worldSceneOfQuest(quest);
  game.sceneChange = 1;
}

// Opens the briefing of a quest, as a campaign that has reached it would, or its result, as if it
// had just been solved with the hearts and seconds that `set` gave.
void ReplayRunner::gotoScreen(SceneRoutine scene, int quest) {
  if (!game.gameRecord) runFrame();
  game.freeSceneScreens();
  game.questNumber = static_cast<uint8_t>(quest);
  game.currentScene = scene;
  game.sceneChange = 1;
}

namespace {
struct CampaignValue {
  const char* name;
  uint32_t limit;
  void (*store)(GameApp&, uint32_t);
};
constexpr CampaignValue kCampaignValues[] = {
    {"score", 2559999, [](GameApp& g, uint32_t v) { g.score = v; }},
    {"gemCount", 9, [](GameApp& g, uint32_t v) { g.gemCount = static_cast<uint8_t>(v); }},
    {"lastTimeLeft", 150, [](GameApp& g, uint32_t v) { g.lastTimeLeft = static_cast<uint8_t>(v); }},
    {"lastHeartsLeft", 5, [](GameApp& g, uint32_t v) { g.lastHeartsLeft = static_cast<uint8_t>(v); }},
};
}  // namespace

// Puts the campaign where a test needs it, e.g. a score to see on the save screen.
bool ReplayRunner::setCampaignValue(const std::string& name, long value) {
  for (const CampaignValue& entry : kCampaignValues) {
    if (name != entry.name) continue;
    if (value > static_cast<long>(entry.limit)) return fail(name + " is at most " + std::to_string(entry.limit));
    entry.store(game, static_cast<uint32_t>(value));
    return true;
  }
  return fail("set knows score, gemCount, lastTimeLeft and lastHeartsLeft, not " + name);
}

namespace {
bool isMark(const std::string& line, const std::string& name) {
  std::istringstream words(line);
  std::string verb, word;
  words >> verb >> word;
  return verb == "mark" && word == name;
}
}  // namespace

// Reads a script's lines without their comments. `play FILE` stands for the lines of another script
// without its `goto` and `screenshot` lines, so that a campaign plays each quest by the very route
// its own replay proves. Each line keeps where it came from, for failure messages.
bool ReplayRunner::load(const std::filesystem::path& script, Script& out, int depth) {
  std::ifstream in(script);
  if (!in) {
    failure = "cannot read " + script.string();
    return false;
  }
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string verb, name;
    words >> verb >> name;
    // A played script's own entry point and pictures are its own; the player's is the campaign's.
    if ((verb == "goto" || verb == "screenshot") && depth > 0) continue;
    const std::string where = depth == 0 ? "line " + std::to_string(number)
                                         : script.filename().string() + " line " + std::to_string(number);
    if (verb != "play") {
      out.lines.push_back(line);
      out.origins.push_back(where);
      continue;
    }
    if (name.empty() || depth >= kMostNestedPlays) {
      failure = where + ": play needs a script, at most " + std::to_string(kMostNestedPlays) + " deep";
      return false;
    }
    std::string after, mark;
    words >> after >> mark;
    if (!after.empty() && (after != "after" || mark.empty())) {
      failure = where + ": play takes a script and optionally after and a mark";
      return false;
    }
    Script played;
    if (!load(script.parent_path() / name, played, depth + 1)) return false;
    size_t from = 0;
    if (!mark.empty()) {
      while (from < played.lines.size() && !isMark(played.lines[from], mark)) ++from;
      if (from == played.lines.size()) {
        failure = where + ": " + name + " has no mark " + mark;
        return false;
      }
      ++from;
    }
    out.lines.insert(out.lines.end(), played.lines.begin() + from, played.lines.end());
    out.origins.insert(out.origins.end(), played.origins.begin() + from, played.origins.end());
  }
  return true;
}

bool ReplayRunner::runCommand(const std::string& line, bool draw) {
  drawingCommand = draw;
  ++lineNumber;
  return command(line);
}

bool ReplayRunner::run(const std::filesystem::path& script) {
  if (!load(script, loaded, 0)) return false;
  const std::vector<bool> draw = framesToDraw(loaded.lines);
  for (size_t i = 0; i < loaded.lines.size(); ++i)
    if (!runCommand(loaded.lines[i], draw[i])) return false;
  return true;
}

// Drawing is most of a headless frame's cost, and only the frames a screenshot shows need it: the
// last frame of the last command that runs any before each screenshot. A walk draws the frames near
// its end; goto, which runs at most two frames, draws them all.
std::vector<bool> ReplayRunner::framesToDraw(const std::vector<std::string>& lines) {
  static const std::set<std::string> kRunsNoFrames = {"", "key", "mouse", "screenshot", "state", "set", "expect", "mark"};
  std::vector<bool> draw(lines.size(), false);
  bool screenshotAhead = false;
  for (size_t i = lines.size(); i-- > 0;) {
    std::istringstream words(lines[i]);
    std::string verb;
    words >> verb;
    if (verb == "screenshot") screenshotAhead = true;
    if (!kRunsNoFrames.count(verb)) {
      draw[i] = screenshotAhead;
      screenshotAhead = false;
    }
  }
  return draw;
}
