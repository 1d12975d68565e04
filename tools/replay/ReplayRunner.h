#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "game/GameApp.h"
#include "platform/InputSource.h"


// Feeds a script of input to the game, one frame at a time on the virtual clock, and checks what
// the script expects.
class ReplayRunner {
 public:
  ReplayRunner(GameApp& game, ScriptedInput& input, std::filesystem::path outDir)
      : game(game), input(input), outDir(std::move(outDir)) {}

  // Runs the whole script. On failure `failure` holds a one-line reason.
  bool run(const std::filesystem::path& script);
  std::string failure;
  bool gameEnded() const { return ended; }
  int endedAtLine() const { return endLine; }
  // One script line on its own, for input made up as the game runs (the soak).
  bool runCommand(const std::string& line);
  long framesRun() const { return frameCount; }

 private:
  static constexpr int kMostNestedPlays = 3;
  bool load(const std::filesystem::path& script, std::vector<std::string>& lines, int depth);
  bool command(const std::string& line);
  static std::vector<bool> framesToDraw(const std::vector<std::string>& lines);
  void runFrame();
  void runFrames(long count);
  void runFor(uint32_t ms);
  void gotoQuest(int quest);
  void gotoScreen(SceneRoutine scene, int quest);
  bool setCampaignValue(const std::string& name, long value);
  bool walk(const std::string& direction, int target);
  bool fail(const std::string& reason);
  bool setKey(const std::string& name, bool down);
  bool expect(const std::string& what, std::istringstream& args);
  bool expectFile(std::istringstream& args);
  bool expectSame(std::istringstream& args);
  std::filesystem::path outputPath(const std::string& name) const;

  GameApp& game;
  ScriptedInput& input;
  std::filesystem::path outDir;
  bool ended = false;
  int lineNumber = 0;
  int endLine = 0;
  long frameCount = 0;
};
