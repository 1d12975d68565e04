#include "game/CreditsScreen.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "platform/KeyCodes.h"

namespace {
void backToMenu(GameApp& game) { changeScene(game, MainMenuScene); }
}  // namespace

void CreditsScene(GameApp& game) {
  enterScene(game);
  beginSceneFrame(game);
  if (!game.creditsScreen) {
    game.creditsScreen = std::make_unique<CreditsScreen>();
    game.creditsScreen->Load(&game.graphics);
  }
  CreditsScreen& credits = *game.creditsScreen;

  pollKeyboard(game);
  for (const uint8_t key : {kKeyBackspace, kKeyEscape})
    if (takeKey(game, key)) backToMenu(game);

  InputDevice& mouse = game.cursor.mouse;
  credits.rule.hover(&CreditsScreen::kBackPlace, &credits.backFrame, 1, game.cursor.x, game.cursor.y);
  credits.rule.press(&CreditsScreen::kBackPlace, &credits.backFrame, 1, game.cursor.x, game.cursor.y, mouse);
  if (credits.rule.act(mouse)) backToMenu(game);

  credits.background.DrawFrame(0, 0, 0, 0, kWhite, 3.125f, 2.34375f);
  if (game.backContinuePanel)
    game.backContinuePanel->buttons.DrawFrame(BackContinuePanel::kBack, credits.backFrame, 700, 10, kWhite, 1, 1);
  credits.rule.endFrame();

  runSceneClock(game);
  credits.DrawLines();
  if (game.sceneChange) game.creditsScreen.reset();
  endSceneFrame(game, true);
}
