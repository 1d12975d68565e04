#include "world/QuestImage.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

#include "game/GameApp.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"

namespace {

// Copies a value or an array (as many entries as both sides hold: the image keeps ten blocks of
// world 4's twenty).
template <typename To, typename From>
void copyField(To& to, const From& from) {
  if constexpr (std::is_array_v<To>) {
    const size_t n = std::min(std::extent_v<To>, std::extent_v<From>);
    std::copy_n(std::begin(from), n, std::begin(to));
  } else {
    to = from;
  }
}

// Pairs every image field with its live field, in the image's order. Floats, the fields with sign
// bytes and world 4's fields are handled by the callers, since capture and restore treat them
// differently.
template <typename Visit>
void visitPlainFields(QuestImage& im, const LiveQuest& live, Visit&& f) {
  Dude& d = live.dude;
  QuestScenery& sc = live.scenery;
  WorldState& w = live.state;
  GameApp& g = live.game;
  f(im.dudeX, d.x);
  f(im.dudeNextX, d.nextX);
  f(im.menuState, d.menuState);
  f(im.hearts, d.hearts);
  f(im.portcullisMoving, sc.portcullisMoving);
  f(im.sceneryFlagB, sc.sceneryFlagB);
  f(im.sceneryFlagC, sc.sceneryFlagC);
  f(im.gateClosing, sc.gateClosing);
  f(im.fadeActive, sc.fadeActive);
  f(im.propsShown, sc.propsShown);
  f(im.propShown, sc.propShown);
  f(im.questSolved, w.questSolved);
  f(im.hornTaken, w.hornTaken);
  f(im.hornPresent, w.hornPresent);
  f(im.hornX, w.hornX);
  f(im.hornY, w.hornY);
  f(im.hornShown, w.hornShown);
  f(im.traderPresent, w.traderPresent);
  f(im.traderX, w.traderX);
  f(im.traderY, w.traderY);
  f(im.ladderCount, w.ladderCount);
  f(im.ladderPresent, w.ladderPresent);
  f(im.ladderX, w.ladderX);
  f(im.ladderY, w.ladderY);
  f(im.rocksFalling, w.rocksFalling);
  f(im.rockCount, w.rockCount);
  f(im.rockColumnX, w.rockColumnX);
  f(im.rockPresent, w.rockPresent);
  f(im.vaseCount, w.vaseCount);
  f(im.vasePresent, w.vasePresent);
  f(im.vaseX, w.vaseX);
  f(im.vaseY, w.vaseY);
  f(im.suspWallCount, w.suspWallCount);
  f(im.suspWallPresent, w.suspWallPresent);
  f(im.suspWallX, w.suspWallX);
  f(im.suspWallY, w.suspWallY);
  f(im.suspWallOpening, w.suspWallOpening);
  f(im.suspWallAnswer, w.suspWallAnswer);
  f(im.dudeAtSuspWall, w.dudeAtSuspWall);
  f(im.blockBurstActive, w.blockBurstActive);
  f(im.movablePadX, w.movablePadX);
  f(im.movablePadY, w.movablePadY);
  f(im.leverUseState, w.leverUseState);
  f(im.atLeverThisFrame, w.atLeverThisFrame);
  f(im.keyHeld, w.keyHeld);
  f(im.specialKeyHeld, w.specialKeyHeld);
  f(im.coinsHeld, w.coinsHeld);
  f(im.weightsHeld, w.weightsHeld);
  f(im.coinCount, w.coinCount);
  f(im.coinPresent, w.coinPresent);
  f(im.coinX, w.coinX);
  f(im.coinY, w.coinY);
  f(im.foodCount, w.foodCount);
  f(im.foodPresent, w.foodPresent);
  f(im.foodX, w.foodX);
  f(im.foodY, w.foodY);
  f(im.keyCount, w.keyCount);
  f(im.keyPresent, w.keyPresent);
  f(im.keyX, w.keyX);
  f(im.keyY, w.keyY);
  f(im.keyKind, w.keyKind);
  f(im.weightCount, w.weightCount);
  f(im.weightPresent, w.weightPresent);
  f(im.weightX, w.weightX);
  f(im.weightY, w.weightY);
  f(im.doorCount, w.doorCount);
  f(im.doorPresent, w.doorPresent);
  f(im.doorX, w.doorX);
  f(im.doorY, w.doorY);
  f(im.doorOpening, w.doorOpening);
  f(im.doorOpenedNow, w.doorOpenedNow);
  f(im.blockCount, w.blockCount);
  f(im.blockPresent, w.blockPresent);
  f(im.blockX, w.blockX);
  f(im.blockY, w.blockY);
  f(im.blockVanishing, w.blockVanishing);
  f(im.blockAppearing, w.blockAppearing);
  f(im.leverCount, w.leverCount);
  f(im.leverPresent, w.leverPresent);
  f(im.leverX, w.leverX);
  f(im.leverY, w.leverY);
  f(im.dudeAtLever, w.dudeAtLever);
  f(im.leverPosition, w.leverPosition);
  f(im.catapultCount, w.catapultCount);
  f(im.catapultPresent, w.catapultPresent);
  f(im.catapultX, w.catapultX);
  f(im.catapultY, w.catapultY);
  f(im.dudeAtCatapult, w.dudeAtCatapult);
  f(im.catapultFacing, w.catapultFacing);
  f(im.teleporterCount, w.teleporterCount);
  f(im.teleporterX, w.teleporterX);
  f(im.teleporterY, w.teleporterY);
  f(im.teleporterExitX, w.teleporterExitX);
  f(im.teleporterExitY, w.teleporterExitY);
  f(im.hammersHeld, w.hammersHeld);
  f(im.hammerPresent, w.hammerPresent);
  f(im.hammerX, w.hammerX);
  f(im.hammerY, w.hammerY);
  f(im.storePresent, w.storePresent);
  f(im.storeX, w.storeX);
  f(im.storeY, w.storeY);
  f(im.gemState, w.gemState);
  f(im.gemPresent, w.gemPresent);
  f(im.gemX, w.gemX);
  f(im.gemY, w.gemY);
  f(im.machinePresent, w.machinePresent);
  f(im.machineBurstActive, w.machineBurstActive);
  f(im.bubbleShown, w.bubbleShown);
  f(im.bubbleHeart, w.bubbleHeart);
  f(im.bubbleCoin, w.bubbleCoin);
  f(im.bubbleGem, w.bubbleGem);
  f(im.bubbleKey1, w.bubbleKey1);
  f(im.bubbleKey3, w.bubbleKey3);
  f(im.bubbleKey2, w.bubbleKey2);
  f(im.bubbleKey4, w.bubbleKey4);
  f(im.bubbleWeight, w.bubbleWeight);
  f(im.specialDoorPresent, w.specialDoorPresent);
  f(im.herbReceived, w.herbReceived);
  f(im.storeStock, w.storeStock);
  f(im.teleportExitX, w.teleportExitX);
  f(im.teleportExitY, w.teleportExitY);
  f(im.teleportState, w.teleportState);
  f(im.teleportArrived, w.teleportArrived);
  f(im.flightActive, w.flightActive);
  f(im.flightLandX, w.flightLandX);
  f(im.flightLandY, w.flightLandY);
  f(im.flightStage, w.flightStage);
  f(im.flightTurnX, w.flightTurnX);
  f(im.flightDirection, w.flightDirection);
  f(im.flightMinY, w.flightMinY);
  f(im.flightDropX, w.flightDropX);
  f(im.dudeAtStore, w.dudeAtStore);
  f(im.dudeAtTrader, w.dudeAtTrader);
  f(im.ballY, w.ballY);
  f(im.ballRolling, w.ballRolling);
  f(im.ballJustSpawned, w.ballJustSpawned);
  f(im.machineTicks, w.machineTicks);
  f(im.sceneClockRestart, g.sceneClockRestart);
  f(im.questTimerCarry, g.questTimerCarry);
  f(im.questTimerCarried, g.questTimerCarried);
  f(im.sceneSeconds, g.sceneSeconds);
  f(im.propBY, sc.propBY);
}

// The fields that can be negative, each with its sign byte.
template <typename Visit>
void visitSignedFields(QuestImage& im, const LiveQuest& live, Visit&& f) {
  f(im.dudeY, im.dudeYSign, live.dude.y);
  f(im.dudeNextY, im.dudeNextYSign, live.dude.nextY);
  f(im.ballX, im.ballXSign, live.state.ballX);
  for (int i = 0; i < kMaxObjects; ++i) f(im.rockY[i], im.rockYSign[i], live.state.rockY[i]);
}

// A restored scale is either gone (below 0.1) or the value the quest's setup gave.
float restoredScale(float saved, float fromSetup) { return saved < 0.1f ? 0.0f : fromSetup; }

}  // namespace

void captureQuest(const LiveQuest& live, QuestImage& image) {
  visitPlainFields(image, live, [](auto& saved, const auto& value) { copyField(saved, value); });
  visitSignedFields(image, live, [&](int& saved, uint8_t& sign, int value) {
    if (live.signBytes) {
      sign = value < 0 ? 1 : 0;
      saved = std::abs(value);
    } else {
      saved = value;
    }
  });
  image.gateScale = live.scenery.gateScale;
  copyField(image.suspWallScale, live.state.suspWallScale);
  copyField(image.doorScaleX, live.state.doorScaleX);
  copyField(image.blockScaleX, live.state.blockScaleX);
  for (int i = 0; i < kMaxLedges; ++i) image.ledgeActive[i] = live.state.ledge[i].active;
  if (live.walkerAndBounce) {
    image.walkerX = live.state.walkerX;
    image.walkerY = live.state.walkerY;
    image.walkerActive = live.state.walkerActive;
    image.bounceArmed = live.state.bounceArmed;
  }
}

void restoreQuest(const LiveQuest& live, QuestImage& image) {
  live.game.sceneClockRestart = 1;
  live.game.questTimerRunning = 0;
  visitPlainFields(image, live, [](const auto& saved, auto& value) { copyField(value, saved); });
  visitSignedFields(image, live, [&](int& saved, uint8_t& sign, int& value) {
    if (live.signBytes && sign) {
      value = -saved;
      sign = 0;
    } else {
      value = saved;
    }
  });
  // The clock goes on from what it had counted, even if it is paused again before the next step.
  live.game.questTimerTotal = live.game.questTimerCarried;
  WorldState& w = live.state;
  // A gate that grows from nothing (quest 2's drawbridge) comes back down, not as the setup's 0.
  const float setupGate = live.scenery.gateScale;
  const float gateShown = setupGate > 0 ? setupGate : QuestScenery::kGateOpenScale;
  live.scenery.gateScale = restoredScale(image.gateScale, gateShown);
  for (int i = 0; i < kMaxObjects; ++i) {
    w.suspWallScale[i] = restoredScale(image.suspWallScale[i], w.suspWallScale[i]);
    w.doorScaleX[i] = restoredScale(image.doorScaleX[i], w.doorScaleX[i]);
    w.blockScaleX[i] = image.blockScaleX[i] < 0.1f ? 0.0f : 1.1f;
  }
  for (int i = 0; i < kMaxLedges; ++i) w.ledge[i].active = image.ledgeActive[i];
  if (live.walkerAndBounce) {
    w.walkerX = image.walkerX;
    w.walkerY = image.walkerY;
    w.walkerActive = image.walkerActive;
    w.bounceArmed = image.bounceArmed;
  }
}
