// Quest 55, "Open the blue door.": the crystal cave's sealed door stands right above the start, and
// its key is sold in the gallery's store for four of the cave's five coins. The coins lie in the
// hall, the west room, the east room and the gallery, joined only by four beams. The hall's lever
// sends the hall's beam to the east room, the east room's lever sends its beam up to the gallery,
// and since the gallery's beam lands back in the east room, that lever must be thrown a second time
// to come home. Every throw costs a heart: the three chocolates pay for three throws exactly.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three bands: the hall along the bottom (dude y 385 to 449) with the door's shaft rising from its
// middle to the doorway, the west and east rooms in the middle (200 to 284) on either side of the
// shaft, and the gallery at the top (45 to 121). The west room ends in a drop into the hall, a way
// down only; the east room has an edge, so only beams leave it. The hall has an alcove at each end
// (the beam's, the lever's) and the east room one for its lever, all entered from below so that
// walking past them touches neither beam nor lever.
constexpr HorizontalWall kUp[] = {
    {0, 400, 385}, {445, 800, 385},  // the hall's back, open at the door's shaft
    {0, 350, 200}, {505, 800, 200},  // the west and east rooms' back walls, clear of the doorway
    {400, 445, 179},                 // the doorway's back, behind the gatehouse
    {0, 800, 45},                    // the gallery's back
};
constexpr HorizontalWall kDown[] = {
    {445, 800, 335},  // the east room's edge
    {0, 800, 172},  // the gallery's edge, above the doorway's gatehouse
};
constexpr VerticalWall kLeft[] = {
    {400, 307, 385},  // the shaft
    {505, 200, 335},  // the east room's west end
    {100, 385, 420},  // the hall's beam alcove
    {700, 385, 420},  // the hall's lever alcove
    {720, 200, 235},  // the east room's lever alcove
};
constexpr VerticalWall kRight[] = {
    {445, 307, 385},  // the shaft
    {350, 200, 385},  // the west room's east end and its drop, short of the doorway and the door
    {100, 385, 420},
    {700, 385, 420},
    {720, 200, 235},
};
constexpr DudeLayout kDude{411, 440, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{55, kDude, true, {396, 275, 63, 30}};

// Objects, scripts and drawing.

// Where the beams set the dude down: the hall, the west room, the east room, the gallery.
constexpr Spot kHall{250, 430}, kWestRoom{200, 230}, kEastRoom{575, 230}, kGallery{150, 80};

constexpr Spot kCoins[] = {{600, 450}, {100, 250}, {610, 215}, {680, 255}, {560, 95}};
// No chocolate in the hall: the first heart is the west room's, which the hall's beam reaches as it
// stands; the gallery's pays for the east lever's second throw.
constexpr Spot kFood[] = {{300, 215}, {640, 250}, {250, 95}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
constexpr DoorPlacement kDoors[] = {{400, 300, kKey2}};
constexpr LeverPlacement kLevers[] = {{740, 388, 0}, {750, 203, 0}};
constexpr TeleporterPlacement kTeleporters[] = {
    {35, 388, kWestRoom.x, kWestRoom.y},  // 0: the hall's, as the hall's lever says
    {30, 205, kHall.x, kHall.y},          // 1: the west room's, home (as the drop is)
    {515, 205, kHall.x, kHall.y},         // 2: the east room's, as the east room's lever says
    {740, 50, kEastRoom.x, kEastRoom.y},  // 3: the gallery's, back to the east room
};
constexpr Spot kStores[] = {{380, 57}};

constexpr LeverEffect kHallToWest[] = {exitOf(0, kWestRoom.x, kWestRoom.y)};
constexpr LeverEffect kHallToEast[] = {exitOf(0, kEastRoom.x, kEastRoom.y)};
constexpr LeverEffect kHallToHall[] = {exitOf(0, kHall.x, kHall.y)};
constexpr LeverEffect kEastToHall[] = {exitOf(2, kHall.x, kHall.y)};
constexpr LeverEffect kEastToGallery[] = {exitOf(2, kGallery.x, kGallery.y)};
constexpr LeverEffect kEastToWest[] = {exitOf(2, kWestRoom.x, kWestRoom.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kHallToWest, kHallToEast, kHallToHall}},
    {{kEastToHall, kEastToGallery, kEastToWest}},
};
// The key leaves one coin: a heart for a player who has thrown a lever once too often.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), keyOnce(Gift::Key, 4, 1, 0), once(Gift::Heart, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kHall),
    exitPad(kWestRoom),
    exitPad(kEastRoom),
    exitPad(kGallery),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the key the store sells shows in the bar from slot 19.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Chocolate.bmp", 32, 64, kBlackKey}},
    {11, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad9.bmp", 32, 16, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House9.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 55;
  q.coins = kCoins;
  q.food = kFood;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest55{&kLayout, &kObjects};
