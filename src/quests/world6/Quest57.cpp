// Quest 57, "Find the green gem!": the gem lies at the top of the shaft over the start, behind two
// orange doors, and the keeper sells an orange key for two coins to one who holds none. The four
// coins are spread over the lofts and the pen: the floor's teleporter leads first into the west
// loft, the lever (paid with the goblet's heart) turns it to the terrace where the swing's weight
// lies, the swing's one throw reaches the east terrace's hammer and teleporter into the pen, and the
// urns in the pen and in the east loft each take one of the two hammers.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The floor (dude y from 300) runs under everything; the shaft over the start rises to the gem, and
// the lever stands in a niche beside it. The west terrace and the east terrace (y 130 to 299) are
// cliffs walked down, never up; the east terrace's far end is a pen parted from it by a rock. Above
// the west terrace lie two lofts that only teleporters reach.
constexpr HorizontalWall kUp[] = {
    {0, 300, 300},   {345, 360, 300}, {450, 800, 300},  // the floor's back, open at the niche and the shaft
    {300, 345, 255},                                    // the lever's niche
    {360, 450, 100},                                    // the shaft's top, over the gem
    {0, 280, 130},   {500, 800, 130},                   // the terraces' backs
    {0, 280, 20},                                       // the lofts' back
};
constexpr HorizontalWall kDown[] = {
    {0, 280, 130},  // the lofts' floor over the west terrace
};
constexpr VerticalWall kLeft[] = {
    {300, 255, 300},  // the niche
    {360, 100, 300},  // the shaft
    {500, 130, 300},  // the east terrace's west end
    {700, 130, 300},  // the pen, behind the rock
    {140, 20, 130},   // the east loft, beside the west one
};
constexpr VerticalWall kRight[] = {
    {345, 255, 300},  // the niche
    {450, 100, 300},  // the shaft, as wide as the goal
    {280, 20, 300},   // the west terrace's and the lofts' east end
    {690, 130, 300},  // the east terrace's end at the rock
    {120, 20, 130},   // the west loft, beside the east one
};
constexpr DudeLayout kDude{397, 387, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{57, kDude, true, {377, 120, 72, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down.
constexpr Spot kWestLoft{5, 70}, kEastLoft{142, 70}, kByTheSwing{560, 320}, kInThePen{705, 250};
constexpr Spot kTerraceWest{40, 200}, kTerraceEast{210, 200};

// One coin lies free on the floor, one in the west loft and one in the pen; the east loft's waits
// behind its urn.
constexpr Spot kCoins[] = {{640, 410}, {40, 104}, {760, 260}, {215, 104}};
constexpr Spot kDrinks[] = {{130, 400}};
constexpr Spot kHammers[] = {{250, 410}, {560, 250}};
constexpr Spot kWeights[] = {{150, 230}};
// The pen's urn stands on the teleporter to the east loft; the east loft's before its coin and its
// way home.
constexpr Spot kVases[] = {{742, 150}, {172, 60}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey3)};
// Centred in the shaft; each stops the dude at any x the shaft allows.
constexpr DoorPlacement kDoors[] = {{383, 232, kKey3}, {383, 160, kKey3}};
constexpr TeleporterPlacement kTeleporters[] = {
    {40, 320, kWestLoft.x, kWestLoft.y},      // the floor's, where the lever says
    {70, 40, kByTheSwing.x, kByTheSwing.y},   // the west loft's way home
    {240, 40, kByTheSwing.x, kByTheSwing.y},  // the east loft's way home
    {640, 150, kInThePen.x, kInThePen.y},     // the east terrace's, into the pen
    {745, 130, kEastLoft.x, kEastLoft.y},     // the pen's, under its urn
};
constexpr LeverPlacement kLevers[] = {{300, 255, 0}};
constexpr CatapultPlacement kCatapults[] = {{460, 400, kThrowsRight}};
constexpr Spot kStores[] = {{200, 330}};

// The floor's teleporter leads into the west loft, or onto the west terrace at either end.
constexpr LeverEffect kToWestLoft[] = {exitOf(0, kWestLoft.x, kWestLoft.y)};
constexpr LeverEffect kToTerraceWest[] = {exitOf(0, kTerraceWest.x, kTerraceWest.y)};
constexpr LeverEffect kToTerraceEast[] = {exitOf(0, kTerraceEast.x, kTerraceEast.y)};
constexpr LeverScript kLeverScripts[] = {{{kToWestLoft, kToTerraceWest, kToTerraceEast}}};

// Every throw lands on the east terrace, by its hammer or nearer its teleporter: the one weight is
// never wasted.
constexpr CatapultScript kCatapultScripts[] = {{{land(540, 220, 520), land(590, 220, 570), land(620, 230, 600)}}};
// An orange key whenever none is held: a door takes every key of its kind, so two at once would
// leave the second door shut.
constexpr StoreScript kStoreScripts[] = {
    {{whileNotHeld(Gift::Key, 2, 0), {Gift::None, 0, 0, 0}, {Gift::None, 0, 0, 0}}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kByTheSwing),
    exitPad(kInThePen),
    exitPad(kEastLoft),
    kTeleporterPads,
    each(Draw::Gem, 29, 0.75f, 0.75f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    kTeleporterBeams,
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
};

// The quest's pictures, slot by slot; slot 20 holds the orange key the keeper sells.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Drink2.bmp", 32, 64, kRedKey}},
    {9, {"Art/Door12.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {14, {"Art/Swing3.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases12.bmp", 32, 64, kBlackKey}},
    {20, {"Art/Key6.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever3.bmp", 64, 64, kRedKey}},
    {22, {"Art/House11.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Gem8.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 57;
  q.coins = kCoins;
  q.food = kDrinks;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.gem = Spot{390, 100};
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest57{&kLayout, &kObjects};
