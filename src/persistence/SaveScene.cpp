#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/SaveScreen.h"
#include "platform/KeyCodes.h"

namespace {
constexpr uint8_t kRestoreQuest = 2;

void createScreen(GameApp& game) {
  restartTitleMusicIfAsked(game);
  game.saveScreen = std::make_unique<SaveScreen>();
  game.saveScreen->Load(&game.graphics);
  game.saveScreen->showCurrentGame(game, game.gameRecord->playerName);
  startSceneClock(game);
}

// Back to the quest, which restores itself from the image; or, when the player was on the way to
// the main menu, there, dropping the image.
void leave(GameApp& game) {
  GameRecord& record = *game.gameRecord;
  game.saveScreen.reset();
  const SceneRoutine world = worldSceneOfQuest(game.questNumber);
  if (record.saveBeforeMenu == SaveScreen::kPlainSave && world) {
    game.currentScene = world;
    record.transferState = kRestoreQuest;
  } else {
    game.currentScene = MainMenuScene;
    record.transferState = 0;
  }
  game.sceneChange = 1;
  record.saveBeforeMenu = SaveScreen::kPlainSave;
}

// Returns whether the button asks to leave.
bool runButton(GameApp& game, SaveScreen& screen, int id) {
  GameRecord& record = *game.gameRecord;
  switch (id) {
    case SaveScreen::kBack:
    case SaveScreen::kNo:
      return true;
    case SaveScreen::kYes:
      record.saveBeforeMenu = SaveScreen::kSaveThenMenu;
      return false;
    case 0:
      return false;
    default:  // a slot: the writer saves it on the next frame and comes back here
      screen.chosenSlot = static_cast<uint8_t>(id);
      openOver(game, SaveWriterScene);
      return false;
  }
}
}  // namespace

void SaveScene(GameApp& game) {
  if (game.sceneChange) {
    enterScene(game);
    game.gameRecord->rescanSlots = 1;
  }
  beginSceneFrame(game);
  if (!game.saveScreen) createScreen(game);
  SaveScreen& screen = *game.saveScreen;
  GameRecord& record = *game.gameRecord;
  if (record.rescanSlots) {
    screen.rows.scan(false);
    record.rescanSlots = 0;
  }

  pollKeyboard(game);
  bool leaving = false;
  for (const uint8_t key : {kKeyBackspace, kKeyEscape}) {
    if (!takeKey(game, key)) continue;
    leaving = true;
    game.sceneClockRestart = 1;
  }
  const int pressed = screen.runButtons(record.saveBeforeMenu, game.cursor.x, game.cursor.y, game.cursor.mouse);
  if (runButton(game, screen, pressed)) leaving = true;

  if (screen.savedShownLongEnough()) {
    screen.savedDone = 1;
    if (record.saveBeforeMenu == SaveScreen::kPlainSave) screen.savedSlot = 0;
  }
  if (screen.failedShownLongEnough()) screen.failedSlot = 0;
  screen.Draw(record.saveBeforeMenu, game.backContinuePanel.get());
  screen.rule.endFrame();
  runSceneClock(game);
  drawFpsOverlay(game, 20, 560);
  if (screen.savedDone && record.saveBeforeMenu == SaveScreen::kSaveThenMenu) leaving = true;
  if (leaving) leave(game);
  endSceneFrame(game, true);
}
