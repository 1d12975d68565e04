// Quest 11, "Find the entrance to the lower level.": the pyramid's hall, a gallery on top, a column
// down each side and a corridor below, with the sliding door in the back wall of a dais that only a
// catapult reaches. The horn in the gallery's far east slides the door up; three pots stand before
// it, and of the five hammers the way needs only two lie in the hall: the stores sell the rest.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The gallery (dude y 60 to 119) joins the two columns (x up to 43 and from 725); the corridor
// below (y from 421) is cut into four by three blocks; the dais before the door (y 290 to 367,
// x 110 to 661) is walked down from at its west end only and climbed onto from nowhere.
constexpr HorizontalWall kUp[] = {
    {0, 800, 60},                    // the gallery's ceiling
    {72, 378, 290}, {423, 725, 290},  // the dais's back wall, open at the door
    {72, 725, 421},                  // the corridor's ceiling: the dais is a step too high
};
constexpr HorizontalWall kDown[] = {
    {72, 725, 170},   // the gallery's floor
    {170, 690, 418},  // the dais's front edge, open at its west end
};
// Each column's inner wall in two lengths: beside the pyramid's wall and beside the dais.
constexpr VerticalWall kLeft[] = {{725, 170, 290}, {725, 290, 421}, {110, 290, 421}};
constexpr VerticalWall kRight[] = {{72, 170, 290}, {72, 290, 421}, {690, 290, 421}};
constexpr DudeLayout kDude{19, 441, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{11, kDude, true, {378, 264, 45, 26}};

// Objects, scripts and drawing.

// Where the teleporters put the dude: on the pads of the corridor's two middle parts and of the
// east column.
constexpr Spot kWestHall{330, 427}, kEastHall{440, 427}, kEastColumn{751, 360};

constexpr Spot kCoins[] = {
    {21, 305},                                // west column
    {324, 461}, {348, 461}, {336, 440},       // on the west hall's pad
    {434, 461}, {458, 461}, {446, 440},       // on the east hall's pad
    {746, 395}, {770, 395}, {758, 374},       // on the east column's pad
};
constexpr Spot kFood[] = {{13, 240}, {752, 240}};
constexpr Spot kWeights[] = {{275, 454}, {493, 454}, {670, 100}};
constexpr Spot kHammers[] = {{7, 360}, {743, 300}};
// The gallery's two pots part its west, middle and east rooms; each column's pot closes its top;
// the three before the door stand shoulder to shoulder.
constexpr Spot kVases[] = {{270, 78}, {518, 78}, {12, 150}, {750, 150}, {367, 296}, {398, 296}, {382, 296}};
// 0 closes the start, 1 parts the corridor under the door, 2 closes the east store's end.
constexpr BlockPlacement kBlocks[] = {
    {68, 441, kHorizontal, kPresent}, {385, 441, kHorizontal, kPresent}, {700, 441, kHorizontal, kPresent}};
constexpr LeverPlacement kLevers[] = {{114, 446, 0}, {644, 446, 0}};
constexpr CatapultPlacement kCatapults[] = {{180, 450, kThrowsRight}, {540, 450, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {
    {157, 90, kWestHall.x, kWestHall.y},      // the gallery's west room
    {395, 90, kEastColumn.x, kEastColumn.y},  // its middle room, between the pots
    {600, 90, kEastHall.x, kEastHall.y},      // its east room, with the horn
};
constexpr Spot kStores[] = {{10, 81}, {748, 432}};
// The door's threshold, until the horn has slid the door up.
constexpr LedgePlacement kLedges[] = {{0, 350, 290, 73, kActive}};

// Each lever moves the blocks beside it: the first position closes both, the second opens the way
// east, the third the way west.
constexpr LeverEffect kWestCloseBoth[] = {appear(0), appear(1)};
constexpr LeverEffect kWestOpenEast[] = {appear(0), vanish(1)};
constexpr LeverEffect kWestOpenWest[] = {vanish(0), appear(1)};
constexpr LeverEffect kEastCloseBoth[] = {appear(1), appear(2)};
constexpr LeverEffect kEastOpenEast[] = {appear(1), vanish(2)};
constexpr LeverEffect kEastOpenWest[] = {vanish(1), appear(2)};
constexpr LeverScript kLeverScripts[] = {
    {{kWestCloseBoth, kWestOpenEast, kWestOpenWest}},
    {{kEastCloseBoth, kEastOpenEast, kEastOpenWest}},
};
// The west catapult: onto the dais, over the middle block, over the east block to the store.
// The east one: over the middle block, to the door's foot, over the start's block.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(330, 365, 280), land(470, 427, 330), land(740, 427, 420)}},
    {{land(300, 427, 420), land(386, 365, 480), land(10, 427, 300)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 1, 1), once(Gift::Weight, 1, 2)}},
    {{once(Gift::Hammer, 2, 3), once(Gift::Heart, 1, 4), once(Gift::Hammer, 2, 5)}},
};

constexpr DrawLine kDrawing[] = {
    // The pads under the teleporters, then those they bring the dude to.
    picture(12, 152, 126, 1.4f, 1.4f),
    picture(12, 390, 126, 1.4f, 1.4f),
    picture(12, 595, 126, 1.4f, 1.4f),
    picture(12, 325, 473, 1.4f, 1.4f),
    picture(12, 435, 473, 1.4f, 1.4f),
    picture(12, 746, 406, 1.4f, 1.4f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Cheese.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing3.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer3.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases3.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House4.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Horn.bmp", 64, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 11;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.ledges = kLedges;
  q.horn = Spot{730, 95};
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest11{&kLayout, &kObjects};
