#pragma once
#include <cstdint>

class WorldState;
class Dude;
struct WorldRules;
struct QuestObjects;

// The rules of the object kinds. Collisions work on the dude's proposed position (nextX, nextY)
// against its current one (x, y); pick-ups and the "standing at" tests on the committed position.

// Keys, doors and the special door.
void pickUpKeys(WorldState& w, const Dude& d);
void collideDoors(WorldState& w, Dude& d);
void collideSpecialDoor(WorldState& w, Dude& d);
void fadeDoors(WorldState& w);

// Blocks.
void collideBlocks(WorldState& w, Dude& d);
void fadeBlocks(WorldState& w, int world);

// Vases and hammers.
void collideVases(WorldState& w, Dude& d);
void pickUpHammers(WorldState& w, const Dude& d);

// Particle bursts: every burst moves by the frame's pacer steps (30, 40, 60, 80, 110, 130 px/s).
struct BurstSteps {
  int s30, s40, s60, s80, s110, s130;
};
void startGeneralBurst(WorldState& w, int x, int y, int bursts);  // the first free of 0..bursts-1
void moveBursts(WorldState& w, const BurstSteps& s);

// Levers.
void testLevers(WorldState& w, Dude& d, bool leversCostHearts);
bool atLever(const WorldState& w, int& lever);
void pullLever(WorldState& w, const QuestObjects& q, int lever, int choice);

// Teleporters, ledges, the horn.
void enterTeleporters(WorldState& w, const Dude& d);
void animateTeleport(WorldState& w, Dude& d);
void collideLedges(WorldState& w, Dude& d, int world);
void pickUpHorn(WorldState& w, const Dude& d, bool opensPassage);

// Weights, catapults and flights.
void pickUpWeights(WorldState& w, const Dude& d);
void testCatapults(WorldState& w, const Dude& d);
bool atCatapult(const WorldState& w, int& catapult);
void throwFromCatapult(WorldState& w, const QuestObjects& q, int catapult, int choice);
// A flight to the right that lands on an armed trampoline bounces on as the quest's table says.
void fly(WorldState& w, Dude& d, int step, const QuestObjects* q);

// Machines, balls and rocks.
void runMachine(WorldState& w);
void moveBall(WorldState& w, int step);
void moveRocks(WorldState& w, int step);
void hitBallsAndRocks(WorldState& w, Dude& d, int quest);
// A ball at (ballX, ballY) touching the dude takes a heart and bursts; true when it hit.
bool hitByBall(WorldState& w, Dude& d, int ballX, int ballY);
void moveBallByFlags(WorldState& w, int step);

// World 4: buttons and the push button, trap doors, three balls.
void testButtons(WorldState& w, const Dude& d);
void runPushButton(WorldState& w, const Dude& d, const QuestObjects& q);
// This frame sounds a press that released quest 32's gate.
bool pushSoundedWithGateSwitch(const WorldState& w);
void animateTrapDoors(WorldState& w);
void catchBalls(WorldState& w, const QuestObjects& q);
void releaseBalls(WorldState& w, const Dude& d, const QuestObjects& q);
void moveThreeBalls(WorldState& w, int step);
void hitMoreBalls(WorldState& w, Dude& d);
void collideMachine(WorldState& w, Dude& d);
void stopRocksWithoutBlock0(WorldState& w);

// Coins, food, the gem, stores and the trader.
void pickUpCoinsAndFood(WorldState& w, Dude& d);
void pickUpGem(WorldState& w, const Dude& d);
void testStores(WorldState& w, const Dude& d);
void testTrader(WorldState& w, const Dude& d);
bool atStore(const WorldState& w, int& store);
void buy(WorldState& w, Dude& d, const QuestObjects& q, int store, int choice);
void trade(WorldState& w, const QuestObjects& q, int choice);

// Suspicious walls.
void collideSuspiciousWalls(WorldState& w, Dude& d);
void fadeSuspiciousWalls(WorldState& w);
bool atSuspiciousWall(const WorldState& w, int& wall);
// Clicking sign k: true when it was the wall's answer.
bool touchSign(WorldState& w, Dude& d, int wall, int sign);
