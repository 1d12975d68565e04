#include "game/MainMenuScreen.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/MissionScreen.h"
#include "platform/KeyCodes.h"
#include "quests/PlayOrder.h"

namespace {
constexpr int kPagePacers = 6;
constexpr int kPacerRates[kPagePacers] = {15, 40, 110, 177, 70, 250};
constexpr uint8_t kNoPage = 0;

// The ending's first frame offers the score to the hall of fame and writes the file, once per
// visit, before anything is drawn.
void createScreen(GameApp& game) {
  GameRecord& record = *game.gameRecord;
  game.missionScreen = std::make_unique<MissionScreen>();
  MissionScreen& screen = *game.missionScreen;
  screen.Load(&game.graphics, record.missionMode, record.playerName);
  if (screen.page != MissionScreen::kEnding) return;
  record.candidateScore = game.score;
  screen.madeHallOfFame = record.enterHallOfFame() ? 1 : 0;
  record.saveHallOfFame();
}

// Until Continue shows, any click leaves at once; then Continue follows the button rule.
bool continueAsked(GameApp& game, MissionScreen& screen) {
  InputDevice& mouse = game.cursor.mouse;
  const int x = game.cursor.x, y = game.cursor.y;
  screen.rule.hover(&MissionScreen::kContinuePlace, &screen.continueFrame, 1, x, y);
  if (!screen.continueShown) {
    if (!mouse.ButtonHit(0) && !mouse.ButtonHit(1)) return false;
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
    return true;
  }
  screen.rule.press(&MissionScreen::kContinuePlace, &screen.continueFrame, 1, x, y, mouse);
  return screen.rule.act(mouse) != 0;
}

MissionScreen::Steps stepPacers(GameApp& game) {
  uint8_t out[kPagePacers];
  for (int i = 0; i < kPagePacers; ++i) {
    StepPacer& p = pacer(game, i);
    p.out = p.Step(kPacerRates[i], game.frameMs);
    out[i] = p.out;
  }
  return {out[0], out[1], out[2], out[3], out[4], out[5]};
}

// Page 1 starts the campaign; page 2 shows the ending next; the ending opens the hall of fame.
void leavePage(GameApp& game, uint8_t page) {
  GameRecord& record = *game.gameRecord;
  switch (page) {
    case MissionScreen::kMission:
      game.questNumber = kFirstQuest;
      game.currentScene = QuestBriefingScene;
      break;
    case MissionScreen::kNecklace:
      record.missionMode = MissionScreen::kEnding;
      break;
    case MissionScreen::kEnding:
      record.missionMode = kNoPage;
      game.currentScene = HallOfFameScene;
      break;
    default:  // no page to show: nothing to leave but the main menu
      game.currentScene = MainMenuScene;
      break;
  }
  game.sceneChange = 1;
}
}  // namespace

void MissionScene(GameApp& game) {
  game.mainMenuScreen.reset();
  if (game.sceneChange) {
    game.sceneChange = 0;
    startSceneClock(game);
  }
  beginSceneFrame(game);
  ensureLongLivedObjects(game);
  for (int i = 0; i < kPagePacers; ++i) pacer(game, i);
  if (!game.missionScreen) createScreen(game);
  MissionScreen& screen = *game.missionScreen;

  pollKeyboard(game);
  bool leaving = false;
  for (const uint8_t key : {kKeyEnter, kKeyEscape})
    if (takeKey(game, key)) leaving = true;
  if (continueAsked(game, screen)) leaving = true;

  if (game.frameValid) screen.Move(stepPacers(game));
  screen.Animate();
  screen.Draw(game.backContinuePanel.get(), game.score);
  if (leaving) leavePage(game, screen.page);
  screen.rule.endFrame();

  runSceneClock(game);
  drawFpsOverlay(game, 20, 560);
  if (game.sceneChange) {
    game.missionScreen.reset();
    game.mainMenuScreen.reset();
    deletePacers(game);
  }
  endSceneFrame(game, true);
}
