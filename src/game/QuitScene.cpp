#include "game/Panels.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/KeyCodes.h"

namespace {
constexpr uint8_t kOpenedFromWorld = 3;
constexpr uint8_t kRestoreQuest = 2;

// Back to where the player came from; a world that opened the dialog gets its quest restored.
void goBack(GameApp& game) {
  changeScene(game, MainMenuScene);
  if (game.gameRecord->worldReturn == kOpenedFromWorld) game.gameRecord->transferState = kRestoreQuest;
}
}  // namespace

void QuitScene(GameApp& game) {
  enterScene(game);
  beginSceneFrame(game);
  if (!game.quitDialog) {
    game.quitDialog = std::make_unique<QuitDialog>();
    game.quitDialog->Load(&game.graphics);
    restartTitleMusicIfAsked(game);
  }
  QuitDialog& dialog = *game.quitDialog;

  pollKeyboard(game);
  for (const uint8_t key : {kKeyBackspace, kKeyEscape})
    if (takeKey(game, key)) goBack(game);
  if (takeKey(game, kKeyEnter)) game.PostQuitMessage();

  InputDevice& mouse = game.cursor.mouse;
  dialog.Hover(game.cursor.x, game.cursor.y);
  dialog.Press(game.cursor.x, game.cursor.y, mouse);
  const int choice = dialog.rule.act(mouse);
  if (choice == QuitDialog::kYes) game.PostQuitMessage();
  if (choice == QuitDialog::kNo) goBack(game);

  dialog.Draw();
  dialog.EndFrame();
  runSceneClock(game);

  if (game.sceneChange) {
    game.quitDialog.reset();
    GameRecord& record = *game.gameRecord;
    if (record.worldReturn == kOpenedFromWorld) {
      record.worldReturn = 0;
      if (SceneRoutine world = worldSceneOfQuest(game.questNumber)) game.currentScene = world;
    }
  }
  endSceneFrame(game, true);
}
