// Quest 58, "Break the vase to find the entrance.": the stairs down lie just over the start, but
// an urn stands on them and the hall holds no hammer. The hammers lie in the east room and in the
// west wing, and both wings come home to the hall only through a corridor with an urn that takes a
// hammer: the dude must come home holding two. The hall's lever sends the east room's teleporter
// into the west wing, whose lever lowers the crates before its hammer; or the east wing's keeper
// sells the second hammer.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall (dude y from 300) with the stairs' shaft over the start; the west and east wings beyond
// thick rock, each joined to the hall by a low corridor (dude y 380 to 389). The hall's lever stands
// in a niche in its back wall. Four rooms above them are reached only by the swing and
// by teleporters: the west and east rooms over the wings, two narrow ones beside the shaft.
constexpr HorizontalWall kUp[] = {
    {0, 250, 300},   {295, 360, 300},  {440, 800, 300},  // the floors' back walls
    {250, 295, 255},                                     // the hall's lever niche
    {360, 440, 220},                                     // the shaft's top, at the stairs
    {180, 220, 380}, {580, 620, 380},                    // the corridors' ceilings
    {45, 180, 100},  {620, 755, 100},                    // the rooms over the wings
    {0, 45, 60},     {755, 800, 60},                     // the rooms' alcoves
};
constexpr HorizontalWall kDown[] = {
    {180, 220, 440}, {580, 620, 440},                  // the corridors' floors
    {0, 180, 300},   {620, 800, 300},                  // the rooms over the wings
    {220, 340, 250}, {460, 580, 250},                  // the rooms beside the shaft
};
constexpr VerticalWall kLeft[] = {
    {220, 300, 380}, {220, 440, 500},  // the hall's west side, open at the corridor
    {620, 100, 380}, {620, 440, 500},  // the east wing's and its room's west side
    {360, 220, 300},                   // the shaft
    {250, 255, 300},                   // the hall's niche
    {755, 60, 100},                    // the east room's alcove
    {220, 0, 250},   {460, 0, 250},    // the rooms beside the shaft
};
constexpr VerticalWall kRight[] = {
    {180, 100, 380}, {180, 440, 500},  // the west wing's and its room's east side
    {580, 300, 380}, {580, 440, 500},  // the hall's east side, open at the corridor
    {440, 220, 300},                   // the shaft
    {295, 255, 300},                   // the hall's niche
    {45, 60, 100},                     // the west room's alcove
    {340, 0, 250},   {580, 0, 250},    // the rooms beside the shaft
};
constexpr DudeLayout kDude{391, 385, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{58, kDude, true, {374, 230, 63, 38}};

// Objects, scripts and drawing.

// Where teleporters set the dude down.
constexpr Spot kEastWing{740, 400}, kWestWing{40, 400}, kNorthRoom{230, 150}, kWestRoom{20, 150};

constexpr Spot kCoins[] = {
    {270, 420}, {540, 420},  // the hall
    {770, 70},               // the east room's alcove
    {760, 430}, {650, 430},  // the east wing, either side of its crates
    {262, 160}, {10, 70},    // the north room and the west room's alcove
};
constexpr Spot kFood[] = {{320, 410}, {735, 360}, {60, 360}};
constexpr Spot kHammers[] = {{700, 180}, {140, 330}};
// The urn on the stairs, then the west and east corridors' urns.
constexpr Spot kVases[] = {{384, 262}, {186, 370}, {586, 370}};
enum Crate : uint8_t { kWest0, kWest1, kWest2, kEast0, kEast1 };
constexpr BlockPlacement kBlocks[] = {
    // Across the west wing, between its landing and its hammer and corridor.
    {95, 310, kHorizontal, kPresent}, {95, 370, kHorizontal, kPresent}, {95, 430, kHorizontal, kPresent},
    // Across the east wing, between its landing and its keeper and corridor.
    {690, 330, kHorizontal, kPresent}, {690, 420, kHorizontal, kPresent},
};
constexpr TeleporterPlacement kTeleporters[] = {
    {625, 120, kEastWing.x, kEastWing.y},    // the east room's, where the hall's lever says
    {300, 120, kWestRoom.x, kWestRoom.y},    // the north room's, on to the west room
    {130, 120, kWestWing.x, kWestWing.y},    // the west room's, down into the west wing
    {540, 120, kNorthRoom.x, kNorthRoom.y},  // the narrow east room's, over to the north room
};
// The wings' levers stand against their back walls, above the walk from the landings to the crates.
constexpr LeverPlacement kLevers[] = {{0, 300, 0}, {250, 255, 0}, {755, 300, 0}};
constexpr CatapultPlacement kCatapults[] = {{480, 400, kThrowsRight}};
constexpr Spot kStores[] = {{240, 330}, {640, 310}};

constexpr LeverEffect kWestCratesStand[] = {appear(kWest0), appear(kWest1), appear(kWest2)};
constexpr LeverEffect kWestCratesGo[] = {vanish(kWest0), vanish(kWest1), vanish(kWest2)};
constexpr LeverEffect kToEastWing[] = {exitOf(0, kEastWing.x, kEastWing.y)};
constexpr LeverEffect kToWestWing[] = {exitOf(0, kWestWing.x, kWestWing.y)};
constexpr LeverEffect kToNorthRoom[] = {exitOf(0, kNorthRoom.x, kNorthRoom.y)};
constexpr LeverEffect kEastCratesStand[] = {appear(kEast0), appear(kEast1)};
constexpr LeverEffect kEastCratesGo[] = {vanish(kEast0), vanish(kEast1)};
constexpr LeverScript kLeverScripts[] = {
    {{kWestCratesStand, kWestCratesGo, kWestCratesGo}},
    {{kToEastWing, kToWestWing, kToNorthRoom}},
    {{kEastCratesStand, kEastCratesGo, kEastCratesGo}},
};

// Into the east room by its teleporter, onto its hammer, or into the narrow room beside the shaft.
constexpr CatapultScript kCatapultScripts[] = {{{land(660, 150, 640), land(700, 150, 680), land(500, 150, 490)}}};
// The hall's keeper sells the swing's weight; the east wing's a hammer, for one who came home there.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Weight, 2, 0), once(Gift::Heart, 1, 1), {Gift::None, 0, 0, 0}}},
    {{once(Gift::Hammer, 3, 2), once(Gift::Heart, 1, 3), {Gift::None, 0, 0, 0}}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kEastWing),
    exitPad(kWestWing),
    exitPad(kNorthRoom),
    exitPad(kWestRoom),
    kTeleporterPads,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
    each(Draw::Vases, 18, 1.0f, 1.0f),
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Food7.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad10.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block21.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing6.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer4.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases20.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever4.bmp", 64, 64, kRedKey}},
    {22, {"Art/House12.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 58;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest58{&kLayout, &kObjects};
