// Quest 3, "Find the throne room and speak with princess Ilvy.": three floors joined by teleporters.
// The trick: three vases bar the way up, and each of the three hammers must be fetched before its vase.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {89, 800, 427}, {0, 697, 255}, {0, 364, 87}, {470, 800, 87},
};
constexpr HorizontalWall kDown[] = {
    {89, 800, 335}, {0, 697, 165},
};
constexpr VerticalWall kLeft[] = {
    {697, 165, 255}, {364, 0, 87},
};
constexpr VerticalWall kRight[] = {
    {89, 335, 427}, {470, 0, 87},
};
constexpr DudeLayout kDude{20, 440, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{3, kDude, true, {364, 67, 106, 20}};

// Objects, scripts and drawing.
constexpr Spot kFood[] = {{387, 110}, {502, 110}, {272, 110}};
constexpr TeleporterPlacement kTeleporters[] = {
    {220, 426, 398, 270}, {580, 426, 70, 444}, {220, 254, 723, 270}, {580, 254, 398, 444}, {725, 85, 108, 95},
};
constexpr Spot kVases[] = {
    {5, 350}, {50, 350}, {710, 180}, {755, 180}, {6, 92}, {755, 431}, {195, 92}, {660, 92}, {610, 92},
};
constexpr Spot kHammers[] = {{477, 443}, {70, 270}, {145, 270}};

constexpr DrawLine kDrawing[] = {
    each(Draw::Vases, 13, 1.2f, 1.1f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    picture(12, 390, 472, 1.4f, 1.4f),
    picture(12, 60, 472, 1.4f, 1.4f),
    picture(12, 390, 300, 1.4f, 1.4f),
    picture(12, 717, 300, 1.4f, 1.4f),
    picture(12, 100, 130, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 3;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.teleporters = kTeleporters;
  q.foodScale = 1.1f;
  q.vasesArePots = true;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest3{&kLayout, &kObjects};
