// Quest 15, "Find the entrance to the green cave.": the cave's mouth opens high in the cliff above
// the meadow, on a ledge the cave folk fenced with rows of green pots. Nobody walks up there: only
// the swing on the eastern terrace throws the dude onto the ledge, and only its middle throw lands
// between the pots. Its weight lies on the western terrace behind a boulder, and the western
// terrace's lever moves the boulders like a see-saw: one setting frees the weight, the other the
// way to the swing.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three floors one above the other: the meadow along the bottom, the terraces in the middle
// (parted by a hedge into the western and the eastern one) and the ledge at the top. The cave's
// mouth is a notch in the cliff behind the ledge.
constexpr int kMouthLeft = 325, kMouthRight = 385, kHedgeX = 400;
constexpr HorizontalWall kUp[] = {
    {0, 800, 400},                                 // behind the meadow
    {0, 800, 230},                                 // behind the terraces
    {0, kMouthLeft, 40}, {kMouthRight, 800, 40},  // the cliff behind the ledge, open at the mouth
};
constexpr HorizontalWall kDown[] = {{0, 800, 330}, {0, 800, 150}};  // the terraces' and the ledge's edge
constexpr VerticalWall kLeft[] = {{kHedgeX, 230, 330}, {kMouthLeft, 0, 40}};
constexpr VerticalWall kRight[] = {{kHedgeX, 230, 330}, {kMouthRight, 0, 40}};
constexpr DudeLayout kDude{128, 438, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{15, kDude, true, {325, 70, 60, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the meadow's pad, the western and the eastern terrace's,
// and the eastern ledge's beyond the pots.
constexpr Spot kMeadow{410, 430}, kWestTerrace{80, 240}, kEastTerrace{470, 240}, kEastLedge{620, 60};

constexpr Spot kCoins[] = {{230, 455}, {340, 455}, {330, 255}, {540, 255}};
constexpr Spot kFood[] = {{175, 440}};
constexpr Spot kWeights[] = {{270, 255}};
// The meadow's lever at the teleporter, the western terrace's at its far end.
constexpr LeverPlacement kLevers[] = {{480, 445, 1}, {0, 245, 1}};
constexpr CatapultPlacement kCatapults[] = {{680, 250, kThrowsLeft}};
// Three boulders: before the weight, before the meadow's western teleporter, before the swing.
enum Boulder : uint8_t { kWeightBoulder = 0, kMeadowBoulder = 1, kSwingBoulder = 2 };
constexpr BlockPlacement kBlocks[] = {
    {200, 232, kHorizontal, kPresent}, {55, 420, kHorizontal, kPresent}, {600, 232, kHorizontal, kPresent}};
constexpr TeleporterPlacement kTeleporters[] = {
    {580, 420, kMeadow.x, kMeadow.y},            // the meadow's, as its lever says
    {150, 260, kMeadow.x, kMeadow.y},            // home from the western terrace, off its back path
    {410, 238, kMeadow.x, kMeadow.y},            // home from the eastern terrace
    {20, 50, kMeadow.x, kMeadow.y},              // home from the western ledge
    {740, 50, kMeadow.x, kMeadow.y},             // home from the eastern ledge
    {5, 420, kEastTerrace.x, kEastTerrace.y},    // behind the meadow's boulder, up to the swing
};
// The pots: three west of the mouth, three east of it; no hammer is to be had.
constexpr Spot kVases[] = {{228, 40}, {392, 40}, {260, 40}, {424, 40}, {292, 40}, {456, 40}};
constexpr Spot kStores[] = {{280, 404}};

constexpr LeverEffect kToWestTerrace[] = {exitOf(0, kWestTerrace.x, kWestTerrace.y)};
constexpr LeverEffect kToMeadow[] = {exitOf(0, kMeadow.x, kMeadow.y)};
constexpr LeverEffect kToEastLedge[] = {exitOf(0, kEastLedge.x, kEastLedge.y)};
// The see-saw: the weight's boulder and the swing's are never down together.
constexpr LeverEffect kFreeTheWeight[] = {vanish(kWeightBoulder), vanish(kMeadowBoulder), appear(kSwingBoulder)};
constexpr LeverEffect kAllStand[] = {appear(kWeightBoulder), appear(kMeadowBoulder), appear(kSwingBoulder)};
constexpr LeverEffect kFreeTheSwing[] = {appear(kWeightBoulder), vanish(kMeadowBoulder), vanish(kSwingBoulder)};
constexpr LeverScript kLeverScripts[] = {
    {{kToWestTerrace, kToMeadow, kToEastLedge}},
    {{kFreeTheWeight, kAllStand, kFreeTheSwing}},
};
// Every throw rises to the ledge's height over the eastern terrace's west end, then glides west
// along the ledge: short of the eastern pots, between the pots into the mouth, or past the western ones.
constexpr int kLedgeY = 70, kTurnX = 530;
constexpr CatapultScript kCatapultScripts[] = {
    {{land(520, kLedgeY, kTurnX), land(340, kLedgeY, kTurnX), land(120, kLedgeY, kTurnX)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Weight, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kMeadow),
    exitPad(kWestTerrace),
    exitPad(kEastTerrace),
    exitPad(kEastLedge),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Chocolate.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block11.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {18, {"Art/Vases9.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 15;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.vasesArePots = true;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest15{&kLayout, &kObjects};
