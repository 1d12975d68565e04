#include <cstring>

#include "game/MainMenuScreen.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/LoadScreen.h"
#include "persistence/SaveGameCodec.h"
#include "world/Dude.h"

namespace {
constexpr uint8_t kRestoreQuest = 2;
constexpr uint8_t kSolved = 1, kSolvedUnderMenu = 2;

// A file that vanished or was damaged since the load screen read it, or one whose quest names no
// world, loads nothing: the load screen reads its slots again and waits for another choice.
void backToLoadScreen(GameApp& game) {
  if (game.loadScreen) game.loadScreen->loadingSlot = 0;
  game.gameRecord->rescanSlots = 1;
  game.currentScene = LoadScene;
}

// A loaded quest starts with its menu closed. A quest solved while the menu was up is plain solved
// again, as Cancel would make it, so its Continue answers.
void closeMenu(QuestImage& image) {
  if (image.menuState == Dude::kMenuOpen) image.menuState = Dude::kPlaying;
  if (image.menuState == Dude::kPlaying && image.questSolved == kSolvedUnderMenu) image.questSolved = kSolved;
}
}  // namespace

// One frame, drawing nothing: reads the slot the load screen picked into the record and enters the
// saved quest's world, which restores the image on its first frame.
void SaveLoaderScene(GameApp& game) {
  SavedGame saved;
  const int slot = game.loadScreen ? game.loadScreen->chosenSlot : 0;
  const SceneRoutine world = readSlotFile(slot, saved) ? worldSceneOfQuest(saved.questNumber) : nullptr;
  if (!world) {
    backToLoadScreen(game);
    return;
  }
  game.mainMenuScreen.reset();
  deletePacers(game);  // the menu's; the world makes its own
  game.questTimerCarried = 0;
  game.questTimerTotal = 0;
  game.score = saved.score;
  game.questNumber = saved.questNumber;
  game.gemCount = saved.gemCount;
  GameRecord& record = *game.gameRecord;
  std::memcpy(record.playerName, saved.playerName, kNameSlots);
  record.questImage = saved.image;
  closeMenu(record.questImage);
  game.loadScreen.reset();
  game.currentScene = world;
  game.sceneChange = 1;
  record.transferState = kRestoreQuest;
}
