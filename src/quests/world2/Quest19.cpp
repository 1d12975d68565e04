// Quest 19, "Find the red bow.": the woods below the hunters' hill. The bow lies in a clearing
// that no path reaches; only the old oak's teleporter at the east end of the canopy walk leads
// there, and the lever in the hollow oak turns where it leads. Amphorae stand across every path and
// hammers are few: one amphora too many broken and the way up is shut.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three bands of forest floor: the glade at the bottom (deeper east of its step, where the store
// stands), the terrace across the middle with the hollow oak's nook above its west end and the
// bow's clearing behind a thicket at its east end, and the canopy walk along the top.
constexpr HorizontalWall kUp[] = {
    {0, 520, 390}, {520, 800, 370},               // the glade's back edge, the step
    {0, 60, 175}, {60, 160, 110}, {160, 700, 175},  // the terrace and the hollow oak's nook
    {700, 800, 160},                              // the clearing
};
constexpr HorizontalWall kDown[] = {
    {0, 700, 320}, {700, 800, 290},  // the terrace's and the clearing's front edge
    {0, 400, 100}, {400, 800, 90},   // the canopy walk
};
constexpr VerticalWall kLeft[] = {
    {40, 390, 500}, {40, 0, 100},  // the thicket at the forest's west edge
    {60, 110, 175},                // the nook
    {520, 370, 390},               // the glade's step
    {700, 160, 290},               // the clearing's thicket, from within
};
constexpr VerticalWall kRight[] = {
    {160, 110, 175},  // the nook
    {700, 175, 320},  // the clearing's thicket, from the terrace
    {400, 90, 100},   // the canopy walk narrows
};
constexpr DudeLayout kDude{390, 448, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{19, kDude, true, {760, 174, 30, 70}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down.
constexpr Spot kGladeLanding{250, 430}, kTerraceLanding{10, 240}, kCanopyWestLanding{100, 10},
    kCanopyEastLanding{480, 10}, kClearingLanding{705, 200};

constexpr Spot kCoins[] = {
    {265, 455}, {470, 445}, {700, 455},  // the glade
    {55, 445},                           // behind the west amphora
    {608, 395},                          // under the amphora by the store
    {478, 195},                          // under the terrace's amphora
    {200, 15},                           // the canopy walk
};
// The glade's ice cream is the first heart; the terrace's pays for the lever; the canopy's rewards
// the pocket's short cut.
constexpr Spot kFood[] = {{300, 430}, {40, 225}, {600, 10}};
constexpr Spot kHammers[] = {{200, 430}, {180, 225}, {330, 240}};
constexpr Spot kVases[] = {
    {560, 400},  // across the glade, before the store
    {260, 215},  // across the terrace
    {300, 5},    // across the canopy walk
    {120, 400},  // before the glade's west pocket
    {600, 215},  // before the terrace's east pocket
    {600, 370},  // by the store, a coin under it
    {470, 175},  // on the terrace's back edge, a coin under it
    {350, 175},  // on the terrace's back edge, empty
};
constexpr Spot kStores[] = {{650, 372}};
constexpr LeverPlacement kLevers[] = {{95, 112, 0}};
// The glade's east end up to the terrace; the terrace's to the canopy's west end; the old oak on the
// canopy (the lever's); the canopy's west end home; the terrace pocket past the canopy's amphora.
constexpr TeleporterPlacement kTeleporters[] = {
    {735, 405, kTerraceLanding.x, kTerraceLanding.y},
    {420, 228, kCanopyWestLanding.x, kCanopyWestLanding.y},
    {740, 5, kGladeLanding.x, kGladeLanding.y},
    {45, 5, kGladeLanding.x, kGladeLanding.y},
    {650, 225, kCanopyEastLanding.x, kCanopyEastLanding.y},
};

// The hollow oak's lever: the old oak's teleporter leads home, back to the terrace, or to the bow.
constexpr LeverEffect kOakToGlade[] = {exitOf(2, kGladeLanding.x, kGladeLanding.y)};
constexpr LeverEffect kOakToTerrace[] = {exitOf(2, kTerraceLanding.x, kTerraceLanding.y)};
constexpr LeverEffect kOakToClearing[] = {exitOf(2, kClearingLanding.x, kClearingLanding.y)};
constexpr LeverScript kLeverScripts[] = {{{kOakToGlade, kOakToTerrace, kOakToClearing}}};

// A spare hammer for a broken amphora too many, and a heart for the lever.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kGladeLanding),
    exitPad(kTerraceLanding),
    exitPad(kCanopyWestLanding),
    exitPad(kCanopyEastLanding),
    exitPad(kClearingLanding),
    kTeleporterPads,
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    // The bow in its clearing.
    picture(29, 760, 174, 0.95f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Icecream.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad5.bmp", 32, 16, kBlackKey}},
    {16, {"Art/Hammer5.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases13.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever5.bmp", 64, 64, kRedKey}},
    {22, {"Art/House5.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Bow.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 19;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.stores = kStores;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest19{&kLayout, &kObjects};
