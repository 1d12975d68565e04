#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/Clock.h"
#include "platform/InputSource.h"
#include "platform/KeyCodes.h"
#include "world/Dude.h"
#include "world/QuestClock.h"
#include "world/WorldState.h"

namespace {

// The real game, headless on the virtual clock, playing a world-1 quest frame by frame. It runs in
// an empty directory: missing art draws nothing, and nothing is written into the game's folder.
class WorldFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    game.options.headless = true;
    game.options.scriptedInput = &input;
    ASSERT_TRUE(game.Open());
    game.Init();
    game.Frame();  // the boot scene makes the long-lived objects
  }
  void TearDown() override {
    game.Cleanup();
    useRealClock();
    std::filesystem::current_path(previous);
  }

  // As the briefing's Accept starts a quest.
  void startQuest(int quest) {
    game.freeSceneScreens();
    game.freeWorlds();
    for (auto& p : game.pacers) p.reset();
    questclock::resetForNewQuest(game);
    game.questNumber = static_cast<uint8_t>(quest);
    game.currentScene = WorldScene1;
    game.sceneChange = 1;
    frames(2);
  }
  // As the information screen, the save screen and the quit dialog come back.
  void returnToWorld() {
    game.gameRecord->transferState = 2;
    game.currentScene = WorldScene1;
    game.sceneChange = 1;
    frames(1);
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) game.Frame();
  }
  void tap(uint8_t key) {
    input.state.keys[key] = 0x80;
    frames(1);
    input.state.keys[key] = 0;
  }
  // The mouse button goes down at (x, y) for one frame; it is let go afterwards without a frame.
  void press(int x, int y) {
    input.state.mouseX = x;
    input.state.mouseY = y;
    input.state.buttons[0] = 0x80;
    frames(1);
    input.state.buttons[0] = 0;
  }
  WorldState& world() { return *game.worlds[0].state; }
  Dude& dude() { return *game.worlds[0].dude; }

  TempDir dir;
  std::filesystem::path previous;
  ScriptedInput input;
  GameApp game;
};

}  // namespace

// Save, Quit and the info button leave a solved quest with its menu closed; it comes back
// showing its message, and its Continue leads on to the result.
TEST_F(WorldFrame, ASolvedQuestLeftFromItsMenuComesBackSolved) {
  struct Way {
    const char* name;
    int x, y;
    SceneRoutine next;
  };
  const Way ways[] = {{"Save", 400, 340, SaveScene}, {"Quit", 400, 440, QuitScene}, {"info", 790, 580, InformationScene}};
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    startQuest(3);
    world().questSolved = 1;
    tap(kKeyEscape);
    ASSERT_EQ(dude().menuState, Dude::kMenuOpen);
    ASSERT_EQ(world().questSolved, 2);
    press(way.x, way.y);
    EXPECT_EQ(game.currentScene, way.next);
    const QuestImage& image = game.gameRecord->questImage;
    EXPECT_EQ(image.menuState, Dude::kPlaying);
    EXPECT_EQ(image.questSolved, 1);

    returnToWorld();
    EXPECT_EQ(world().questSolved, 1);
    frames(5);
    press(world().continueButtonX + 20, world().continueButtonY + 20);
    frames(1);
    EXPECT_EQ(game.currentScene, QuestResultScene);
  }
}

// The cheering frame holds every frame of a solved quest, even while a teleport runs.
TEST_F(WorldFrame, ASolvedQuestCheersDuringATeleport) {
  startQuest(1);
  world().teleportState = 1;
  world().questSolved = 1;
  frames(1);
  EXPECT_EQ(dude().frame, Dude::kCheeringFrame);
  EXPECT_EQ(world().teleportState, 1);  // its first step only armed the teleport's timer
}
