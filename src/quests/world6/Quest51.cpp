// Quest 51, "Find the entrance to the lower level.": the moss cave's first hall. A ball machine
// sweeps the corner where the blue key lies and the green gate to the stairs stands. Dash in for
// the blue key between two balls, climb through the urn and the blue door to the gallery for the
// green key, and keep the gallery's hammer for the machine, which its teleporters land before: a
// silenced machine leaves the last walk to the gate free of balls.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The west hall and the east hall (dude y from 312) meet only at the back, where the urn before the
// blue door's shaft stands; the east hall's low end, with the machine, is the teleporters' landing.
// The shaft rises to the gallery (y 100 to 249), whose floor is closed but for the shaft and two
// steps down, each stopped by an urn. East of the machine lies the ball corner, with a niche above
// the balls' lane and the green gate's shaft.
constexpr HorizontalWall kUp[] = {
    {0, 290, 312},    {344, 660, 312},  // the two halls' back walls, open at the shaft
    {0, 110, 395},                      // the low shelf behind the start
    {190, 270, 370},                    // the west hall's bench before the shaft
    {133, 540, 100},  {425, 540, 140},  // the gallery, lower past the teleporter
    {660, 680, 410},  {680, 722, 380},  // the corner and its niche
    {722, 800, 230},                    // the stairs at the top of the gate's shaft
};
constexpr HorizontalWall kDown[] = {
    {189, 290, 300}, {344, 484, 300},  // the gallery's edge, open at the shaft and the urns' steps
};
constexpr VerticalWall kLeft[] = {
    {345, 380, 500},  // the halls' parting wall
    {290, 200, 312},  // the blue door's shaft
    {133, 100, 300},  // the gallery's west end
    {722, 280, 410},  // the green gate's shaft
    {680, 380, 410},  // the niche
};
constexpr VerticalWall kRight[] = {
    {345, 380, 500},  // the halls' parting wall
    {344, 200, 312},  // the blue door's shaft
    {540, 100, 300},  // the gallery's east end
    {660, 312, 410},  // the east hall's end over the corner
    {722, 380, 410},  // the niche, beside the gate
};
constexpr DudeLayout kDude{10, 441, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{51, kDude, true, {719, 240, 61, 30}};

// Objects, scripts and drawing.

// Both beams of the gallery lead down to the pad before the machine.
constexpr Spot kBeforeMachine{415, 441};

constexpr Spot kFood[] = {{515, 365}, {165, 365}};
constexpr Spot kHammers[] = {{225, 436}, {354, 130}};
// The urn at the blue door's foot parts the two halls and shuts the shaft; the one under the green
// key and the one at the gallery's east step only keep the steps down.
constexpr Spot kVases[] = {{157, 235}, {300, 314}, {508, 195}};
constexpr KeyPlacement kKeys[] = {onField(744, 444, kKey2), onField(171, 190, kKey3)};
constexpr DoorPlacement kDoors[] = {{299, 205, kKey2}, {728, 365, kKey3}};
constexpr TeleporterPlacement kTeleporters[] = {
    {161, 120, kBeforeMachine.x, kBeforeMachine.y},
    {410, 130, kBeforeMachine.x, kBeforeMachine.y},
};

constexpr DrawLine kDrawing[] = {
    // The pads under the two beams, then the one they bring the dude to.
    picture(12, 156, 156, 1.4f, 1.4f),
    picture(12, 405, 166, 1.4f, 1.4f),
    picture(12, kBeforeMachine.x - 5, kBeforeMachine.y + 37, 1.4f, 1.4f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Keys, kKey3, 1.0f, 1.0f),
    one(Draw::Doors, 11, 0, 1.4f, 1.4f),
    one(Draw::Doors, 9, 1, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Machine, 23, 1.1f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {8, {"Art/Food6.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door10.bmp", 32, 32, kBlackKey}},
    {11, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases19.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {20, {"Art/Key5.bmp", 16, 32, kBlackKey}},
    {23, {"Art/Machine.bmp", 32, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 51;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.teleporters = kTeleporters;
  // The balls leave the machine's east face and roll across the corner, away from the start.
  q.machine = MachinePlacement{566, 430, 600, 435};
  q.ballRollsRight = true;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest51{&kLayout, &kObjects};
