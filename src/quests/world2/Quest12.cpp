// Quest 12, "Climb down the ladder.": the ladder pit lies right below the hall where the dude comes
// in, at the foot of a shaft with two gates of one lock. The first key opens the upper gate onto
// the landing between them, and the landing holds what the second key needs: the weight for the
// swing that reaches the east crypt, and the lever that frees the swing. A sign wall guards each
// key; the store sells the hearts the two levers take and the hammer for the landing's urn.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall along the top (its lever in an alcove of the back wall), the gate shaft from its floor
// down to the pit, the landing that leaves the shaft eastwards between the two gates, and the crypts
// along the bottom, parted at x 480. The pit's column ends in a floor of its own just above the
// crypts' ceiling, so nothing but the shaft leads into it.
constexpr HorizontalWall kUp[] = {
    {30, 530, 70}, {530, 600, 40}, {600, 800, 70},  // the hall's back wall and the lever's alcove
    {430, 800, 212},                                // the landing's
    {0, 800, 370},                                  // the crypts'
};
constexpr HorizontalWall kDown[] = {
    {30, 366, 170}, {430, 800, 170},  // the hall's edge, open over the shaft
    {430, 800, 275},                  // the landing's edge
    {366, 430, 360},                  // the pit's floor
};
constexpr VerticalWall kLeft[] = {
    {30, 70, 170},    // the hall's west end
    {366, 170, 360},  // the shaft and the pit
    {530, 40, 70},    // the lever's alcove
    {480, 370, 500},  // the crypts' partition, from the east
};
constexpr VerticalWall kRight[] = {
    {600, 40, 70},                     // the lever's alcove
    {430, 170, 212}, {430, 275, 360},  // the shaft above and below the landing
    {480, 370, 500},                   // the crypts' partition, from the west
};
constexpr DudeLayout kDude{390, 110, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{12, kDude, true, {392, 287, 10, 73}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the west crypt, the hall either side of the gate, and the
// hall's west end beyond its block.
constexpr Spot kWestCrypt{215, 440}, kHallEast{455, 110}, kHallWestEnd{75, 118}, kHallWest{325, 110};

enum Block : uint8_t { kSwingBlock = 0, kTeleporterBlock = 1, kPocketBlock = 2, kHomeBlock = 3 };

constexpr Spot kCoins[] = {
    {300, 100},  // the hall's
    {750, 100},  // the hall's east pocket, behind its block and an urn
    {255, 380},  // the west crypt's
    {20, 450},   // the key's nook
    {675, 230},  // the landing's, behind an urn
};
constexpr Spot kWeights[] = {{530, 235}, {680, 400}};  // the landing's; the east crypt's
constexpr Spot kHammers[] = {{240, 455}, {100, 455}};  // the west crypt's; the key's nook
constexpr Spot kVases[] = {
    {285, 385},  // before the west crypt's teleporter home
    {480, 208},  // across the landing
    {680, 70},   // the hall's east pocket
    {715, 372},  // the east crypt's teleporter corner, west of it
    {770, 436},  // and south of it
    {630, 208},  // before the landing's coin
};
// The gate shaft's two gates, one lock.
constexpr KeyPlacement kKeys[] = {onField(60, 445, kKey2), onField(640, 445, kKey2)};
constexpr DoorPlacement kDoors[] = {{375, 167, kKey2}, {375, 272, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {350, 400, kHorizontal, kPresent},  // before the west crypt's swing
    {110, 90, kHorizontal, kPresent},   // before the hall's teleporter
    {610, 90, kHorizontal, kPresent},   // the hall's east pocket
    {700, 210, kHorizontal, kPresent},  // before the landing's teleporter home
};
// The landing's lever past its weight; the hall's in the alcove of its back wall, out of the way of
// every walk along the hall.
constexpr LeverPlacement kLevers[] = {{560, 212, 1}, {543, 28, 1}};
constexpr CatapultPlacement kCatapults[] = {{385, 445, kThrowsRight}, {690, 445, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {
    {45, 75, kWestCrypt.x, kWestCrypt.y},        // the hall's west end, down to the west crypt
    {765, 372, kHallEast.x, kHallEast.y},        // the east crypt's corner, home
    {765, 212, kHallWestEnd.x, kHallWestEnd.y},  // the landing's far end, home
    {320, 372, kHallWest.x, kHallWest.y},        // the west crypt's, home
};
constexpr SuspWallPlacement kSignWalls[] = {{130, 385, 3, 1.3f}, {530, 385, 2, 1.3f}};
constexpr Spot kStores[] = {{470, 22}};

// The landing's lever: the swing below free, both blocks standing, or the way home free instead.
constexpr LeverEffect kFreeSwing[] = {vanish(kSwingBlock), appear(kHomeBlock)};
constexpr LeverEffect kLandingShut[] = {appear(kSwingBlock), appear(kHomeBlock)};
constexpr LeverEffect kFreeHome[] = {appear(kSwingBlock), vanish(kHomeBlock)};
// The hall's lever: its teleporter free, both blocks standing, or the east pocket free instead.
constexpr LeverEffect kFreeTeleporter[] = {vanish(kTeleporterBlock), appear(kPocketBlock)};
constexpr LeverEffect kHallShut[] = {appear(kTeleporterBlock), appear(kPocketBlock)};
constexpr LeverEffect kFreePocket[] = {appear(kTeleporterBlock), vanish(kPocketBlock)};
constexpr LeverScript kLeverScripts[] = {
    {{kFreeSwing, kLandingShut, kFreeHome}},
    {{kFreeTeleporter, kHallShut, kFreePocket}},
};

// The west crypt's swing: a hop along the crypt, over the partition before the east crypt's sign
// wall, or over the wall too. The east crypt's: a hop back, up onto the landing before the lower
// gate, or up into the hall.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(430, 440, 400), land(495, 440, 460), land(615, 440, 540)}},
    {{land(660, 440, 700), land(440, 212, 480), land(300, 110, 390)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 1, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kWestCrypt),
    exitPad(kHallEast),
    exitPad(kHallWestEnd),
    exitPad(kHallWest),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    each(Draw::SuspiciousWalls, 9, 1.3f, 1.2f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the sign wall's panel draws its signs from slot 7.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/SuspiciousButton.bmp", 32, 32, kBlackKey}},
    {9, {"Art/SuspiciousWall3.bmp", 64, 64, kNoColourKey}},
    {10, {"Art/Door11.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {18, {"Art/Vases5.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key5.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House2.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 12;
  q.coins = kCoins;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.suspiciousWalls = kSignWalls;
  q.stores = kStores;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest12{&kLayout, &kObjects};
