#include "WorldJson.h"

#include "quests/PlayOrder.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"

// The records inside the objects' arrays. They are static rather than in an anonymous namespace so
// that the array helper finds them beside their types.
static Json toJson(const HorizontalWall& wall) {
  return {{"x1", toJson(wall.x1)}, {"x2", toJson(wall.x2)}, {"y", toJson(wall.y)}};
}
static Json toJson(const VerticalWall& wall) {
  return {{"x", toJson(wall.x)}, {"y1", toJson(wall.y1)}, {"y2", toJson(wall.y2)}};
}
static Json toJson(const Ledge& ledge) {
  return {{"ledgeActive", toJson(ledge.active)},
          {"ledgeX", toJson(ledge.x)},
          {"ledgeY", toJson(ledge.y)},
          {"ledgeWidth", toJson(ledge.width)}};
}
static Json toJson(const Particle& particle) { return {{"x", toJson(particle.x)}, {"y", toJson(particle.y)}}; }
static Json toJson(const BurstParticle& particle) {
  return {{"x", toJson(particle.x)}, {"y", toJson(particle.y)}};
}

// Writes the field of `from` under the field's own name.
#define FIELD(name) out[#name] = toJson(from.name)

namespace {

constexpr int kThreeBallWorld = 4;

// --- The dude ---

void dudePlace(Json& out, const Dude& from) {
  FIELD(x); FIELD(y); FIELD(nextX); FIELD(nextY); FIELD(hearts); FIELD(menuState); FIELD(frame); FIELD(direction);
}

void dudeWalls(Json& out, const Dude& from) {
  FIELD(wallUpCount); FIELD(wallDownCount); FIELD(wallLeftCount); FIELD(wallRightCount);
  FIELD(wallUp); FIELD(wallDown); FIELD(wallLeft); FIELD(wallRight);
}

void dudeLooks(Json& out, const Dude& from) {
  FIELD(width); FIELD(height); FIELD(walkTimer); FIELD(idleTimer); FIELD(frameRising);
  FIELD(menuX); FIELD(menuButtonFrame);
}

// --- The world ---

// The fields older state files had; the lists of collectables there hold only the used entries.
void worldSummary(Json& out, const WorldFields& from) {
  FIELD(questNumber); FIELD(questSolved); FIELD(goalActive); FIELD(coinsHeld); FIELD(weightsHeld);
  FIELD(hammersHeld); FIELD(specialKeyHeld); FIELD(gemState); FIELD(herbReceived); FIELD(keyHeld);
  out["coinPresent"] = firstOf(from.coinPresent, from.coinCount);
  out["keyPresent"] = firstOf(from.keyPresent, from.keyCount);
  out["weightPresent"] = firstOf(from.weightPresent, from.weightCount);
  out["foodPresent"] = firstOf(from.foodPresent, from.foodCount);
  out["doorPresent"] = firstOf(from.doorPresent, from.doorCount);
  out["blockPresent"] = firstOf(from.blockPresent, from.blockCount);
  FIELD(menuButtonFrame); FIELD(continueButtonFrame);
}

// The groups below follow WorldFields; a field the summary wrote is left out.
void worldRequests(Json& out, const WorldFields& from) {
  FIELD(reservedFlags); FIELD(musicSwitchPending); FIELD(smashMuffled); FIELD(vasesArePots);
  FIELD(sndTeleport); FIELD(sndPot); FIELD(sndPick); FIELD(sndSmash); FIELD(vibrateState);
  FIELD(sndKey); FIELD(sndCoin); FIELD(continueButtonX); FIELD(continueButtonY);
  FIELD(ballStartX); FIELD(ballStartY);
}

void worldGoalHornTrader(Json& out, const WorldFields& from) {
  FIELD(goalX); FIELD(goalY); FIELD(goalWidth); FIELD(goalHeight);
  FIELD(hornTaken); FIELD(hornPresent); FIELD(hornX); FIELD(hornY); FIELD(hornShown);
  FIELD(traderPresent); FIELD(traderX); FIELD(traderY);
}

void worldLaddersRocksLedges(Json& out, const WorldFields& from) {
  FIELD(ladderCount); FIELD(ladderPresent); FIELD(ladderX); FIELD(ladderY);
  FIELD(rocksFalling); FIELD(rockCount); FIELD(rockColumnX); FIELD(rockY); FIELD(rockPresent);
  FIELD(ledge);
}

void worldVasesSuspiciousWalls(Json& out, const WorldFields& from) {
  FIELD(vaseCount); FIELD(vasePresent); FIELD(vaseX); FIELD(vaseY);
  FIELD(suspWallCount); FIELD(suspWallPresent); FIELD(suspWallX); FIELD(suspWallY); FIELD(suspWallScale);
  FIELD(suspWallOpening); FIELD(suspWallAnswer); FIELD(dudeAtSuspWall);
}

void worldPadsLevers(Json& out, const WorldFields& from) {
  FIELD(blockBurstActive); FIELD(movablePadX); FIELD(movablePadY); FIELD(leverUseState); FIELD(atLeverThisFrame);
}

void worldCollectables(Json& out, const WorldFields& from) {
  FIELD(coinCount); FIELD(coinX); FIELD(coinY); FIELD(coinFrame);
  FIELD(foodCount); FIELD(foodX); FIELD(foodY); FIELD(foodScale); FIELD(foodFrame);
  FIELD(keyCount); FIELD(keyX); FIELD(keyY); FIELD(keyScale); FIELD(keyFrame); FIELD(keyKind);
  FIELD(weightCount); FIELD(weightX); FIELD(weightY); FIELD(weightFrame);
}

void worldDoorsBlocks(Json& out, const WorldFields& from) {
  FIELD(doorCount); FIELD(doorX); FIELD(doorY); FIELD(doorScaleX); FIELD(doorOpening); FIELD(doorKeyKind);
  FIELD(doorOpenedNow);
  FIELD(blockCount); FIELD(blockX); FIELD(blockY); FIELD(blockScaleX); FIELD(blockHorizontal);
  FIELD(blockVanishing); FIELD(blockAppearing);
}

void worldLeversCatapultsTeleportersHammers(Json& out, const WorldFields& from) {
  FIELD(leverCount); FIELD(leverPresent); FIELD(leverX); FIELD(leverY); FIELD(dudeAtLever); FIELD(leverPosition);
  FIELD(catapultCount); FIELD(catapultPresent); FIELD(catapultX); FIELD(catapultY); FIELD(dudeAtCatapult);
  FIELD(catapultFacing);
  FIELD(teleporterCount); FIELD(teleporterX); FIELD(teleporterY); FIELD(teleporterExitX); FIELD(teleporterExitY);
  FIELD(hammerPresent); FIELD(hammerX); FIELD(hammerY);
}

void worldStoresGemMachine(Json& out, const WorldFields& from) {
  FIELD(storePresent); FIELD(storeX); FIELD(storeY);
  FIELD(gemPresent); FIELD(gemX); FIELD(gemY); FIELD(reservedByte);
  FIELD(machineX); FIELD(machineY); FIELD(machineBurst); FIELD(blockBurst); FIELD(machinePresent);
  FIELD(machineBurstActive);
}

void worldBubbleQuestState(Json& out, const WorldFields& from) {
  FIELD(bubbleShown); FIELD(bubbleHeart); FIELD(bubbleCoin); FIELD(bubbleGem); FIELD(bubbleKey1);
  FIELD(bubbleKey3); FIELD(bubbleKey2); FIELD(bubbleKey4); FIELD(bubbleWeight);
  FIELD(specialDoorPresent); FIELD(specialDoorX); FIELD(specialDoorY); FIELD(storeStock);
  FIELD(teleportExitX); FIELD(teleportExitY); FIELD(teleportState); FIELD(teleportArrived);
  FIELD(flightActive); FIELD(flightLandX); FIELD(flightLandY); FIELD(flightStage); FIELD(flightTurnX);
  FIELD(flightDirection); FIELD(flightMinY); FIELD(flightDropX);
  FIELD(dudeAtStore); FIELD(dudeAtTrader);
}

// World 4 rolls three balls: ball 1 is ballX/ballY/ballRolling, balls 2 and 3 live beside it, and
// the state shows all three together. Every other world has one ball.
void worldBalls(Json& out, const WorldFields& from) {
  if (worldOfQuest(from.questNumber) != kThreeBallWorld) {
    FIELD(ballX); FIELD(ballY); FIELD(ballRolling);
    return;
  }
  out["ballX"] = {toJson(from.ballX), toJson(from.moreBallX[0]), toJson(from.moreBallX[1])};
  out["ballY"] = {toJson(from.ballY), toJson(from.moreBallY[0]), toJson(from.moreBallY[1])};
  out["ballRolling"] = {toJson(from.ballRolling), toJson(from.moreBallRolling[0]), toJson(from.moreBallRolling[1])};
  FIELD(ballReleased);
}

void worldParticlesTimersFrames(Json& out, const WorldFields& from) {
  FIELD(burst); FIELD(spareBurstActive); FIELD(spareBurst); FIELD(burstActive);
  worldBalls(out, from);
  FIELD(ballJustSpawned); FIELD(machineTicks); FIELD(machineTimer); FIELD(gemFrameRising); FIELD(timeDigits);
  FIELD(fadeTimer); FIELD(fastAnimTimer); FIELD(midAnimTimer); FIELD(slowAnimTimer); FIELD(bubbleTimer);
  FIELD(teleportTimer);
  FIELD(sparkleFrame); FIELD(machineFrame); FIELD(hammerFrame); FIELD(teleporterFrame); FIELD(gemFrame);
  FIELD(catapultFrame); FIELD(catapultFrame2); FIELD(infoButtonFrame); FIELD(ballFrame); FIELD(burstFrame);
  FIELD(machineBurstFrames);
  FIELD(continuePressed); FIELD(hudButtonDown); FIELD(hudButtonHover); FIELD(panelChoice); FIELD(signChoice);
  FIELD(mouseClicked);
  FIELD(ballRollsLeft); FIELD(ballRollsRight);
}

void worldFourAdditions(Json& out, const WorldFields& from) {
  FIELD(trampolineCount); FIELD(trampolinePresent); FIELD(trampolineX); FIELD(trampolineY);
  FIELD(trampolineSetting); FIELD(bounceArmed); FIELD(bounceRise);
  FIELD(buttonCount); FIELD(buttonPresent); FIELD(buttonX); FIELD(buttonY); FIELD(dudeAtButton);
  FIELD(pushButtonFrame); FIELD(pushButtonState); FIELD(gateSwitch);
  FIELD(trapDoorCount); FIELD(trapDoorFrame); FIELD(trapDoorX); FIELD(trapDoorY); FIELD(trapDoorAnim);
  FIELD(walkerActive); FIELD(walkerX); FIELD(walkerY); FIELD(walkerDirection); FIELD(walkerFrame);
}

// --- The scenery ---

void sceneryProps(Json& out, const QuestScenery& from) {
  FIELD(timeLimit); FIELD(gateScale); FIELD(fadeActive); FIELD(portcullisMoving); FIELD(propBY);
  FIELD(gateClosing); FIELD(fadeTimer); FIELD(propAX); FIELD(propAY); FIELD(propBX);
  FIELD(morePropX); FIELD(morePropY); FIELD(sceneryFlagB); FIELD(sceneryFlagC); FIELD(propsShown); FIELD(propShown);
}

}  // namespace

#undef FIELD

Json dudeJson(const Dude& dude) {
  Json out = Json::object();
  dudePlace(out, dude);
  dudeWalls(out, dude);
  dudeLooks(out, dude);
  return out;
}

Json worldJson(const WorldFields& world) {
  Json out = Json::object();
  for (auto* group : {worldSummary, worldRequests, worldGoalHornTrader, worldLaddersRocksLedges,
                      worldVasesSuspiciousWalls, worldPadsLevers, worldCollectables, worldDoorsBlocks,
                      worldLeversCatapultsTeleportersHammers, worldStoresGemMachine, worldBubbleQuestState,
                      worldParticlesTimersFrames, worldFourAdditions})
    group(out, world);
  return out;
}

Json sceneryJson(const QuestScenery& scenery) {
  Json out = Json::object();
  sceneryProps(out, scenery);
  return out;
}
