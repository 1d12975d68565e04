#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/HallOfFameScreen.h"
#include "platform/KeyCodes.h"

void HallOfFameScene(GameApp& game) {
  enterScene(game);
  beginSceneFrame(game);
  if (!game.hallOfFameScreen) {
    game.hallOfFameScreen = std::make_unique<HallOfFameScreen>();
    game.hallOfFameScreen->Load(&game.graphics);
    game.hallOfFameScreen->copyTable(*game.gameRecord);
  }
  HallOfFameScreen& hall = *game.hallOfFameScreen;

  pollKeyboard(game);
  if (takeKey(game, kKeyBackspace)) changeScene(game, MainMenuScene);
  if (takeKey(game, kKeyEscape)) {
    game.currentScene = MainMenuScene;
    game.sceneChange = 1;
  }
  InputDevice& mouse = game.cursor.mouse;
  hall.rule.hover(&HallOfFameScreen::kBackPlace, &hall.backFrame, 1, game.cursor.x, game.cursor.y);
  hall.rule.press(&HallOfFameScreen::kBackPlace, &hall.backFrame, 1, game.cursor.x, game.cursor.y, mouse);
  if (hall.rule.act(mouse)) changeScene(game, MainMenuScene);

  hall.Draw(game.backContinuePanel.get());
  hall.rule.endFrame();
  runSceneClock(game);
  if (game.sceneChange) game.hallOfFameScreen.reset();
  drawFpsOverlay(game, 20, 560);
  endSceneFrame(game, true);
}
