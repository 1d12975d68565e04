#include "game/MainMenuScreen.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "game/TitleScreen.h"
#include "platform/KeyCodes.h"

namespace {

void createMenuScreen(GameApp& game) {
  game.mainMenuScreen = std::make_unique<MainMenuScreen>();
  game.mainMenuScreen->Load(&game.graphics);
  startSceneClock(game);
  restartTitleMusicIfAsked(game);
}

// Hall of Fame, Load Game, Information and Credits open over the menu, which resumes as it was.
void runButton(GameApp& game, int id) {
  switch (id) {
    case MainMenuScreen::kStartNewGame:
      game.score = 0;
      game.gemCount = 0;
      game.currentScene = NameEntryScene;
      game.sceneChange = 1;
      break;
    case MainMenuScreen::kHallOfFame:
      openOver(game, HallOfFameScene);
      break;
    case MainMenuScreen::kLoadGame:
      openOver(game, LoadScene);
      break;
    case MainMenuScreen::kInformation:
      openOver(game, InformationScene);
      break;
    case MainMenuScreen::kCredits:
      openOver(game, CreditsScene);
      break;
    case MainMenuScreen::kQuit:
      game.PostQuitMessage();
      break;
    default:
      break;
  }
}

}  // namespace

void MainMenuScene(GameApp& game) {
  game.titleScreen.reset();
  if (game.sceneChange) game.sceneChange = 0;
  beginSceneFrame(game);
  if (!game.mainMenuScreen) createMenuScreen(game);
  MainMenuScreen& menu = *game.mainMenuScreen;
  StepPacer& fast = pacer(game, 0);
  StepPacer& slow = pacer(game, 1);

  pollKeyboard(game);
  if (takeKey(game, kKeyEscape)) changeScene(game, QuitScene);

  InputDevice& mouse = game.cursor.mouse;
  menu.rule.hover(MainMenuScreen::kPlaces, menu.buttonFrame, MainMenuScreen::kButtons, game.cursor.x, game.cursor.y);
  menu.rule.press(MainMenuScreen::kPlaces, menu.buttonFrame, MainMenuScreen::kButtons, game.cursor.x, game.cursor.y,
                  mouse);
  if (const int id = menu.rule.act(mouse)) runButton(game, id);

  if (game.frameValid) {
    fast.out = fast.Step(100, game.frameMs);
    slow.out = slow.Step(60, game.frameMs);
    menu.Move(fast.out, slow.out);
    menu.GrowButtons();
    menu.GrowLetters();
    menu.ShrinkComet();
    if (game.sceneSeconds > 3) menu.UnrollTitle();
  }

  menu.Draw();
  menu.PulseSun();
  menu.rule.endFrame();

  runSceneClock(game);
  if (game.sceneChange) {
    game.mainMenuScreen.reset();
    deletePacers(game);
  }
  drawFpsOverlay(game, 20, 6);
  endSceneFrame(game, true);
}
