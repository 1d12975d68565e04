#include <gtest/gtest.h>

#include <filesystem>

#include "HeadlessGame.h"
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
class WorldFrame : public HeadlessGame {
 protected:
  // As the information screen, the save screen and the quit dialog come back.
  void returnToWorld() {
    game.gameRecord->transferState = 2;
    game.currentScene = WorldScene1;
    game.sceneChange = 1;
    frames(1);
  }
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
