// Quest 17, "Go to the mountains.": the pass lies above the foothills, and both chimneys up the cliff
// are shut by two gates, one above the other, with only two keys in the whole quest. The swing
// throws the dude between the west chimney's gates, so the first key opens only the upper one; on
// the ledge above, the lever sends the ledge's teleporter between the east chimney's gates, where the
// second key opens the last gate below the pass.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The foothills run along the bottom (the store in an alcove of the cliff), the west ledge and the
// pass along the top (the lever in a nook above the ledge, a rock wall between ledge and pass), and
// a shelf in the cliff between them. The chimneys at both edges of the field climb from the
// foothills through the cliff; their gates stand in them.
constexpr HorizontalWall kUp[] = {
    {0, 150, 110},  {150, 195, 70},  {195, 400, 110},  // the west ledge and the lever's nook
    {400, 600, 110}, {600, 800, 125},                  // the pass
    {300, 580, 240},                                   // the shelf
    {45, 600, 350}, {600, 645, 310}, {645, 755, 350},  // the foothills and the store's alcove
};
constexpr HorizontalWall kDown[] = {
    {45, 755, 200},   // the ledge's and the pass's edge, open at both chimneys
    {300, 580, 320},  // the shelf's edge
};
constexpr VerticalWall kLeft[] = {
    {755, 200, 350},  // the east chimney
    {150, 70, 110},   // the lever's nook
    {300, 240, 320},  // the shelf
    {600, 310, 350},  // the store's alcove
};
constexpr VerticalWall kRight[] = {
    {45, 200, 350},   // the west chimney
    {195, 70, 110},
    {580, 240, 320},
    {645, 310, 350},
    {400, 110, 200},  // the rock between the ledge and the pass
};
constexpr DudeLayout kDude{478, 444, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{17, kDude, true, {440, 127, 400, 67}};

// Objects, scripts and drawing.

// Where the dude is set down: home by the start, on the shelf, and in the chimneys between their
// gates (the swing's middle throw, the ledge's teleporter at the lever's third position).
constexpr Spot kHome{470, 430}, kShelf{340, 250}, kWestBetween{8, 247}, kEastBetween{762, 247};

constexpr Spot kCoins[] = {
    {430, 450},  // by the start
    {705, 450},  // between the jars at the east end
    {440, 260},  // the shelf's
    {530, 260},  // the shelf's, behind its jar
    {280, 160},  // the ledge's, between its crates
};
constexpr Spot kFood[] = {{380, 440}};
constexpr Spot kWeights[] = {{160, 440}};
constexpr Spot kHammers[] = {{390, 250}};
// The first key in the foothills by the weight, the second on the ledge.
constexpr KeyPlacement kKeys[] = {onField(100, 430, kKey2), onField(90, 150, kKey2)};
// Each chimney's upper gate, then its lower one.
constexpr DoorPlacement kDoors[] = {{0, 200, kKey2}, {0, 300, kKey2}, {755, 200, kKey2}, {755, 300, kKey2}};
constexpr Spot kVases[] = {
    {480, 235},  // on the shelf, before its second coin
    {660, 390},  // east of the store, before a coin
    {723, 390},  // at the foot of the east chimney
};
enum Crate : uint8_t { kWestFoot = 0, kTeleporterCrate = 1, kCoinCrate = 2, kWeightCrate = 3 };
constexpr BlockPlacement kBlocks[] = {
    {45, 398, kHorizontal, kPresent},   // at the foot of the west chimney
    {310, 140, kHorizontal, kPresent},  // on the ledge, before its teleporter
    {230, 140, kHorizontal, kPresent},  // on the ledge, before its coin
    {210, 398, kHorizontal, kPresent},  // in the foothills, before the weight and the first key
};
constexpr LeverPlacement kLevers[] = {{150, 65, 1}};
constexpr CatapultPlacement kCatapults[] = {{260, 440, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {
    {365, 110, kHome.x, kHome.y},    // the ledge's, as the lever says
    {530, 430, kShelf.x, kShelf.y},  // up to the shelf
    {305, 230, kHome.x, kHome.y},    // down from the shelf
};
constexpr Spot kStores[] = {{603, 300}};

// The lever: the ledge's coin, nothing, or the way to its teleporter, which then leads between the
// east chimney's gates instead of home.
constexpr LeverEffect kOpenCoin[] = {vanish(kCoinCrate), appear(kTeleporterCrate), exitOf(0, kHome.x, kHome.y)};
constexpr LeverEffect kShutLedge[] = {appear(kCoinCrate), appear(kTeleporterCrate), exitOf(0, kHome.x, kHome.y)};
constexpr LeverEffect kOpenTeleporter[] = {
    vanish(kCoinCrate), vanish(kTeleporterCrate), exitOf(0, kEastBetween.x, kEastBetween.y)};
constexpr LeverScript kLeverScripts[] = {{{kOpenCoin, kShutLedge, kOpenTeleporter}}};
// The swing throws left: a hop, up between the west chimney's gates, or a long hop to the first key.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(250, 440, 280), land(kWestBetween.x, kWestBetween.y, 103), land(100, 440, 180)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Weight, 2, 1), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kHome),
    exitPad(kShelf),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Grapes.bmp", 32, 64, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block12.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing7.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer3.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases12.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House3.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 17;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
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

constexpr QuestContent kQuest17{&kLayout, &kObjects};
