#include "StateJson.h"

#include <sstream>

#include "game/GameApp.h"
#include "game/InformationScreen.h"
#include "game/MainMenuScreen.h"
#include "persistence/HallOfFameScreen.h"
#include "persistence/LoadScreen.h"
#include "persistence/MissionScreen.h"
#include "persistence/NameEntryScreen.h"
#include "persistence/SaveScreen.h"
#include "quests/QuestPanel.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"

namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

template <typename T>
std::string numbers(const T* values, int count) {
  std::ostringstream out;
  out << "[";
  for (int i = 0; i < count; ++i) out << (i ? ", " : "") << static_cast<long long>(values[i]);
  out << "]";
  return out.str();
}

std::string audioRequest(const AudioRequest& request) {
  std::ostringstream out;
  out << "{\"file\": " << quoted(request.file) << ", \"volume\": " << request.volume
      << ", \"loop\": " << (request.plays == 0 ? "true" : "false") << "}";
  return out.str();
}

std::string dudeJson(const Dude& d) {
  std::ostringstream out;
  out << "{\"x\": " << d.x << ", \"y\": " << d.y << ", \"nextX\": " << d.nextX << ", \"nextY\": " << d.nextY
      << ", \"hearts\": " << +d.hearts << ", \"menuState\": " << +d.menuState << ", \"frame\": " << +d.frame
      << ", \"direction\": " << +d.direction << "}";
  return out.str();
}

std::string worldJson(const WorldState& w) {
  std::ostringstream out;
  out << "{\"questNumber\": " << +w.questNumber << ", \"questSolved\": " << +w.questSolved
      << ", \"goalActive\": " << +w.goalActive << ", \"coinsHeld\": " << +w.coinsHeld
      << ", \"weightsHeld\": " << +w.weightsHeld << ", \"hammersHeld\": " << +w.hammersHeld
      << ", \"specialKeyHeld\": " << +w.specialKeyHeld << ", \"gemState\": " << +w.gemState
      << ", \"herbReceived\": " << +w.herbReceived << ", \"keyHeld\": " << numbers(w.keyHeld, kMaxObjects)
      << ", \"coinPresent\": " << numbers(w.coinPresent, w.coinCount)
      << ", \"keyPresent\": " << numbers(w.keyPresent, w.keyCount)
      << ", \"weightPresent\": " << numbers(w.weightPresent, w.weightCount)
      << ", \"foodPresent\": " << numbers(w.foodPresent, w.foodCount)
      << ", \"doorPresent\": " << numbers(w.doorPresent, w.doorCount)
      << ", \"blockPresent\": " << numbers(w.blockPresent, w.blockCount)
      << ", \"menuButtonFrame\": " << +w.menuButtonFrame << ", \"continueButtonFrame\": " << +w.continueButtonFrame
      << "}";
  return out.str();
}

std::string sceneryJson(const QuestScenery& s) {
  std::ostringstream out;
  out << "{\"timeLimit\": " << s.timeLimit << ", \"gateScale\": " << s.gateScale << ", \"fadeActive\": " << +s.fadeActive
      << ", \"portcullisMoving\": " << +s.portcullisMoving << ", \"propBY\": " << s.propBY << "}";
  return out.str();
}

std::string recordJson(const GameRecord& r) {
  std::ostringstream out;
  out << "{\"campaignFinished\": " << +r.campaignFinished << ", \"missionMode\": " << +r.missionMode
      << ", \"madeHallOfFame\": " << +r.madeHallOfFame << ", \"saveBeforeMenu\": " << +r.saveBeforeMenu
      << ", \"machineSpeed\": " << +r.machineSpeed << ", \"worldReturn\": " << +r.worldReturn
      << ", \"rescanSlots\": " << +r.rescanSlots << ", \"playerName\": " << numbers(r.playerName, kNameGlyphs)
      << ", \"candidateScore\": " << r.candidateScore << ", \"hallUsed\": " << numbers(r.hallUsed, kHallEntries)
      << ", \"hallScore\": " << numbers(r.hallScore, kHallEntries) << ", \"hallName\": [";
  for (int i = 0; i < kHallEntries; ++i) out << (i ? ", " : "") << numbers(r.hallName[i], kNameGlyphs);
  out << "], \"transferState\": " << +r.transferState << "}";
  return out.str();
}

// The slot rows of the save and load screens, as they were last read.
std::string slotsJson(const SlotRows& rows) {
  std::ostringstream out;
  out << "\"slotExists\": " << numbers(rows.exists, kSaveSlots) << ", \"slotScore\": " << numbers(rows.score, kSaveSlots)
      << ", \"slotOrdinal\": " << numbers(rows.ordinal, kSaveSlots) << ", \"slotName\": [";
  for (int i = 0; i < kSaveSlots; ++i) out << (i ? ", " : "") << numbers(rows.name[i], kNameSlots);
  out << "]";
  return out.str();
}

std::string missionJson(const MissionScreen& m) {
  std::ostringstream out;
  out << "{\"page\": " << +m.page << ", \"continueShown\": " << +m.continueShown << ", \"necklaceY\": " << m.picY[0]
      << ", \"gemY\": " << numbers(m.gemY, MissionScreen::kGems) << ", \"dudeX\": " << m.dudeX
      << ", \"dudeFrame\": " << +m.dudeFrame << ", \"endRockFalling\": " << numbers(m.endRockFalling, MissionScreen::kRocks)
      << ", \"burstActive\": " << numbers(m.burstActive, MissionScreen::kRocks)
      << ", \"madeHallOfFame\": " << +m.madeHallOfFame << "}";
  return out.str();
}

}  // namespace

std::string stateJson(const GameApp& game) {
  std::ostringstream out;
  out << "{\n"
      << "  \"scene\": " << quoted(sceneName(game.currentScene)) << ",\n"
      << "  \"questNumber\": " << +game.questNumber << ",\n"
      << "  \"gemCount\": " << +game.gemCount << ",\n"
      << "  \"score\": " << game.score << ",\n"
      << "  \"lastTimeLeft\": " << +game.lastTimeLeft << ",\n"
      << "  \"lastHeartsLeft\": " << +game.lastHeartsLeft << ",\n"
      << "  \"sceneSeconds\": " << game.sceneSeconds << ",\n"
      << "  \"sceneChange\": " << +game.sceneChange << ",\n"
      << "  \"questTimerRunning\": " << +game.questTimerRunning << ",\n"
      << "  \"questTimerTotal\": " << game.questTimerTotal << ",\n"
      << "  \"questTimerCarried\": " << game.questTimerCarried << ",\n"
      << "  \"restartMusic\": " << +game.restartMusic << ",\n"
      << "  \"frameMs\": " << game.frameMs << ",\n"
      << "  \"fps\": " << game.fps << ",\n"
      << "  \"cursor\": {\"x\": " << game.cursor.x << ", \"y\": " << game.cursor.y << "},\n"
      << "  \"audio\": {\"effect\": " << audioRequest(game.sound.lastRequest)
      << ", \"music\": " << audioRequest(game.music.lastRequest) << "}";
  if (game.gameRecord) out << ",\n  \"record\": " << recordJson(*game.gameRecord);
  if (const WorldObjects* world = const_cast<GameApp&>(game).runningWorld()) {
    out << ",\n  \"dude\": " << dudeJson(*world->dude) << ",\n  \"world\": " << worldJson(*world->state)
        << ",\n  \"scenery\": " << sceneryJson(*world->scenery);
  }
  if (const QuestPanel* panel = game.questPanel.get())
    out << ",\n  \"questPanel\": {\"ordinal\": " << +panel->ordinal << ", \"gemsShown\": " << +panel->gemsShown
        << ", \"points\": " << +panel->points << "}";
  if (const MainMenuScreen* menu = game.mainMenuScreen.get())
    out << ",\n  \"mainMenu\": {\"letterCount\": " << +menu->letterCount << ", \"buttonScale\": " << menu->buttonScale
        << ", \"pillar1Y\": " << menu->pillar1Y << ", \"cometY\": " << numbers(menu->cometY, 5) << "}";
  if (const InformationScreen* info = game.informationScreen.get())
    out << ",\n  \"information\": {\"page\": " << +info->page << ", \"backdrop\": " << +info->backdrop << "}";
  if (const NameEntryScreen* entry = game.nameEntryScreen.get())
    out << ",\n  \"nameEntry\": {\"name\": " << numbers(entry->name, kNameSlots) << "}";
  if (const HallOfFameScreen* hall = game.hallOfFameScreen.get())
    out << ",\n  \"hallOfFame\": {\"rowUsed\": " << numbers(hall->rowUsed, kHallEntries)
        << ", \"rowScore\": " << numbers(hall->rowScore, kHallEntries) << "}";
  if (const SaveScreen* save = game.saveScreen.get())
    out << ",\n  \"saveScreen\": {" << slotsJson(save->rows) << ", \"savedSlot\": " << +save->savedSlot
        << ", \"savedDone\": " << +save->savedDone << ", \"currentScore\": " << save->currentScore
        << ", \"currentOrdinal\": " << +save->currentOrdinal << "}";
  if (const LoadScreen* load = game.loadScreen.get())
    out << ",\n  \"loadScreen\": {" << slotsJson(load->rows) << ", \"loadingSlot\": " << +load->loadingSlot << "}";
  if (const MissionScreen* mission = game.missionScreen.get()) out << ",\n  \"mission\": " << missionJson(*mission);
  out << "\n}\n";
  return out.str();
}
