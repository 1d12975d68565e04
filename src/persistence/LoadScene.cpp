#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/LoadScreen.h"
#include "platform/KeyCodes.h"

namespace {
void createScreen(GameApp& game) {
  game.gameRecord->rescanSlots = 1;
  game.loadScreen = std::make_unique<LoadScreen>();
  game.loadScreen->Load(&game.graphics);
  startSceneClock(game);
}

// The main menu was left open underneath and resumes as it was.
void backToMenu(GameApp& game) {
  game.currentScene = MainMenuScene;
  game.sceneChange = 1;
}

// An empty slot takes the press and does nothing.
void runButton(GameApp& game, LoadScreen& screen, int id) {
  if (id == LoadScreen::kBack) {
    backToMenu(game);
    return;
  }
  if (id < 1 || id > kSaveSlots || !screen.rows.exists[id - 1]) return;
  screen.chosenSlot = static_cast<uint8_t>(id);
  screen.loadingSlot = static_cast<uint8_t>(id);
  openOver(game, SaveLoaderScene);
}
}  // namespace

void LoadScene(GameApp& game) {
  enterScene(game);
  beginSceneFrame(game);
  ensureLongLivedObjects(game);
  if (!game.loadScreen) createScreen(game);
  LoadScreen& screen = *game.loadScreen;
  GameRecord& record = *game.gameRecord;
  if (record.rescanSlots) {
    screen.rows.scan(true);
    record.rescanSlots = 0;
  }

  pollKeyboard(game);
  for (const uint8_t key : {kKeyBackspace, kKeyEscape}) {
    if (!takeKey(game, key)) continue;
    backToMenu(game);
    game.sceneClockRestart = 1;
  }
  runButton(game, screen, screen.runButtons(game.cursor.x, game.cursor.y, game.cursor.mouse));

  screen.Draw(game.backContinuePanel.get());
  screen.rule.endFrame();
  runSceneClock(game);
  if (game.sceneChange) game.loadScreen.reset();
  endSceneFrame(game, true);
}
