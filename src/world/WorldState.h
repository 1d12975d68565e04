#pragma once
#include <cstdint>
#include <memory>

#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"
#include "platform/TimerPair.h"

class GraphicsDevice;
class SoundEffect;
struct WorldRules;

// Sizes of the object arrays. Every kind has a count and uses the leading entries.
constexpr int kMaxObjects = 10;
constexpr int kMaxBlocks = 20;  // world 4 has twenty blocks, the others use ten
constexpr int kMaxTeleporters = 20;
constexpr int kMaxLedges = 12;
constexpr int kMaxHammers = 4;
constexpr int kBurstParticles = 7;
constexpr int kBursts = 4;
constexpr int kMaxStores = 2;
constexpr int kWorld4Balls = 3;

struct Ledge {
  uint8_t active = 0;
  int x = 0, y = 0, width = 0;
  bool operator==(const Ledge&) const = default;
};

struct Particle {
  int x = 0, y = 0;
  bool operator==(const Particle&) const = default;
};

// Particles of the general bursts: one column per burst.
struct BurstParticle {
  int x[kBursts] = {}, y[kBursts] = {};
  bool operator==(const BurstParticle&) const = default;
};

// The plain values of a running quest: its objects, the dude's inventory, progress flags, animation
// counters and timers. Default values are the values before reset.
struct WorldFields {
  // General and sound requests
  uint8_t reservedFlags[4] = {};
  uint8_t musicSwitchPending = 0;
  uint8_t smashMuffled = 0;
  uint8_t vasesArePots = 0;
  uint8_t sndTeleport = 0, sndPot = 0, sndPick = 0, sndSmash = 0;
  uint8_t vibrateState = 0;
  uint8_t sndKey = 0, sndCoin = 0;
  int continueButtonX = 0, continueButtonY = 0;
  int ballStartX = 0, ballStartY = 0;
  uint8_t questNumber = 0;

  // Goal, horn and trader
  uint8_t goalActive = 0;
  int goalX = 0, goalY = 0, goalWidth = 0, goalHeight = 0;
  uint8_t hornTaken = 0, hornPresent = 0;
  int hornX = 0, hornY = 0;
  uint8_t hornShown = 0;
  uint8_t traderPresent = 0;
  int traderX = 0, traderY = 0;

  // Ladders, rocks, ledges
  uint8_t ladderCount = 0;
  uint8_t ladderPresent[kMaxObjects] = {};
  int ladderX[kMaxObjects] = {}, ladderY[kMaxObjects] = {};
  uint8_t rocksFalling = 0;
  uint8_t rockCount = 0;
  int rockColumnX = 0;
  int rockY[kMaxObjects] = {};
  uint8_t rockPresent[kMaxObjects] = {};
  Ledge ledge[kMaxLedges];

  // Vases and suspicious walls
  uint8_t vaseCount = 0;
  uint8_t vasePresent[kMaxObjects] = {};
  int vaseX[kMaxObjects] = {}, vaseY[kMaxObjects] = {};
  uint8_t suspWallCount = 0;
  uint8_t suspWallPresent[kMaxObjects] = {};
  int suspWallX[kMaxObjects] = {}, suspWallY[kMaxObjects] = {};
  float suspWallScale[kMaxObjects] = {};
  uint8_t suspWallOpening[kMaxObjects] = {};
  uint8_t suspWallAnswer[kMaxObjects] = {};
  uint8_t dudeAtSuspWall[kMaxObjects] = {};

  // Bursts, pads, levers in use, inventory
  uint8_t blockBurstActive = 0;
  int movablePadX = 0, movablePadY = 0;
  uint8_t leverUseState = 0;
  uint8_t atLeverThisFrame = 0;
  uint8_t keyHeld[kMaxObjects] = {};
  uint8_t specialKeyHeld = 0;
  uint8_t coinsHeld = 0;
  uint8_t weightsHeld = 0;

  // Collectables
  uint8_t coinCount = 0;
  uint8_t coinPresent[kMaxObjects] = {};
  int coinX[kMaxObjects] = {}, coinY[kMaxObjects] = {};
  uint8_t coinFrame = 0;
  uint8_t foodCount = 0;
  uint8_t foodPresent[kMaxObjects] = {};
  int foodX[kMaxObjects] = {}, foodY[kMaxObjects] = {};
  float foodScale = 0;
  uint8_t foodFrame = 0;
  uint8_t keyCount = 0;
  uint8_t keyPresent[kMaxObjects] = {};
  int keyX[kMaxObjects] = {}, keyY[kMaxObjects] = {};
  float keyScale = 0;
  uint8_t keyFrame = 0;
  uint8_t keyKind[kMaxObjects] = {};
  uint8_t weightCount = 0;
  uint8_t weightPresent[kMaxObjects] = {};
  int weightX[kMaxObjects] = {}, weightY[kMaxObjects] = {};
  uint8_t weightFrame = 0;

  // Doors, blocks, levers, catapults, teleporters, hammers
  uint8_t doorCount = 0;
  uint8_t doorPresent[kMaxObjects] = {};
  int doorX[kMaxObjects] = {}, doorY[kMaxObjects] = {};
  float doorScaleX[kMaxObjects] = {};
  uint8_t doorOpening[kMaxObjects] = {};
  uint8_t doorKeyKind[kMaxObjects] = {};
  uint8_t doorOpenedNow = 0;
  uint8_t blockCount = 0;
  uint8_t blockPresent[kMaxBlocks] = {};
  int blockX[kMaxBlocks] = {}, blockY[kMaxBlocks] = {};
  float blockScaleX[kMaxBlocks] = {};
  uint8_t blockHorizontal[kMaxBlocks] = {};
  uint8_t blockVanishing[kMaxBlocks] = {};
  uint8_t blockAppearing[kMaxBlocks] = {};
  uint8_t leverCount = 0;
  uint8_t leverPresent[kMaxObjects] = {};
  int leverX[kMaxObjects] = {}, leverY[kMaxObjects] = {};
  uint8_t dudeAtLever[kMaxObjects] = {};
  uint8_t leverPosition[kMaxObjects] = {};
  uint8_t catapultCount = 0;
  uint8_t catapultPresent[kMaxObjects] = {};
  int catapultX[kMaxObjects] = {}, catapultY[kMaxObjects] = {};
  uint8_t dudeAtCatapult[kMaxObjects] = {};
  uint8_t catapultFacing[kMaxObjects] = {};
  uint8_t teleporterCount = 0;
  int teleporterX[kMaxTeleporters] = {}, teleporterY[kMaxTeleporters] = {};
  int teleporterExitX[kMaxTeleporters] = {}, teleporterExitY[kMaxTeleporters] = {};
  uint8_t hammersHeld = 0;
  uint8_t hammerPresent[kMaxHammers] = {};
  int hammerX[kMaxHammers] = {}, hammerY[kMaxHammers] = {};

  // Stores, gem, machine
  uint8_t storePresent[kMaxStores] = {};
  int storeX[kMaxStores] = {}, storeY[kMaxStores] = {};
  uint8_t gemState = 0;  // 0 not found, 1 carried, 2 handed over
  uint8_t gemPresent = 0;
  int gemX = 0, gemY = 0;
  uint8_t reservedByte = 0;
  int machineX = 0, machineY = 0;
  Particle machineBurst[kBurstParticles];
  Particle blockBurst[kBurstParticles];
  uint8_t machinePresent = 0;
  uint8_t machineBurstActive = 0;

  // Thought bubble and quest state
  uint8_t bubbleShown = 0;
  uint8_t bubbleHeart = 0, bubbleCoin = 0, bubbleGem = 0, bubbleKey1 = 0, bubbleKey3 = 0, bubbleKey2 = 0,
          bubbleKey4 = 0, bubbleWeight = 0;
  uint8_t questSolved = 0;  // 0 playing, 1 solved, 2 solved while the in-game menu is open
  uint8_t specialDoorPresent = 0;
  int specialDoorX = 0, specialDoorY = 0;
  uint8_t herbReceived = 0;
  uint8_t storeStock[6] = {};
  int teleportExitX = 0, teleportExitY = 0;
  uint8_t teleportState = 0;
  uint8_t teleportArrived = 0;
  uint8_t flightActive = 0;
  int flightLandX = 0, flightLandY = 0;
  uint8_t flightStage = 0;
  int flightTurnX = 0;
  uint8_t flightDirection = 0;
  int flightMinY = 0, flightDropX = 0;
  uint8_t dudeAtStore[kMaxStores] = {};
  uint8_t dudeAtTrader = 0;

  // Particles, ball, timers and frames
  BurstParticle burst[kBurstParticles];
  uint8_t spareBurstActive[kBursts] = {};
  BurstParticle spareBurst[kBurstParticles];
  uint8_t burstActive[kBursts] = {};
  int ballX = 0, ballY = 0;
  uint8_t ballRolling = 0;
  uint8_t ballJustSpawned = 0;
  uint8_t machineTicks = 0;
  TimerPair machineTimer;
  uint8_t gemFrameRising = 0;
  uint8_t timeDigits[3] = {};
  TimerPair fadeTimer, fastAnimTimer, midAnimTimer, slowAnimTimer, bubbleTimer, teleportTimer;
  uint8_t sparkleFrame = 0;
  uint8_t machineFrame = 0;
  uint8_t hammerFrame = 0, teleporterFrame = 0, gemFrame = 0;
  uint8_t continueButtonFrame = 0;
  uint8_t catapultFrame = 0, catapultFrame2 = 0;
  uint8_t menuButtonFrame = 0, infoButtonFrame = 0;
  uint8_t ballFrame = 0, burstFrame = 0;
  uint8_t machineBurstFrames[3] = {};
  uint8_t continuePressed = 0;
  uint8_t hudButtonDown = 0;  // 0 none, 1 menu button, 2 info button, 3 the solved message's Continue
  uint8_t hudButtonHover = 0;
  uint8_t panelChoice = 0;
  uint8_t signChoice = 0;
  uint8_t mouseClicked = 0;

  // Worlds 2 to 6: the ball rolls only the way these say
  uint8_t ballRollsLeft = 0, ballRollsRight = 0;

  // World 4 additions
  uint8_t trampolineCount = 0;
  uint8_t trampolinePresent[kMaxObjects] = {};
  int trampolineX[kMaxObjects] = {}, trampolineY[kMaxObjects] = {};
  uint8_t trampolineSetting[kMaxObjects] = {};
  uint8_t bounceArmed = 0;
  uint8_t bounceRise = 0;
  uint8_t buttonCount = 0;
  uint8_t buttonPresent[kMaxObjects] = {};
  int buttonX[kMaxObjects] = {}, buttonY[kMaxObjects] = {};
  uint8_t dudeAtButton = 0;
  uint8_t pushButtonFrame = 0;
  uint8_t pushButtonState = 0;
  uint8_t gateSwitch = 0;
  uint8_t trapDoorCount = 0;  // how many of the two trap doors the quest has
  uint8_t trapDoorFrame[2] = {};
  int trapDoorX[2] = {}, trapDoorY[2] = {};
  uint8_t trapDoorAnim[2] = {};
  // Ball 1 is the common ball (ballX, ballY, ballRolling); balls 2 and 3 roll only in world 4.
  uint8_t ballReleased[kWorld4Balls] = {};
  uint8_t moreBallRolling[kWorld4Balls - 1] = {};
  int moreBallX[kWorld4Balls - 1] = {}, moreBallY[kWorld4Balls - 1] = {};
  uint8_t walkerActive = 0;
  int walkerX = 0, walkerY = 0;
  uint8_t walkerDirection = 0, walkerFrame = 0;

  // Field by field, so a check can tell whether anything of the quest changed.
  bool operator==(const WorldFields&) const = default;
};

// One of world 4's three balls: ball 0 is the common ball, 1 and 2 the two more.
struct BallRef {
  uint8_t& rolling;
  int& x;
  int& y;
};
inline BallRef ballOf(WorldFields& w, int i) {
  if (i == 0) return {w.ballRolling, w.ballX, w.ballY};
  return {w.moreBallRolling[i - 1], w.moreBallX[i - 1], w.moreBallY[i - 1]};
}

// Everything of the running quest, with the world's sprite sheet and message font. The quest setup
// writes the layout after reset.
class WorldState : public WorldFields {
 public:
  WorldState() = default;
  virtual ~WorldState() = default;

  std::unique_ptr<TextFont> textFont;
  std::unique_ptr<SpriteSheet> sheet;

  // Creates the message font and the world's sprite sheet and loads the quest's slots.
  void loadArt(GraphicsDevice* graphics, int quest);
  // The start values every quest begins from, before its setup writes the layout.
  void reset();
  // Writes the goal of the quest (the objects come with the object kinds).
  void setupQuest(int quest);
  // The 100, 200 and 500 ms animation counters.
  void animate();
  // The goal test against the dude's proposed position.
  void testGoal(int nextX, int nextY);
  // Plays this frame's sound requests in their fixed order and clears them.
  void serveSounds(SoundEffect& sound, const WorldRules& rules);
};
