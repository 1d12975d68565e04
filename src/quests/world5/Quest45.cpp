// Quest 45, the gem of power: the gem stands on its pedestal above the gallery, and two ways lead
// up to it — the door, whose key the gallery's store sells, or the gallery's swing, which wants a
// second weight from behind an amphora. Four slabs bar the way, each lever lowers one of them for
// a heart, and the hall's store sells the hearts: ten coins pay for the hearts, the hammer, the
// key or the weight, never all of them.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three tiers. The hall at the bottom and the gallery above it are parted by a solid floor: only
// the hall's swing crosses it. The gallery's back wall has one gap, under the pedestal, where the
// door stands. Short walls hang into the hall (at the east room) and the gallery (at its west end
// and east end); a slab closes the gap under each.
constexpr int kTopY = 40, kGalleryY = 200, kHallY = 350;
constexpr int kGapWest = 375, kGapEast = 430;
constexpr int kPedestalX = 365;
constexpr HorizontalWall kUp[] = {
    {0, kPedestalX, kTopY}, {kPedestalX, 800, kTopY},       // the sanctum's back wall
    {0, kGapWest, kGalleryY}, {kGapEast, 800, kGalleryY},   // the gallery's back wall, the door's gap
    {0, 520, kHallY}, {520, 800, kHallY},                   // the hall's ceiling
};
constexpr HorizontalWall kDown[] = {{0, 520, kHallY}, {520, 800, kHallY}};  // the gallery's floor
constexpr VerticalWall kSides[] = {
    {520, kHallY, 420},      // the east room's wall
    {200, kGalleryY, 250},   // the west end's wall
    {480, kGalleryY, 250},   // the east end's wall
};
constexpr DudeLayout kDude{382, 445, 0, kUp, kDown, kSides, kSides};
constexpr QuestLayout kLayout{45, kDude, true, {365, 80, 65, 30}};

// Objects, scripts and drawing.

constexpr Spot kCoins[] = {
    {260, 440}, {330, 440}, {450, 440},  // the hall, around the start
    {15, 440},                           // the hall's west corner, behind an amphora
    {600, 380},                          // the east room
    {620, 290},                          // the gallery's east end
    {360, 300},                          // the gallery, below the door
    {260, 300},                          // the gallery, before the store
    {150, 290}, {30, 215},               // the west end; the second behind an amphora
};
constexpr Spot kHammers[] = {{150, 420}, {150, 215}};  // the hall; the west end
constexpr Spot kWeights[] = {{600, 430}, {760, 215}};  // the east room; the gallery's east corner
// Before the swing in the east room; before the east corner's weight; before the west end's coin;
// before the hall's corner coin.
constexpr Spot kVases[] = {{650, 393}, {700, 243}, {70, 243}, {60, 393}};
enum Slab : uint8_t { kEastRoom = 0, kWestEnd = 1, kEastEnd = 2, kStore = 3 };
// The slabs under the walls stand a little west of them, so that they also stop a dude who would
// straddle a wall's line and climb up past its end.
constexpr BlockPlacement kBlocks[] = {
    {516, 420, kHorizontal, kPresent},  // under the east room's wall
    {196, 255, kHorizontal, kPresent},  // under the west end's wall
    {476, 255, kHorizontal, kPresent},  // under the east end's wall
    {320, 250, kHorizontal, kPresent},  // across the gallery, before its store
};
// The hall's lever in the ceiling's shadow, the gallery's beside the door's gap, the east end's in
// its corner, the west end's in its corner: none on a walking line.
constexpr LeverPlacement kLevers[] = {{200, 352, 1}, {435, 200, 1}, {755, 300, 1}, {5, 300, 1}};
// The hall's swing throws the dude up into the gallery's east end; the gallery's throws left.
constexpr CatapultPlacement kCatapults[] = {{700, 380, kThrowsLeft}, {600, 205, kThrowsLeft}};
constexpr Spot kStores[] = {{110, 380}, {240, 205}};  // the hall's, the gallery's
constexpr KeyPlacement kKeys[] = {soldByStore(kKey)};
constexpr DoorPlacement kDoors[] = {{380, 165, kKey}};

// Every lever lowers its own slab; one of its positions also moves a second slab, so reading the
// levers saves a heart.
constexpr LeverEffect kEastRoomDown[] = {vanish(kEastRoom)};
constexpr LeverEffect kEastRoomUp[] = {appear(kEastRoom)};
constexpr LeverEffect kEastRoomAndEndDown[] = {vanish(kEastRoom), vanish(kEastEnd)};
constexpr LeverEffect kStoreDown[] = {vanish(kStore)};
constexpr LeverEffect kStoreUp[] = {appear(kStore)};
constexpr LeverEffect kStoreAndWestDown[] = {vanish(kStore), vanish(kWestEnd)};
constexpr LeverEffect kEastEndDown[] = {vanish(kEastEnd)};
constexpr LeverEffect kEastEndUp[] = {appear(kEastEnd)};
constexpr LeverEffect kEastEndDownRoomUp[] = {vanish(kEastEnd), appear(kEastRoom)};
constexpr LeverEffect kWestEndDown[] = {vanish(kWestEnd)};
constexpr LeverEffect kWestEndUp[] = {appear(kWestEnd)};
constexpr LeverEffect kWestEndDownStoreUp[] = {vanish(kWestEnd), appear(kStore)};
constexpr LeverScript kLeverScripts[] = {
    {{kEastRoomDown, kEastRoomUp, kEastRoomAndEndDown}},
    {{kStoreDown, kStoreUp, kStoreAndWestDown}},
    {{kEastEndDown, kEastEndUp, kEastEndDownRoomUp}},
    {{kWestEndDown, kWestEndUp, kWestEndDownStoreUp}},
};
// The hall's swing: into the gallery's east end, short back down into the east room, or long over
// the east end's wall into the gallery's middle. The gallery's: a hop along the east end, onto the
// pedestal, or short of it into the sanctum's east half, a weight spent for nothing.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(540, 255, 600), land(600, 440, 680), land(420, 290, 600)}},
    {{land(560, 255, 600), land(390, 85, 480), land(520, 100, 560)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 2, 2)}},
    {{keyOnce(Gift::Key, 4, 3, 0), once(Gift::Weight, 3, 4), once(Gift::Heart, 1, 5)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Gem, 29, 0.75f, 0.75f),
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {13, {"Art/Block19.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases18.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House8.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Gem4.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 45;
  q.coins = kCoins;
  q.hammers = kHammers;
  q.weights = kWeights;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.stores = kStores;
  q.gem = Spot{385, 56};
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest45{&kLayout, &kObjects};
