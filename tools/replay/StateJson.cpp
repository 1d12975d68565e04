#include "StateJson.h"

#include "StateText.h"
#include "StateValues.h"
#include "WorldJson.h"
#include "game/GameApp.h"
#include "game/InformationScreen.h"
#include "game/MainMenuScreen.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/HallOfFameScreen.h"
#include "persistence/LoadScreen.h"
#include "persistence/MissionScreen.h"
#include "persistence/NameEntryScreen.h"
#include "persistence/SaveScreen.h"
#include "quests/QuestPanel.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"

namespace {

Json audioRequest(const AudioRequest& request) {
  return {{"file", request.file}, {"volume", request.volume}, {"loop", request.plays == 0}};
}

void gameFields(Json& out, const GameApp& game) {
  out["scene"] = sceneName(game.currentScene);
  out["questNumber"] = toJson(game.questNumber);
  out["gemCount"] = toJson(game.gemCount);
  out["score"] = toJson(game.score);
  out["lastTimeLeft"] = toJson(game.lastTimeLeft);
  out["lastHeartsLeft"] = toJson(game.lastHeartsLeft);
  out["sceneSeconds"] = toJson(game.sceneSeconds);
  out["sceneChange"] = toJson(game.sceneChange);
  out["questTimerRunning"] = toJson(game.questTimerRunning);
  out["questTimerTotal"] = toJson(game.questTimerTotal);
  out["questTimerCarried"] = toJson(game.questTimerCarried);
  out["restartMusic"] = toJson(game.restartMusic);
  out["frameMs"] = toJson(game.frameMs);
  out["fps"] = toJson(game.fps);
  out["cursor"] = {{"x", toJson(game.cursor.x)}, {"y", toJson(game.cursor.y)}};
  out["audio"] = {{"effect", audioRequest(game.sound.lastRequest)}, {"music", audioRequest(game.music.lastRequest)}};
}

Json recordJson(const GameRecord& r) {
  return {{"campaignFinished", toJson(r.campaignFinished)}, {"missionMode", toJson(r.missionMode)},
          {"madeHallOfFame", toJson(r.madeHallOfFame)},     {"saveBeforeMenu", toJson(r.saveBeforeMenu)},
          {"machineSpeed", toJson(r.machineSpeed)},         {"worldReturn", toJson(r.worldReturn)},
          {"rescanSlots", toJson(r.rescanSlots)},           {"playerName", toJson(r.playerName)},
          {"candidateScore", toJson(r.candidateScore)},     {"hallUsed", toJson(r.hallUsed)},
          {"hallScore", toJson(r.hallScore)},               {"hallName", toJson(r.hallName)},
          {"transferState", toJson(r.transferState)}};
}

// The slot rows of the save and load screens, as they were last read.
void slotRows(Json& out, const SlotRows& rows) {
  out["slotExists"] = toJson(rows.exists);
  out["slotScore"] = toJson(rows.score);
  out["slotOrdinal"] = toJson(rows.ordinal);
  out["slotName"] = toJson(rows.name);
}

Json questPanelJson(const QuestPanel& panel) {
  return {{"ordinal", toJson(panel.ordinal)}, {"gemsShown", toJson(panel.gemsShown)}, {"points", toJson(panel.points)}};
}

Json mainMenuJson(const MainMenuScreen& menu) {
  return {{"letterCount", toJson(menu.letterCount)}, {"buttonScale", toJson(menu.buttonScale)},
          {"pillar1Y", toJson(menu.pillar1Y)}, {"cometY", toJson(menu.cometY)}};
}

Json informationJson(const InformationScreen& info) {
  return {{"page", toJson(info.page)}, {"backdrop", toJson(info.backdrop)}};
}

Json nameEntryJson(const NameEntryScreen& entry) { return {{"name", toJson(entry.name)}}; }

Json hallOfFameJson(const HallOfFameScreen& hall) {
  return {{"rowUsed", toJson(hall.rowUsed)}, {"rowScore", toJson(hall.rowScore)}};
}

Json saveScreenJson(const SaveScreen& save) {
  Json out = Json::object();
  slotRows(out, save.rows);
  out["savedSlot"] = toJson(save.savedSlot);
  out["savedDone"] = toJson(save.savedDone);
  out["failedSlot"] = toJson(save.failedSlot);
  out["currentScore"] = toJson(save.currentScore);
  out["currentOrdinal"] = toJson(save.currentOrdinal);
  return out;
}

Json loadScreenJson(const LoadScreen& load) {
  Json out = Json::object();
  slotRows(out, load.rows);
  out["loadingSlot"] = toJson(load.loadingSlot);
  return out;
}

Json missionJson(const MissionScreen& m) {
  return {{"page", toJson(m.page)},
          {"continueShown", toJson(m.continueShown)},
          {"necklaceY", toJson(m.picY[0])},
          {"gemY", toJson(m.gemY)},
          {"dudeX", toJson(m.dudeX)},
          {"dudeFrame", toJson(m.dudeFrame)},
          {"endRockFalling", toJson(m.endRockFalling)},
          {"burstActive", toJson(m.burstActive)},
          {"madeHallOfFame", toJson(m.madeHallOfFame)}};
}

// Adds a screen's object under `key` while that screen exists.
template <typename Screen, typename Write>
void screen(Json& out, const char* key, const std::unique_ptr<Screen>& object, Write write) {
  if (object) out[key] = write(*object);
}

}  // namespace

std::string stateJson(const GameApp& game) {
  Json out = Json::object();
  gameFields(out, game);
  if (game.gameRecord) out["record"] = recordJson(*game.gameRecord);
  if (const WorldObjects* world = const_cast<GameApp&>(game).runningWorld()) {
    out["dude"] = dudeJson(*world->dude);
    out["world"] = worldJson(*world->state);
    out["scenery"] = sceneryJson(*world->scenery);
  }
  screen(out, "questPanel", game.questPanel, questPanelJson);
  screen(out, "mainMenu", game.mainMenuScreen, mainMenuJson);
  screen(out, "information", game.informationScreen, informationJson);
  screen(out, "nameEntry", game.nameEntryScreen, nameEntryJson);
  screen(out, "hallOfFame", game.hallOfFameScreen, hallOfFameJson);
  screen(out, "saveScreen", game.saveScreen, saveScreenJson);
  screen(out, "loadScreen", game.loadScreen, loadScreenJson);
  screen(out, "mission", game.missionScreen, missionJson);
  return stateText(out);
}
