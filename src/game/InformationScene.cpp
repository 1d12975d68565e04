#include "game/InformationScreen.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/KeyCodes.h"

namespace {
constexpr uint8_t kOpenedFromWorld = 2;
constexpr uint8_t kRestoreQuest = 2;

void leave(GameApp& game) {
  changeScene(game, MainMenuScene);
  if (game.gameRecord->worldReturn == kOpenedFromWorld) game.gameRecord->transferState = kRestoreQuest;
}

void runButtons(GameApp& game, InformationScreen& info) {
  InputDevice& mouse = game.cursor.mouse;
  const int x = game.cursor.x, y = game.cursor.y;
  info.rule.hover(InformationScreen::kHoverPlaces, info.frames, 3, x, y);
  info.rule.press(InformationScreen::kPressPlaces, info.frames, 3, x, y, mouse);
  switch (info.rule.act(mouse)) {
    case InformationScreen::kBack:
      leave(game);
      break;
    case InformationScreen::kPrevious:
      info.turnPage(-1);
      break;
    case InformationScreen::kNext:
      info.turnPage(+1);
      break;
    default:
      break;
  }
}
}  // namespace

void InformationScene(GameApp& game) {
  if (game.sceneChange) {
    game.sceneChange = 0;
    startSceneClock(game);
  }
  beginSceneFrame(game);
  ensureBackContinuePanel(game);
  if (!game.informationScreen) {
    // The main menu opens this screen over itself without a scene change; the delays of the title
    // and the texts still count from here.
    startSceneClock(game);
    game.informationScreen = std::make_unique<InformationScreen>();
    game.informationScreen->Load(&game.graphics);
    restartTitleMusicIfAsked(game);
  }
  InformationScreen& info = *game.informationScreen;

  pollKeyboard(game);
  for (const uint8_t key : {kKeyBackspace, kKeyEscape})
    if (takeKey(game, key)) leave(game);
  runButtons(game, info);
  info.Animate();
  info.Draw(game.backContinuePanel.get(), game.sceneSeconds);
  info.rule.endFrame();
  runSceneClock(game);
  drawFpsOverlay(game, 20, 560);

  if (game.sceneChange) {
    game.informationScreen.reset();
    GameRecord& record = *game.gameRecord;
    if (record.worldReturn == kOpenedFromWorld) {
      record.worldReturn = 0;
      if (SceneRoutine world = worldSceneOfQuest(game.questNumber)) game.currentScene = world;
    }
    deletePacers(game);
  }
  endSceneFrame(game, true);
}
