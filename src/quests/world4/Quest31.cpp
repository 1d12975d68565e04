// Quest 31, "Enter the Palace!": the campaign's first quest. The palace garden's fence keeps the
// dude from the gate; a big ball waits on the path. Stepping past it sets it rolling, and the
// garden button opens the trap door that swallows it, which opens the way to the palace.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The garden path runs along the bottom; the fenced yard before the palace gate rises above its
// middle, walled by the palace front and the yard's hedges.
constexpr HorizontalWall kUp[] = {{0, 256, 400}, {549, 800, 400}, {256, 549, 300}};
constexpr VerticalWall kLeft[] = {{256, 330, 400}};
constexpr VerticalWall kRight[] = {{549, 330, 400}};
constexpr DudeLayout kDude{646, 443, 0, kUp, {}, kLeft, kRight};
constexpr QuestLayout kLayout{31, kDude, true, {266, 300, 271, 30}};

// Objects, scripts and drawing.

constexpr Spot kFood[] = {{385, 440}};
constexpr Spot kButtons[] = {{20, 433}};
// The teleporter at the path's right end leads past the vase to the far end of the garden.
constexpr TeleporterPlacement kTeleporters[] = {{747, 436, 105, 430}};
constexpr Spot kVases[] = {{548, 427}};
// The ball falls into the trap door; that takes away the fence's barrier.
constexpr TrapDoorPlacement kTrapDoors[] = {{180, 435, 0, 0}};
constexpr BallPlacement kBalls[] = {{495, 444, BallRelease::DudeLeftOfBall, 0}};
// The fence's barrier: the yard cannot be entered from the path while it stands.
constexpr LedgePlacement kLedges[] = {{0, 256, 400, 293, true}};

constexpr DrawLine kDrawing[] = {
    picture(12, 100, 472, 1.4f, 1.4f),
    picture(12, 742, 472, 1.4f, 1.4f),
    each(Draw::TrapDoors, 39, 1.0f, 0.9f),
    each(Draw::Buttons, 34, 0.8f, 0.8f),
    each(Draw::Food, 8, 1.0f, 1.0f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
    each(Draw::Balls, 6, 0.9f, 0.9f),
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Ball.bmp", 64, 64, kRedKey}},
    {8, {"Art/Food8.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {18, {"Art/Vases7.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Button4.bmp", 64, 64, kRedKey}},
    {39, {"Art/TrapDoor.bmp", 64, 32, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 31;
  q.food = kFood;
  q.vases = kVases;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.foodScale = 1.0f;
  q.buttons = kButtons;
  q.trapDoors = kTrapDoors;
  q.balls = kBalls;
  q.ballRollsLeft = true;
  q.pushAction = PushAction::OpenTrapDoor;
  q.gateTrigger = GateTrigger::Ball1Stopped;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest31{&kLayout, &kObjects};
