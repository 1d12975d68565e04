#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "platform/KeyCodes.h"
#include "quests/QuestPanel.h"
#include "world/QuestClock.h"

namespace {
// Every world starts its quest afresh from here, with a full clock.
void enterBriefing(GameApp& game) {
  game.sceneChange = 0;
  ensureLongLivedObjects(game);
  questclock::resetForNewQuest(game);
  startSceneClock(game);
  game.freeWorlds();
}

void createPanel(GameApp& game) {
  restartTitleMusicIfAsked(game);
  game.questPanel = std::make_unique<QuestPanel>();
  QuestPanel& panel = *game.questPanel;
  panel.loadArt(&game.graphics);
  panel.loadPicture(game.questNumber);
  panel.ordinal = shownOrdinal(game.questNumber);
  panel.gemsShown = game.gemCount;
}

// Enters the quest's world. A quest number that names no world rebuilds the briefing instead.
void accept(GameApp& game) {
  const SceneRoutine world = worldSceneOfQuest(game.questNumber);
  changeScene(game, world ? world : QuestBriefingScene);
}

void runAcceptButton(GameApp& game, QuestPanel& panel) {
  InputDevice& mouse = game.cursor.mouse;
  panel.hoverAccept(game.cursor.x, game.cursor.y);
  panel.pressAccept(game.cursor.x, game.cursor.y, mouse);
  if (panel.buttonActs(mouse)) accept(game);
}
}  // namespace

void QuestBriefingScene(GameApp& game) {
  if (game.sceneChange) enterBriefing(game);
  beginSceneFrame(game);
  if (!game.questPanel) createPanel(game);
  pacer(game, 0);
  QuestPanel& panel = *game.questPanel;

  pollKeyboard(game);
  takeKey(game, kKeyBackspace);  // taken so it cannot reach the next screen, and otherwise ignored
  if (takeKey(game, kKeyEnter)) accept(game);
  runAcceptButton(game, panel);

  panel.animateGems();
  panel.drawHeader(330, 143, QuestPanel::Button::Accept, game.backContinuePanel.get());
  panel.drawGoal(game.questNumber);
  panel.drawNecklace();
  panel.drawScore(game.score);
  panel.endFrame();

  runSceneClock(game);
  if (game.sceneChange) {
    game.questPanel.reset();
    deletePacers(game);
  }
  endSceneFrame(game, true);
}
