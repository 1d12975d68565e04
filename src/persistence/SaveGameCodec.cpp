#include "persistence/SaveGameCodec.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "game/GameApp.h"
#include "persistence/BinaryFile.h"
#include "persistence/GameRecord.h"
#include "persistence/SaveFolder.h"
#include "world/QuestClock.h"

namespace {

// How a field is stored: a byte; two base-100 digits (0 to 25599); the three-digit score form;
// a float kept only as "above the threshold".
enum class Form : uint8_t { Byte, Int2, Score3, FlagAbove02, FlagAbove1 };

constexpr int widthOf(Form form) {
  switch (form) {
    case Form::Int2:
      return 2;
    case Form::Score3:
      return 3;
    default:
      return 1;
  }
}

// Every stored field with its offset, in file order. Some fields sit away from their group (the
// coins and weights held, the gem's position, the keys held, the coins' y): the layout is fixed,
// so every reader and writer keeps them where it puts them.
template <typename Game, typename Visit>
void visitFields(Game& g, Visit&& f) {
  auto& im = g.image;
  f(0, Form::Score3, g.score);
  f(3, Form::Byte, g.questNumber);
  f(4, Form::Byte, g.playerName);
  f(25, Form::Int2, im.dudeX);
  f(27, Form::Int2, im.dudeY);
  f(29, Form::Int2, im.dudeNextX);
  f(31, Form::Int2, im.dudeNextY);
  f(33, Form::Byte, im.menuState);
  f(34, Form::Byte, im.hearts);
  f(35, Form::Byte, im.portcullisMoving);
  f(36, Form::Byte, im.sceneryFlagB);
  f(37, Form::Byte, im.sceneryFlagC);
  f(38, Form::FlagAbove02, im.gateScale);
  f(39, Form::Byte, im.gateClosing);
  f(40, Form::Byte, im.fadeActive);
  f(41, Form::Byte, im.propsShown);
  f(42, Form::Byte, im.propShown);
  f(48, Form::Byte, im.questSolved);
  f(49, Form::Byte, im.hornTaken);
  f(50, Form::Byte, im.hornPresent);
  f(51, Form::Int2, im.hornX);
  f(53, Form::Int2, im.hornY);
  f(55, Form::Byte, im.hornShown);
  f(56, Form::Byte, im.traderPresent);
  f(57, Form::Int2, im.traderX);
  f(59, Form::Int2, im.traderY);
  f(61, Form::Byte, im.ladderCount);
  f(62, Form::Byte, im.ladderPresent);
  f(72, Form::Int2, im.ladderX);
  f(92, Form::Int2, im.ladderY);
  f(112, Form::Byte, im.rocksFalling);
  f(113, Form::Byte, im.rockCount);
  f(114, Form::Int2, im.rockColumnX);
  f(116, Form::Int2, im.rockY);
  f(136, Form::Byte, im.rockPresent);
  f(146, Form::Byte, im.ledgeActive);
  f(158, Form::Byte, im.vaseCount);
  f(159, Form::Byte, im.vasePresent);
  f(169, Form::Int2, im.vaseX);
  f(189, Form::Int2, im.vaseY);
  f(209, Form::Byte, im.suspWallCount);
  f(210, Form::Byte, im.suspWallPresent);
  f(220, Form::Int2, im.suspWallX);
  f(240, Form::Int2, im.suspWallY);
  f(260, Form::FlagAbove1, im.suspWallScale);
  f(270, Form::Byte, im.suspWallOpening);
  f(280, Form::Byte, im.suspWallAnswer);
  f(290, Form::Byte, im.dudeAtSuspWall);
  f(300, Form::Byte, im.blockBurstActive);
  f(301, Form::Int2, im.movablePadX);
  f(303, Form::Int2, im.movablePadY);
  f(305, Form::Byte, im.leverUseState);
  f(306, Form::Byte, im.atLeverThisFrame);
  f(307, Form::Byte, im.coinsHeld);
  f(308, Form::Byte, im.weightsHeld);
  f(309, Form::Byte, im.coinCount);
  f(310, Form::Byte, im.coinPresent);
  f(320, Form::Int2, im.coinX);
  // 340, 341 reserved
  f(342, Form::Byte, im.foodCount);
  f(343, Form::Byte, im.foodPresent);
  f(353, Form::Int2, im.foodX);
  f(373, Form::Int2, im.foodY);
  f(393, Form::Byte, im.keyHeld);
  f(403, Form::Byte, im.specialKeyHeld);
  f(404, Form::Byte, im.keyCount);
  f(405, Form::Byte, im.keyPresent);
  f(415, Form::Int2, im.keyX);
  f(435, Form::Int2, im.keyY);
  f(455, Form::Byte, im.keyKind);
  f(465, Form::Byte, im.weightCount);
  f(466, Form::Byte, im.weightPresent);
  f(476, Form::Int2, im.weightX);
  f(496, Form::Int2, im.weightY);
  f(516, Form::Byte, im.doorCount);
  f(517, Form::Byte, im.doorPresent);
  f(527, Form::Int2, im.gemX);
  f(529, Form::Int2, im.gemY);
  // 531 to 536 reserved
  f(537, Form::Int2, im.doorX);
  f(557, Form::Int2, im.doorY);
  f(577, Form::FlagAbove1, im.doorScaleX);
  f(587, Form::Byte, im.doorOpening);
  f(597, Form::Byte, im.doorOpenedNow);
  f(598, Form::Byte, im.blockCount);
  f(599, Form::Byte, im.blockPresent);
  f(609, Form::Int2, im.blockX);
  f(629, Form::Int2, im.blockY);
  f(649, Form::FlagAbove1, im.blockScaleX);
  f(659, Form::Byte, im.blockVanishing);
  f(669, Form::Byte, im.blockAppearing);
  f(679, Form::Byte, im.leverCount);
  f(680, Form::Byte, im.leverPresent);
  f(690, Form::Int2, im.leverX);
  f(710, Form::Int2, im.leverY);
  f(730, Form::Byte, im.dudeAtLever);
  f(740, Form::Byte, im.leverPosition);
  f(750, Form::Byte, im.catapultCount);
  f(751, Form::Byte, im.catapultPresent);
  f(761, Form::Int2, im.catapultX);
  f(781, Form::Int2, im.catapultY);
  f(801, Form::Byte, im.dudeAtCatapult);
  f(811, Form::Byte, im.catapultFacing);
  f(821, Form::Byte, im.teleporterCount);
  f(822, Form::Int2, im.teleporterX);
  f(862, Form::Int2, im.teleporterY);
  f(902, Form::Int2, im.teleporterExitX);
  f(942, Form::Int2, im.teleporterExitY);
  f(982, Form::Byte, im.hammersHeld);
  f(983, Form::Byte, im.hammerPresent);
  f(987, Form::Int2, im.hammerX);
  f(995, Form::Int2, im.hammerY);
  f(1003, Form::Byte, im.storePresent);
  f(1005, Form::Int2, im.storeX);
  f(1009, Form::Int2, im.storeY);
  f(1013, Form::Byte, im.gemState);
  f(1014, Form::Byte, im.gemPresent);
  // 1015, 1016 reserved
  f(1017, Form::Byte, im.machinePresent);
  f(1018, Form::Byte, im.machineBurstActive);
  f(1019, Form::Byte, im.bubbleShown);
  f(1020, Form::Byte, im.bubbleHeart);
  f(1021, Form::Byte, im.bubbleCoin);
  f(1022, Form::Byte, im.bubbleGem);
  f(1023, Form::Byte, im.bubbleKey1);
  f(1024, Form::Byte, im.bubbleKey3);
  f(1025, Form::Byte, im.bubbleKey2);
  f(1026, Form::Byte, im.bubbleKey4);
  f(1027, Form::Byte, im.bubbleWeight);
  f(1028, Form::Byte, im.specialDoorPresent);
  f(1029, Form::Byte, im.herbReceived);
  f(1030, Form::Byte, im.storeStock);
  f(1036, Form::Int2, im.teleportExitX);
  f(1038, Form::Int2, im.teleportExitY);
  f(1040, Form::Byte, im.teleportState);
  f(1041, Form::Byte, im.teleportArrived);
  f(1042, Form::Byte, im.flightActive);
  f(1043, Form::Int2, im.flightLandX);
  f(1045, Form::Int2, im.flightLandY);
  f(1047, Form::Byte, im.flightStage);
  f(1048, Form::Int2, im.flightTurnX);
  f(1050, Form::Byte, im.flightDirection);
  f(1051, Form::Int2, im.flightMinY);
  f(1053, Form::Int2, im.flightDropX);
  f(1055, Form::Byte, im.dudeAtStore);
  f(1057, Form::Byte, im.dudeAtTrader);
  f(1058, Form::Int2, im.ballX);
  f(1060, Form::Int2, im.ballY);
  f(1062, Form::Byte, im.ballRolling);
  f(1063, Form::Byte, im.ballJustSpawned);
  f(1064, Form::Byte, im.machineTicks);
  f(1065, Form::Byte, im.sceneClockRestart);
  f(1066, Form::Byte, im.questTimerCarry);
  f(1067, Form::Score3, im.questTimerCarried);
  f(1070, Form::Int2, im.sceneSeconds);
  f(1072, Form::Int2, im.propBY);
  f(1074, Form::Int2, im.coinY);
  f(1094, Form::Byte, im.dudeYSign);
  f(1095, Form::Byte, im.ballXSign);
  f(1096, Form::Byte, im.rockYSign);
  f(1106, Form::Byte, im.dudeNextYSign);
  f(1107, Form::Int2, im.walkerX);
  f(1109, Form::Int2, im.walkerY);
  f(1111, Form::Byte, im.walkerActive);
  f(1112, Form::Byte, im.bounceArmed);
  // 1113 the marker
  f(1114, Form::Byte, g.gemCount);
}

template <typename Field, typename Each>
void forEachElement(Field& field, Each&& each) {
  if constexpr (std::is_array_v<Field>) {
    for (auto& element : field) each(element);
  } else {
    each(field);
  }
}

double flagThreshold(Form form) { return form == Form::FlagAbove02 ? 0.2 : 1.0; }

// Each stored byte keeps the low 8 bits of its digit, whatever the value. Floats are stored only
// as flags.
template <typename T>
void encodeValue(Form form, const T& value, uint8_t* at) {
  if constexpr (std::is_floating_point_v<T>) {
    at[0] = static_cast<double>(value) > flagThreshold(form) ? 1 : 0;  // a NaN is not above anything
  } else if (form == Form::Int2) {
    at[0] = static_cast<uint8_t>(value / 100);
    at[1] = static_cast<uint8_t>(value % 100);
  } else if (form == Form::Score3) {
    encodeScore3(static_cast<uint32_t>(value), at);
  } else {
    at[0] = static_cast<uint8_t>(value);
  }
}

template <typename T>
void decodeValue(Form form, const uint8_t* at, T& value) {
  if constexpr (std::is_floating_point_v<T>) {
    value = at[0] ? 0.5f : 0.0f;  // "half there": the quest's setup decides the real scale
  } else if (form == Form::Int2) {
    value = static_cast<T>(at[0] * 100 + at[1]);
  } else if (form == Form::Score3) {
    value = static_cast<T>(decodeScore3(at));
  } else {
    value = static_cast<T>(at[0]);
  }
}

// A count names the leading entries of its list. The file's counts are taken as they are, except
// that a damaged one may not reach past the end of its list, where every loop over it would go.
void keepCountsInsideTheirLists(QuestImage& im) {
  const auto limit = [](uint8_t& count, int entries) {
    if (count > entries) count = static_cast<uint8_t>(entries);
  };
  limit(im.ladderCount, kMaxObjects);
  limit(im.rockCount, kMaxObjects);
  limit(im.vaseCount, kMaxObjects);
  limit(im.suspWallCount, kMaxObjects);
  limit(im.coinCount, kMaxObjects);
  limit(im.foodCount, kMaxObjects);
  limit(im.keyCount, kMaxObjects);
  limit(im.weightCount, kMaxObjects);
  limit(im.doorCount, kMaxObjects);
  limit(im.blockCount, kMaxBlocks);  // the image keeps ten; world 4 sets up the rest
  limit(im.leverCount, kMaxObjects);
  limit(im.catapultCount, kMaxObjects);
  limit(im.teleporterCount, kMaxTeleporters);
}

bool wholePayload(const uint8_t* payload, uint32_t size) { return payload && size == kSavePayloadSize; }

}  // namespace

void encodeSavedGame(const SavedGame& game, uint8_t* payload) {
  std::memset(payload, 0, kSavePayloadSize);  // the reserved bytes stay 0
  visitFields(game, [payload](int offset, Form form, const auto& field) {
    forEachElement(field, [&](const auto& value) {
      encodeValue(form, value, payload + offset);
      offset += widthOf(form);
    });
  });
  payload[kMarkerOffset] = kSaveMarker;
}

bool hasSaveMarker(const uint8_t* payload, uint32_t size) {
  return wholePayload(payload, size) && payload[kMarkerOffset] == kSaveMarker;
}

bool decodeSavedGame(const uint8_t* payload, uint32_t size, SavedGame& game) {
  if (!hasSaveMarker(payload, size)) return false;
  visitFields(game, [payload](int offset, Form form, auto& field) {
    forEachElement(field, [&](auto& value) {
      decodeValue(form, payload + offset, value);
      offset += widthOf(form);
    });
  });
  keepCountsInsideTheirLists(game.image);
  // The clock never counts past its limit; more would wrap the time left, and its points, around.
  game.image.sceneSeconds = std::min(game.image.sceneSeconds, uint32_t{questclock::kMaxSeconds});
  return true;
}

bool decodeSlotSummary(const uint8_t* payload, uint32_t size, SlotSummary& summary) {
  if (!wholePayload(payload, size)) return false;
  summary.score = decodeScore3(payload);
  summary.questNumber = payload[3];
  std::memcpy(summary.playerName, payload + 4, kNameSlots);
  return true;
}

void forEachSavedField(void (*visit)(int offset, int length, void* context), void* context) {
  static const SavedGame shape;
  visitFields(shape, [&](int offset, Form form, const auto& field) {
    int elements = 0;
    forEachElement(field, [&](const auto&) { ++elements; });
    visit(offset, widthOf(form) * elements, context);
  });
  visit(kMarkerOffset, 1, context);
}

const char* slotFilePath(int slot) { return slotFileInSaveFolder(slot); }

SavedGame savedGameOf(const GameApp& game, const GameRecord& record) {
  SavedGame saved;
  saved.score = game.score;
  saved.questNumber = game.questNumber;
  saved.gemCount = game.gemCount;
  std::memcpy(saved.playerName, record.playerName, kNameSlots);
  saved.image = record.questImage;
  return saved;
}

int writeSlotFile(int slot, const SavedGame& game) {
  const char* path = slotFilePath(slot);
  if (!path) return 0;
  makeFolderFor(path);
  BinaryFile file;
  encodeSavedGame(game, file.allocate(kSavePayloadSize));
  return file.writeFile(path);
}

bool readSlotFile(int slot, SavedGame& game) {
  BinaryFile file;
  file.allocate(kSavePayloadSize);
  return file.readFile(slotFilePath(slot)) && decodeSavedGame(file.buffer(), file.size, game);
}

bool readSlotSummary(int slot, SlotSummary& summary, bool& marked) {
  BinaryFile file;
  file.allocate(kSavePayloadSize);
  if (!file.readFile(slotFilePath(slot)) || !decodeSlotSummary(file.buffer(), file.size, summary)) return false;
  marked = hasSaveMarker(file.buffer(), file.size);
  return true;
}
