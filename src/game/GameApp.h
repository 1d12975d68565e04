#pragma once
#include <cstdint>
#include <memory>

#include "platform/Application.h"
#include "platform/FrameTimer.h"
#include "platform/StepPacer.h"
#include "platform/TextFont.h"

class GameApp;
class BackContinuePanel;
class CreditsScreen;
class GameRecord;
class HallOfFameScreen;
class InformationScreen;
class LoadScreen;
class MainMenuScreen;
class MissionScreen;
class NameEntryScreen;
class QuestPanel;
class WorldState;
class Dude;
class QuestScenery;
class QuitDialog;
class SaveScreen;
class Settings;
class TitleScreen;

// A scene is one routine, called once per frame with the game object, plus the screen object it
// creates on its first frame.
using SceneRoutine = void (*)(GameApp&);

constexpr int kPacerCount = 7;
constexpr int kWorldCount = 6;

// The three objects of a running quest. They exist only while their world's scene runs.
struct WorldObjects {
  WorldObjects();
  ~WorldObjects();
  void free();
  std::unique_ptr<QuestScenery> scenery;
  std::unique_ptr<WorldState> state;
  std::unique_ptr<Dude> dude;
};
constexpr const char* kTitleMusic = "Data/Music.mid";

// The one game object: the platform members, everything that outlives a single screen, and the
// scene that runs this frame.
class GameApp : public Application, public FrameTimer {
 public:
  GameApp();
  ~GameApp() override;

  int Init() override;
  int Cleanup() override;
  int Frame() override;

  TextFont font;
  std::unique_ptr<BackContinuePanel> backContinuePanel;
  std::unique_ptr<CreditsScreen> creditsScreen;
  std::unique_ptr<HallOfFameScreen> hallOfFameScreen;
  std::unique_ptr<GameRecord> gameRecord;
  std::unique_ptr<InformationScreen> informationScreen;
  std::unique_ptr<LoadScreen> loadScreen;
  std::unique_ptr<MainMenuScreen> mainMenuScreen;
  std::unique_ptr<MissionScreen> missionScreen;
  MouseCursor cursor;
  std::unique_ptr<StepPacer> pacers[kPacerCount];
  std::unique_ptr<NameEntryScreen> nameEntryScreen;
  std::unique_ptr<QuestPanel> questPanel;
  WorldObjects worlds[kWorldCount];  // world 1 at index 0
  std::unique_ptr<QuitDialog> quitDialog;
  std::unique_ptr<SaveScreen> saveScreen;
  std::unique_ptr<Settings> settings;
  std::unique_ptr<TitleScreen> titleScreen;

  SceneRoutine currentScene = nullptr;
  uint8_t questNumber = 12;
  uint8_t gemCount = 0;
  uint32_t score = 0;
  uint8_t lastTimeLeft = 0;
  uint8_t lastHeartsLeft = 0;
  uint8_t questTimerRunning = 0;
  uint8_t questTimerCarry = 0;
  uint32_t questTimerTotal = 0;
  uint32_t questTimerCarried = 0;
  uint8_t menuKeyHandled = 0;
  uint8_t restartMusic = 0;
  uint8_t sceneChange = 0;
  uint8_t sceneClockRestart = 1;
  uint32_t sceneSeconds = 0;
  uint32_t sceneStartMs = 0;

  // Frees the scenery, world state and dude of every world, so each world starts its quest afresh.
  void freeWorlds();
  // Frees every scene's screen object (not the shared Back/Continue art).
  void freeSceneScreens();
  // The objects of the quest being played, or null while no world runs.
  WorldObjects* runningWorld();

 private:
  void freeAllScreens();
};
