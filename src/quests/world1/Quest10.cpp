// Quest 10, "The pyramid will surely have treasure!": four vases and six blocks switched by two levers.
// The trick: every way leads through a vase, so the store's hammers are needed; the bottom lever costs hearts.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {210, 256, 429}, {256, 312, 365}, {312, 378, 45}, {378, 503, 100},
    {503, 568, 45}, {568, 742, 240}, {742, 800, 61}, {568, 742, 431},
};
constexpr HorizontalWall kDown[] = {
    {325, 378, 436}, {378, 503, 173}, {568, 742, 312},
};
constexpr VerticalWall kLeft[] = {
    {145, 240, 500}, {256, 365, 429}, {312, 45, 365}, {503, 45, 100},
    {503, 173, 500}, {742, 61, 240}, {742, 312, 431},
};
constexpr VerticalWall kRight[] = {
    {210, 240, 429}, {325, 436, 500}, {378, 173, 436}, {378, 45, 100},
    {568, 45, 240}, {568, 312, 431},
};
constexpr DudeLayout kDude{710, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{10, kDude, true, {145, 220, 65, 30}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{530, 450}, {764, 71}, {764, 101}, {168, 400}, {168, 450}, {277, 400}, {277, 450}};
constexpr Spot kFood[] = {{757, 450}, {757, 130}, {326, 270}, {519, 350}};
constexpr BlockPlacement kBlocks[] = {
    {580, 440, kHorizontal, kPresent}, {580, 250, kHorizontal, kPresent}, {755, 186, kVertical, kPresent},
    {424, 112, kHorizontal, kPresent}, {215, 440, kHorizontal, kPresent}, {325, 186, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{640, 450, 2}, {323, 50, 2}};
constexpr Spot kVases[] = {{160, 260}, {517, 172}, {328, 330}, {704, 241}};
constexpr Spot kStores[] = {{516, 30}};

constexpr LeverEffect kLever0Position0[] = {appear(5), vanish(1), vanish(3)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(5), vanish(3)};
constexpr LeverEffect kLever0Position2[] = {appear(3), vanish(5), vanish(1)};
constexpr LeverEffect kLever1Position0[] = {appear(4), vanish(2), vanish(0)};
constexpr LeverEffect kLever1Position1[] = {appear(2), vanish(4), vanish(0)};
constexpr LeverEffect kLever1Position2[] = {appear(0), vanish(4), vanish(2)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 10, 1.2f, 1.1f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 10;
  q.coins = kCoins;
  q.food = kFood;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.hammersHeld = 2;
  q.vasesArePots = true;
  q.continueButton = Spot{40, 535};
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest10{&kLayout, &kObjects};
