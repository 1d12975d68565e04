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
  // One script line on its own, for input made up as the game runs (the soak); `draw` draws the
  // command's last frame.
  bool runCommand(const std::string& line, bool draw);
  long framesRun() const { return frames; }

 private:
  static constexpr int kMostNestedPlays = 3;
  // A script's lines with `play` expanded, and where each came from ("quest-31.txt line 12").
  struct Script {
    std::vector<std::string> lines;
    std::vector<std::string> origins;
  };
  bool load(const std::filesystem::path& script, Script& out, int depth);
  bool command(const std::string& line);
  static std::vector<bool> framesToDraw(const std::vector<std::string>& lines);
  void runFrame(bool mayBeLastOfCommand = true);
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
  bool expectScoreRose();
  bool clickContinue();
  std::filesystem::path outputPath(const std::string& name) const;

  GameApp& game;
  ScriptedInput& input;
  std::filesystem::path outDir;
  // The campaign values when the running quest was last seen solved, for `expect score-rose`.
  struct Solved {
    bool seen = false;
    uint32_t score = 0;
    int hearts = 0;
    int secondsLeft = 0;
  } solvedWith;
  Script loaded;
  bool drawingCommand = false;  // a screenshot shows this command's last frame
  bool ended = false;
  long frames = 0;
  int lineNumber = 0;
  int endLine = 0;
};
