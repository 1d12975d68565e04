// Quest 43, "Enter the lower level.": the tomb's sealed passage. Three slabs bar the passage to the
// stair down, and each slab answers to two levers at once: it sinks only while both stand right.
// The middle lever wants the left for the first slab and the right for the second, so the levers
// can never clear all three: one slab must be broken, and broken last, because a lever pulled
// afterwards raises it again. Four levers cost four hearts, and the urns want the hammers too.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The west hall is tall and open; its north wall has two lever niches, the middle one before the
// loft, whose floor is raised and reached only by the beam. East of the hall lies a block of
// masonry: the passage to the stair runs along its top (a drop nobody survives, so its edge is a
// wall) and the low east room under it, closed by an urn, holds the beam.
constexpr HorizontalWall kUp[] = {
    {0, 60, 250},    {60, 105, 200},   {105, 430, 250},  // the north wall and the west niche
    {430, 475, 200}, {475, 800, 250},                    // the passage's niche and back wall
    {420, 800, 400},                                     // the east room's back wall
    {250, 350, 330},                                     // the loft's edge
};
constexpr HorizontalWall kDown[] = {{420, 800, 361}};  // the passage's edge
constexpr VerticalWall kLeft[] = {
    {60, 200, 250},   // the west niche
    {430, 200, 250},  // the passage's niche
    {250, 250, 330},  // the loft's rails
    {350, 250, 330},
};
constexpr VerticalWall kRight[] = {
    {105, 200, 250},
    {475, 200, 250},
    {250, 250, 330},
    {420, 361, 400},  // the masonry's face between the passage and the east room
};
constexpr DudeLayout kDude{211, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{43, kDude, true, {719, 300, 65, 30}};

// Objects, scripts and drawing.

constexpr Spot kLoft{252, 280};  // where the beam sets the dude down

constexpr Spot kCoins[] = {{100, 455}, {640, 455}, {360, 330}};  // the hall, the east room, by the loft
constexpr Spot kFood[] = {
    {150, 440},  // the hall, the first heart
    {520, 440},  // the east room
    {255, 300},  // the loft, where the beam lands
    {150, 300},  // the hall's north side
};
constexpr Spot kHammers[] = {{300, 440}, {600, 440}};  // the hall; the east room
// The urn that closes the east room and the one before the west niche.
constexpr Spot kVases[] = {{420, 400}, {62, 250}};
enum Slab : uint8_t { kFirst = 0, kSecond = 1, kThird = 2 };
constexpr BlockPlacement kBlocks[] = {
    {480, 262, kHorizontal, kPresent},
    {560, 262, kHorizontal, kPresent},
    {640, 262, kHorizontal, kPresent},
};
// The hall's corner, the west niche, the loft, the passage's niche.
enum Lever : uint8_t { kCorner = 0, kNiche = 1, kLoftLever = 2, kPassage = 3 };
constexpr LeverPlacement kLevers[] = {{5, 455, 1}, {60, 205, 1}, {305, 255, 1}, {430, 205, 1}};
constexpr TeleporterPlacement kTeleporters[] = {{760, 410, kLoft.x, kLoft.y}};
constexpr Spot kStores[] = {{360, 385}};

// Each slab sinks while both of its levers stand right; each lever's other positions raise its
// slabs. The first slab: the corner and the niche to the left. The second: the niche to the right
// and the loft to the left. The third: the loft to the left and the passage's lever to the right.
constexpr LeverEffect kCornerRight[] = {appearUnlessLeverAt(kFirst, kNiche, 0)};
constexpr LeverEffect kCornerWrong[] = {appear(kFirst)};
constexpr LeverEffect kNicheLeft[] = {appearUnlessLeverAt(kFirst, kCorner, 0), appear(kSecond)};
constexpr LeverEffect kNicheMiddle[] = {appear(kFirst), appear(kSecond)};
constexpr LeverEffect kNicheRight[] = {appear(kFirst), appearUnlessLeverAt(kSecond, kLoftLever, 0)};
constexpr LeverEffect kLoftRight[] = {appearUnlessLeverAt(kSecond, kNiche, 2), appearUnlessLeverAt(kThird, kPassage, 2)};
constexpr LeverEffect kLoftWrong[] = {appear(kSecond), appear(kThird)};
constexpr LeverEffect kPassageRight[] = {appearUnlessLeverAt(kThird, kLoftLever, 0)};
constexpr LeverEffect kPassageWrong[] = {appear(kThird)};
constexpr LeverScript kLeverScripts[] = {
    {{kCornerRight, kCornerWrong, kCornerWrong}},
    {{kNicheLeft, kNicheMiddle, kNicheRight}},
    {{kLoftRight, kLoftWrong, kLoftWrong}},
    {{kPassageWrong, kPassageWrong, kPassageRight}},
};
// Three coins: the hammer that the slab needs, or hearts.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    picture(12, kLoft.x - 5, kLoft.y + 46, 1.4f, 1.4f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Food5.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block19.bmp", 32, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases18.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 43;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest43{&kLayout, &kObjects};
