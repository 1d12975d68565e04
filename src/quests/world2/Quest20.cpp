// Quest 20, "Reach the cave of mystery!": a mountain of three terraces, the cave mouth on the top one.
// Four keys open four gates in turn: the swing throws the dude over the valley's tree to the gold key
// and the first gate; the crate lever opens either the nook of the blue key or the foot of the
// shaft above, never both; the axe fells the tree before the orange key; and the green key waits in
// a pen by the start that only the watch room's teleporter reaches, once its lever points there.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The valley runs along the bottom, the ledge across the middle, the top terrace under the summit.
// Shaft 1 (x 60-105) climbs from the valley to the ledge, shaft 2 (x 0-45) from the ledge to the
// top. Each lever stands in a notch of the cliff above its terrace, out of the way of a walk past;
// the watch room's teleporter shares its lever's notch, since one in the room would catch every walk
// from gate to gate.
constexpr HorizontalWall kUp[] = {
    {0, 60, 400},   {105, 800, 400},                    // the valley's cliff
    {45, 200, 235}, {200, 245, 190}, {245, 800, 235},   // the ledge's cliff and the crate lever's notch
    {0, 380, 99},   {380, 470, 55},  {470, 600, 99},    // the summit and the watch room's notch
    {600, 685, 70},                                     // the cave mouth
};
constexpr HorizontalWall kDown[] = {
    {0, 60, 330}, {105, 800, 330},  // the ledge's edge
    {45, 800, 190},                 // the top terrace's edge
};
constexpr VerticalWall kLeft[] = {
    {60, 330, 400},   // shaft 1
    {200, 190, 235},  // the crate lever's notch
    {380, 55, 99},    // the watch room's notch
    {600, 70, 99},    // the cave mouth
    {715, 400, 500},  // the pen's fence behind its crate
};
constexpr VerticalWall kRight[] = {
    {105, 330, 400},  // shaft 1
    {45, 190, 235},   // shaft 2
    {245, 190, 235},  // the crate lever's notch
    {470, 55, 99},    // the watch room's notch
    {685, 70, 190},   // the top terrace ends at the cave
};
constexpr DudeLayout kDude{630, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{20, kDude, true, {611, 120, 63, 30}};

// Objects, scripts and drawing.

// Key kinds: gold and blue as everywhere; the orange key takes the third kind, the green one the
// special key's (its gate asks for it with that picture).
constexpr uint8_t kOrange = kKey3, kGreen = kSpecialKey;

enum Crate : uint8_t { kNookCrate = 0, kShaftCrate = 1, kPenCrate = 2 };

constexpr Spot kFood[] = {{560, 440}, {120, 245}, {400, 245}};
constexpr Spot kWeights[] = {{500, 455}, {470, 455}};
constexpr Spot kAxes[] = {{520, 245}};
// Tree 0 parts the valley; tree 1 stands before the orange key on the ledge.
constexpr Spot kTrees[] = {{250, 400}, {600, 220}};
// The green key is last in the list: it opens the last gate, right after it is found.
constexpr KeyPlacement kKeys[] = {
    onField(20, 445, kKey), onField(460, 250, kKey2), onField(700, 250, kOrange), onField(720, 445, kGreen),
};
// Shaft 1's gate, shaft 2's gate, then the two gates of the top terrace.
constexpr DoorPlacement kDoors[] = {{60, 345, kKey}, {0, 190, kKey2}, {300, 146, kOrange}, {540, 146, kGreen}};
constexpr BlockPlacement kBlocks[] = {
    {330, 240, kHorizontal, kPresent},  // before the blue key's end of the ledge
    {5, 240, kHorizontal, kPresent},    // at the foot of shaft 2
    {680, 425, kHorizontal, kPresent},  // the pen by the start
};
constexpr LeverPlacement kLevers[] = {{200, 190, 2}, {380, 55, 2}};
constexpr CatapultPlacement kCatapults[] = {{380, 445, kThrowsLeft}};
// The pen's teleporter leads up to the watch room; the watch room's goes where its lever says.
constexpr Spot kWatchRoomArrival{350, 125};
constexpr Spot kLedgeArrival{150, 240}, kValleyArrival{150, 445}, kPenArrival{715, 445};
constexpr TeleporterPlacement kTeleporters[] = {
    {750, 430, kWatchRoomArrival.x, kWatchRoomArrival.y},
    {440, 50, kLedgeArrival.x, kLedgeArrival.y},
};

// The crate lever: the nook open and the shaft shut, the shaft open and the nook shut, or both shut.
constexpr LeverEffect kOpenNook[] = {vanish(kNookCrate), appear(kShaftCrate)};
constexpr LeverEffect kOpenShaft[] = {appear(kNookCrate), vanish(kShaftCrate)};
constexpr LeverEffect kShutBoth[] = {appear(kNookCrate), appear(kShaftCrate)};
// The watch lever: its teleporter to the valley below the first gate, into the pen, or to the ledge.
constexpr LeverEffect kToValley[] = {exitOf(1, kValleyArrival.x, kValleyArrival.y)};
constexpr LeverEffect kToPen[] = {exitOf(1, kPenArrival.x, kPenArrival.y)};
constexpr LeverEffect kToLedge[] = {exitOf(1, kLedgeArrival.x, kLedgeArrival.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kOpenNook, kOpenShaft, kShutBoth}},
    {{kToValley, kToPen, kToLedge}},
};

// Short of the tree, over it, or over it to the far end of the valley.
constexpr CatapultScript kCatapultScripts[] = {{{land(320, 445, 380), land(150, 445, 300), land(100, 445, 260)}}};

constexpr DrawLine kDrawing[] = {
    picture(12, kWatchRoomArrival.x - 5, kWatchRoomArrival.y + 33, 1.4f, 1.4f),
    kTeleporterPads,
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Keys, kOrange, 1.0f, 1.0f),
    each(Draw::Keys, kGreen, 1.0f, 1.0f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    one(Draw::Doors, 24, 3, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Drink4.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {11, {"Art/Door4.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block13.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing7.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Axe2.bmp", 64, 64, kRedKey}},
    {18, {"Art/Tree4.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {20, {"Art/Key6.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever3.bmp", 64, 64, kRedKey}},
    {24, {"Art/Door8.bmp", 32, 32, kBlackKey}},
    {28, {"Art/Key5.bmp", 16, 32, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 20;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kAxes;
  q.vases = kTrees;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest20{&kLayout, &kObjects};
