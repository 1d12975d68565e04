// Quest 44, "Find the lowest level.": the tomb's last hall steps down in terraces towards the
// entrance, and every terrace's edge is a drop nobody climbs back. Only the beams lift, and every
// beam lifts straight up to the pad above it; a beam that stands under another beam hands the dude
// on to the next, so the beam in the hall's east corner carries him past the middle terrace's
// brick wall to the top. The stairs down wait in a walled room that no beam reaches: the east
// room's swing throws the dude in, and only the gallery's swing throws him to the east room, so he
// must carry two weights there, the east side's (behind an amphora) and the one the store sells.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Four terraces, each a one-way drop onto the next: the top (the west room, the stairs' room and
// the east room, split in two), the middle terrace (the west balcony, the middle, the east side),
// the gallery and the entrance hall. A wall down the east side keeps the east rooms and the crypt
// apart from the middle; the west balcony has a parapet, so its only way off is its beam.
constexpr int kTopY = 40, kMiddleY = 150, kGalleryY = 240, kHallY = 350;
constexpr int kStairsWest = 330, kStairsEast = 500, kEastRoomsX = 680, kBalconyX = 200, kEastSideX = 600;
constexpr HorizontalWall kUp[] = {
    {0, kStairsWest, kTopY}, {kStairsWest, kStairsEast, kTopY}, {kStairsEast, 800, kTopY},  // the top rooms
    {0, 800, kMiddleY},                                                                     // the top's edge
    {0, kBalconyX, kGalleryY}, {kBalconyX, kEastSideX, kGalleryY}, {kEastSideX, 800, kGalleryY},
    {0, kEastSideX, kHallY}, {kEastSideX, 800, kHallY},
};
constexpr HorizontalWall kDown[] = {{0, kBalconyX, kGalleryY}};  // the balcony's parapet
constexpr VerticalWall kSides[] = {
    {kStairsWest, kTopY, kMiddleY}, {kStairsEast, kTopY, kMiddleY}, {kEastRoomsX, kTopY, kMiddleY},
    {kBalconyX, kMiddleY, kGalleryY}, {kEastSideX, kMiddleY, 500},
};
constexpr DudeLayout kDude{412, 443, 0, kUp, kDown, kSides, kSides};
constexpr QuestLayout kLayout{44, kDude, true, {396, 90, 62, 30}};

// Objects, scripts and drawing.

// Where each beam sets the dude down: straight above it, on the next pad up. A beam whose exit is
// another beam's spot passes the dude on.
constexpr TeleporterPlacement kTeleporters[] = {
    {100, 420, 100, 300},  // the hall's west beam, on through the gallery's
    {100, 300, 100, 160},  // the gallery's west beam: onto the balcony
    {150, 160, 150, 80},   // the balcony's: into the west room
    {300, 420, 300, 300},  // the hall's: into the gallery
    {360, 420, 360, 300},  // the hall's beside the start, on through the gallery's
    {360, 300, 360, 170},  // the gallery's: onto the middle terrace, west of the bricks
    {230, 170, 230, 80},   // the middle terrace's west beam: into the west room
    {540, 420, 540, 170},  // the hall's east beam, on through the middle terrace's
    {540, 170, 540, 80},   // the middle terrace's east beam, behind the bricks: into the east room
    {610, 420, 610, 300},  // the crypt's, on through the east side's two beams
    {610, 300, 610, 170},
    {610, 170, 610, 80},   // into the east room's west half
};
// The bare pads: the beams' landing spots that no beam stands on.
constexpr Spot kBarePads[] = {{100, 160}, {150, 80}, {300, 300}, {360, 170}, {230, 80}, {540, 80}, {610, 80}};

constexpr Spot kCoins[] = {
    {250, 400},  // in the hall
    {200, 305},  // in the gallery
    {125, 172},  // on the balcony
    {60, 95},    // in the west room
};
constexpr Spot kFood[] = {
    {460, 385},  // in the hall: the first heart
    {210, 195},  // in the middle terrace's west corner, below the west room's edge
};
constexpr Spot kWeights[] = {{750, 195}};  // on the east side's terrace, behind an amphora
// Across the middle terrace, between its landing and its west corner; across the east side's
// terrace, before the weight.
constexpr Spot kVases[] = {{290, 185}, {700, 185}};
// The middle terrace's brick wall, between the gallery's landing and the east room's beam.
constexpr BlockPlacement kBlocks[] = {{440, 190, kHorizontal, kPresent}};
// The gallery's swing throws right, the east room's throws left, over the stairs' room.
constexpr CatapultPlacement kCatapults[] = {{440, 290, kThrowsRight}, {690, 85, kThrowsLeft}};
constexpr Spot kStores[] = {{200, 365}};

// The gallery's swing: a hop along the gallery, over the east wall onto the east side, or up into
// the east room's east half. The east room's: back over its wall, into the stairs' room, or over
// it into the west room.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(540, 290, 490), land(700, 290, 600), land(740, 80, 700)}},
    {{land(600, 80, 700), land(410, 70, 700), land(200, 80, 700)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Weight, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kBarePads[0]),
    exitPad(kBarePads[1]),
    exitPad(kBarePads[2]),
    exitPad(kBarePads[3]),
    exitPad(kBarePads[4]),
    exitPad(kBarePads[5]),
    exitPad(kBarePads[6]),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the store sells a hammer, so slot 16 holds one for the bar.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Chocolate.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad2.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block19.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases18.bmp", 32, 64, kBlackKey}},
    {22, {"Art/House7.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 44;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest44{&kLayout, &kObjects};
