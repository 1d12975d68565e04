#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/KeyCodes.h"
#include "quests/Campaign.h"
#include "quests/QuestPanel.h"
#include "quests/QuestPanelLayout.h"

namespace {
constexpr uint8_t kMissionEnding = 2;

void enterResult(GameApp& game) {
  game.sceneChange = 0;
  startSceneClock(game);
  game.questTimerRunning = 0;
  game.freeWorlds();
}

// The quest's points count once per visit: they are added when the panel is made.
void createPanel(GameApp& game) {
  startTitleMusic(game);
  game.questPanel = std::make_unique<QuestPanel>();
  QuestPanel& panel = *game.questPanel;
  panel.loadArt(&game.graphics);
  panel.points = questPoints(game.lastHeartsLeft, game.lastTimeLeft);
  game.score += panel.points;
  panel.ordinal = shownOrdinal(game.questNumber);
}

// One step of the play order per visit, however many inputs continue in the same frame.
void continueCampaign(GameApp& game, QuestPanel& panel) {
  if (!panel.stepTaken) {
    advanceQuest(game);
    panel.stepTaken = 1;
  }
  changeScene(game, QuestBriefingScene);
}

void runContinueButton(GameApp& game, QuestPanel& panel) {
  InputDevice& mouse = game.cursor.mouse;
  panel.hoverContinue(game.cursor.x, game.cursor.y);
  panel.pressContinue(game.cursor.x, game.cursor.y, mouse);
  if (panel.buttonActs(mouse)) continueCampaign(game, panel);
}

// After the last quest the mission screen shows the complete necklace, then the ending.
void openEndingIfFinished(GameApp& game) {
  GameRecord* record = game.gameRecord.get();
  if (!record || !record->campaignFinished) return;
  record->campaignFinished = 0;
  record->missionMode = kMissionEnding;
  if (SceneRoutine mission = sceneByName("MissionScene")) game.currentScene = mission;
}
}  // namespace

void QuestResultScene(GameApp& game) {
  if (game.sceneChange) enterResult(game);
  beginSceneFrame(game);
  if (!game.questPanel) createPanel(game);
  pacer(game, 0);
  QuestPanel& panel = *game.questPanel;

  pollKeyboard(game);
  takeKey(game, kKeyBackspace);  // taken so it cannot reach the next screen, and otherwise ignored
  if (takeKey(game, kKeyEnter)) continueCampaign(game, panel);
  runContinueButton(game, panel);

  panel.drawHeader(330, 143, QuestPanel::Button::Continue, game.backContinuePanel.get());
  panel.drawPoints(game.lastHeartsLeft, game.lastTimeLeft);
  panel.endFrame();

  runSceneClock(game);
  if (game.sceneChange) {
    game.questPanel.reset();
    openEndingIfFinished(game);
  }
  endSceneFrame(game, true);
}
