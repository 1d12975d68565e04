#pragma once
#include <cstdint>

#include "world/WorldState.h"

class Dude;
class QuestScenery;
class GameApp;

// A copy of a running quest, kept in the game record so a world can be left (information screen,
// save screen, quit dialog) and rebuilt later, and stored in the saved-game files. Worlds 1 and 2
// keep the positions that can be negative as an absolute value with a sign byte.
struct QuestImage {
  // The dude
  int dudeX = 0, dudeY = 0, dudeNextX = 0, dudeNextY = 0;
  uint8_t menuState = 0, hearts = 0;
  // The scenery
  uint8_t portcullisMoving = 0, sceneryFlagB = 0, sceneryFlagC = 0;
  float gateScale = 0;
  uint8_t gateClosing = 0, fadeActive = 0, propsShown = 0;
  uint8_t propShown[6] = {};
  int propBY = 0;
  // The quest
  uint8_t questSolved = 0, hornTaken = 0, hornPresent = 0;
  int hornX = 0, hornY = 0;
  uint8_t hornShown = 0, traderPresent = 0;
  int traderX = 0, traderY = 0;
  uint8_t ladderCount = 0;
  uint8_t ladderPresent[kMaxObjects] = {};
  int ladderX[kMaxObjects] = {}, ladderY[kMaxObjects] = {};
  uint8_t rocksFalling = 0, rockCount = 0;
  int rockColumnX = 0;
  int rockY[kMaxObjects] = {};
  uint8_t rockPresent[kMaxObjects] = {};
  uint8_t ledgeActive[kMaxLedges] = {};
  uint8_t vaseCount = 0;
  uint8_t vasePresent[kMaxObjects] = {};
  int vaseX[kMaxObjects] = {}, vaseY[kMaxObjects] = {};
  uint8_t suspWallCount = 0;
  uint8_t suspWallPresent[kMaxObjects] = {};
  int suspWallX[kMaxObjects] = {}, suspWallY[kMaxObjects] = {};
  float suspWallScale[kMaxObjects] = {};
  uint8_t suspWallOpening[kMaxObjects] = {}, suspWallAnswer[kMaxObjects] = {}, dudeAtSuspWall[kMaxObjects] = {};
  uint8_t blockBurstActive = 0;
  int movablePadX = 0, movablePadY = 0;
  uint8_t leverUseState = 0, atLeverThisFrame = 0;
  uint8_t keyHeld[kMaxObjects] = {};
  uint8_t specialKeyHeld = 0, coinsHeld = 0, weightsHeld = 0;
  uint8_t coinCount = 0;
  uint8_t coinPresent[kMaxObjects] = {};
  int coinX[kMaxObjects] = {}, coinY[kMaxObjects] = {};
  uint8_t foodCount = 0;
  uint8_t foodPresent[kMaxObjects] = {};
  int foodX[kMaxObjects] = {}, foodY[kMaxObjects] = {};
  uint8_t keyCount = 0;
  uint8_t keyPresent[kMaxObjects] = {};
  int keyX[kMaxObjects] = {}, keyY[kMaxObjects] = {};
  uint8_t keyKind[kMaxObjects] = {};
  uint8_t weightCount = 0;
  uint8_t weightPresent[kMaxObjects] = {};
  int weightX[kMaxObjects] = {}, weightY[kMaxObjects] = {};
  uint8_t doorCount = 0;
  uint8_t doorPresent[kMaxObjects] = {};
  int doorX[kMaxObjects] = {}, doorY[kMaxObjects] = {};
  float doorScaleX[kMaxObjects] = {};
  uint8_t doorOpening[kMaxObjects] = {};
  uint8_t doorOpenedNow = 0;
  uint8_t blockCount = 0;
  uint8_t blockPresent[kMaxObjects] = {};
  int blockX[kMaxObjects] = {}, blockY[kMaxObjects] = {};
  float blockScaleX[kMaxObjects] = {};
  uint8_t blockVanishing[kMaxObjects] = {}, blockAppearing[kMaxObjects] = {};
  uint8_t leverCount = 0;
  uint8_t leverPresent[kMaxObjects] = {};
  int leverX[kMaxObjects] = {}, leverY[kMaxObjects] = {};
  uint8_t dudeAtLever[kMaxObjects] = {}, leverPosition[kMaxObjects] = {};
  uint8_t catapultCount = 0;
  uint8_t catapultPresent[kMaxObjects] = {};
  int catapultX[kMaxObjects] = {}, catapultY[kMaxObjects] = {};
  uint8_t dudeAtCatapult[kMaxObjects] = {}, catapultFacing[kMaxObjects] = {};
  uint8_t teleporterCount = 0;
  int teleporterX[kMaxTeleporters] = {}, teleporterY[kMaxTeleporters] = {};
  int teleporterExitX[kMaxTeleporters] = {}, teleporterExitY[kMaxTeleporters] = {};
  uint8_t hammersHeld = 0;
  uint8_t hammerPresent[kMaxHammers] = {};
  int hammerX[kMaxHammers] = {}, hammerY[kMaxHammers] = {};
  uint8_t storePresent[kMaxStores] = {};
  int storeX[kMaxStores] = {}, storeY[kMaxStores] = {};
  uint8_t gemState = 0, gemPresent = 0;
  int gemX = 0, gemY = 0;
  uint8_t machinePresent = 0, machineBurstActive = 0;
  uint8_t bubbleShown = 0, bubbleHeart = 0, bubbleCoin = 0, bubbleGem = 0, bubbleKey1 = 0, bubbleKey3 = 0,
          bubbleKey2 = 0, bubbleKey4 = 0, bubbleWeight = 0;
  uint8_t specialDoorPresent = 0, herbReceived = 0;
  uint8_t storeStock[6] = {};
  int teleportExitX = 0, teleportExitY = 0;
  uint8_t teleportState = 0, teleportArrived = 0;
  uint8_t flightActive = 0;
  int flightLandX = 0, flightLandY = 0;
  uint8_t flightStage = 0;
  int flightTurnX = 0;
  uint8_t flightDirection = 0;
  int flightMinY = 0, flightDropX = 0;
  uint8_t dudeAtStore[kMaxStores] = {}, dudeAtTrader = 0;
  int ballX = 0, ballY = 0;
  uint8_t ballRolling = 0, ballJustSpawned = 0, machineTicks = 0;
  // The quest clock
  uint8_t sceneClockRestart = 0, questTimerCarry = 0;
  uint32_t questTimerCarried = 0, sceneSeconds = 0;
  // World 4 only
  int walkerX = 0, walkerY = 0;
  uint8_t walkerActive = 0, bounceArmed = 0;
  // Sign bytes: 1 when the value above is the absolute value of a negative one
  uint8_t dudeYSign = 0, ballXSign = 0, dudeNextYSign = 0;
  uint8_t rockYSign[kMaxObjects] = {};
};

// The objects of one running quest, as the image is taken from and given back to them.
struct LiveQuest {
  Dude& dude;
  QuestScenery& scenery;
  WorldState& state;
  GameApp& game;
  bool signBytes;  // worlds 1 and 2
  bool walkerAndBounce;  // world 4 keeps its walking figure and trampoline bounce
};

void captureQuest(const LiveQuest& live, QuestImage& image);
// Restores an image into freshly set-up objects: positions that the image does not hold stay as
// the setup made them; float scales come back only as "gone" or as the setup's value.
void restoreQuest(const LiveQuest& live, QuestImage& image);
