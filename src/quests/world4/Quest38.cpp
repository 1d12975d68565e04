// Quest 38, "Enter the brown dungeon!": three terraces below the dungeon's door, a waiting ball on
// each. The push button opens the trap door of the terrace the dude stands on: the bottom one
// (trap door 1) swallows the first ball, the middle one (trap door 0) the second, and the third is
// dodged against the top wall. The one key fits both doors; the door to the obvious teleporter is
// the wrong one to open, because the dungeon door itself is locked. The lever sends the far
// teleporter up instead.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The upper hall (y 100 to 240) with the dungeon door's recess at its top middle, the narrow
// middle terrace (290 to 372) and the bottom terrace (400 to the field's edge). Every terrace runs
// across the whole field; only teleporters join them.
constexpr HorizontalWall kUp[] = {{0, 380, 100}, {452, 800, 100}, {0, 800, 290}, {0, 800, 400}};
constexpr HorizontalWall kDown[] = {{0, 800, 240}, {0, 800, 372}};
constexpr VerticalWall kLeft[] = {{380, 80, 100}};
constexpr VerticalWall kRight[] = {{452, 80, 100}};
constexpr DudeLayout kDude{70, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{38, kDude, true, {380, 42, 72, 30}};

// Objects, scripts and drawing.

// The drink stands straight above the start: reachable before any sideways step lets ball 1 go.
constexpr Spot kFood[] = {{80, 404}};
// Button 0 (Button5) on the middle terrace where its teleporter arrives; button 1 (Button4) at the
// start.
constexpr Spot kButtons[] = {{515, 300}, {20, 436}};
constexpr Spot kCoins[] = {{215, 326}};
constexpr KeyPlacement kKeys[] = {onField(170, 316, kKey)};
// Door 0 bars the teleporter at the middle terrace's right end; door 1 the dungeon door's recess.
constexpr DoorPlacement kDoors[] = {{640, 286, kKey}, {390, 58, kKey}};
constexpr LeverPlacement kLevers[] = {{262, 298, 0}};

// Arrival spots. Arriving on the middle terrace puts the dude at y 312 and lets ball 2 go; arriving
// in the upper hall puts it at y 184 and lets ball 3 go.
constexpr Spot kMiddleArrival{560, 312};
constexpr Spot kBottomArrival{160, 430};
constexpr Spot kHallLeftArrival{250, 184};
constexpr Spot kHallRightArrival{660, 184};
constexpr TeleporterPlacement kTeleporters[] = {
    {745, 426, kMiddleArrival.x, kMiddleArrival.y},      // 0: bottom terrace, up to the middle
    {745, 276, kHallRightArrival.x, kHallRightArrival.y},  // 1: behind door 0, up to the hall
    {100, 276, kBottomArrival.x, kBottomArrival.y},      // 2: the lever's teleporter
    {745, 110, kMiddleArrival.x, kMiddleArrival.y},      // 3: the hall's way back down
};
constexpr LeverEffect kToBottom[] = {exitOf(2, kBottomArrival.x, kBottomArrival.y)};
constexpr LeverEffect kToMiddle[] = {exitOf(2, kMiddleArrival.x, kMiddleArrival.y)};
constexpr LeverEffect kToHall[] = {exitOf(2, kHallLeftArrival.x, kHallLeftArrival.y)};
constexpr LeverScript kLeverScripts[] = {{{kToBottom, kToMiddle, kToHall}}};

// Trap door 0 lies in the middle terrace's floor, trap door 1 in the bottom terrace's.
constexpr TrapDoorPlacement kTrapDoors[] = {{330, 343, 1, -1}, {280, 435, 0, -1}};
// Ball 1 rolls left at the start; balls 2 and 3 wait at their terraces' left ends and roll right.
constexpr BallPlacement kBalls[] = {
    {650, 444, BallRelease::DudeXNot, 70},
    {10, 314, BallRelease::DudeYIs, 312},
    {10, 182, BallRelease::DudeYIs, 184},
};

// Exit pads lie under the arrival spots, like the pads under the entries.
constexpr DrawLine exitPad(Spot s) { return picture(12, s.x - 5, s.y + 42, 1.4f, 1.4f); }

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kMiddleArrival),
    exitPad(kBottomArrival),
    exitPad(kHallLeftArrival),
    exitPad(kHallRightArrival),
    each(Draw::TrapDoors, 39, 1.0f, 0.9f),
    one(Draw::Buttons, 34, 0, 0.8f, 0.8f),
    one(Draw::Buttons, 35, 1, 0.8f, 0.8f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Food, 8, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    kTeleporterBeams,
    each(Draw::Balls, 24, 0.9f, 0.9f),
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Drink3.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {21, {"Art/Lever5.bmp", 64, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
    {34, {"Art/Button5.bmp", 64, 64, kNoColourKey}},
    {35, {"Art/Button4.bmp", 64, 64, kRedKey}},
    {39, {"Art/TrapDoor.bmp", 64, 32, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 38;
  q.coins = kCoins;
  q.food = kFood;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.foodScale = 1.0f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.buttons = kButtons;
  q.trapDoors = kTrapDoors;
  q.balls = kBalls;
  q.ballRollsLeft = true;
  q.pushAction = PushAction::TrapDoorByHeight;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest38{&kLayout, &kObjects};
