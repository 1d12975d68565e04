#include "quests/QuestObjects.h"
#include "quests/world4/World4Quests.h"

// World 1's quests, one namespace each: the objects the setup places, what the levers, catapults
// and stores do, and the drawing routine. Lists are in the order the quest's arrays hold them.

namespace {

// Key kinds are the sprite slots that draw them.
constexpr uint8_t kKey = 7, kKey2 = 19, kKey3 = 20, kSpecialKey = 28;
constexpr uint8_t kThrowsLeft = 1, kThrowsRight = 2;
constexpr bool kHorizontal = true, kVertical = false;
constexpr bool kPresent = true, kAbsent = false;
constexpr bool kActive = true, kInactive = false;

// A key that lies nowhere on the field: the entry only names the kind of the key a store sells.
constexpr KeyPlacement soldByStore(uint8_t kind) { return {0, 0, kind, false}; }
constexpr KeyPlacement onField(int x, int y, uint8_t kind) { return {x, y, kind, true}; }
constexpr DoorPlacement kEmptyDoor{0, 0, 0};

constexpr LeverEffect appear(uint8_t block) { return {Effect::BlockAppear, block, 0, 0}; }
constexpr LeverEffect vanish(uint8_t block) { return {Effect::BlockVanish, block, 0, 0}; }
constexpr LeverEffect appearUnlessLeverAt(uint8_t block, int lever, int position) {
  return {Effect::BlockAppearUnlessLeverAt, block, lever, position};
}
constexpr LeverEffect allExits(int x, int y) { return {Effect::AllExits, 0, x, y}; }
constexpr LeverEffect exitOf(uint8_t teleporter, int x, int y) {
  return {Effect::TeleporterExit, teleporter, x, y};
}
constexpr LeverEffect moveTeleporter(uint8_t teleporter, int x, int y) {
  return {Effect::TeleporterEntry, teleporter, x, y};
}
constexpr LeverEffect movePad(int x, int y) { return {Effect::MovePad, 0, x, y}; }
constexpr LeverEffect moveLadder(uint8_t ladder, int x, int y) { return {Effect::MoveLadder, ladder, x, y}; }
constexpr LeverEffect ledgeOn(uint8_t ledge) { return {Effect::LedgeOn, ledge, 0, 0}; }
constexpr LeverEffect ledgeOff(uint8_t ledge) { return {Effect::LedgeOff, ledge, 0, 0}; }
constexpr LeverEffect moveFood(uint8_t food, int x, int y) { return {Effect::MoveFood, food, x, y}; }

constexpr Throw land(int x, int y, int turnX) { return {x, y, turnX, false, 0, 0}; }
constexpr Throw landOverPlateau(int x, int y, int turnX, int minY, int dropX) {
  return {x, y, turnX, true, minY, dropX};
}

constexpr Offer once(Gift gift, uint8_t price, int8_t stock) { return {gift, price, stock, 0}; }
constexpr Offer keyOnce(Gift gift, uint8_t price, int8_t stock, uint8_t keySlot) {
  return {gift, price, stock, keySlot};
}
constexpr Offer whileNotHeld(Gift gift, uint8_t price, uint8_t keySlot) { return {gift, price, -1, keySlot}; }

// Every present object of a kind at its own position (plus an offset).
constexpr DrawLine each(Draw what, int slot, float scaleX, float scaleY, int offsetX = 0, int offsetY = 0) {
  return {what, slot, scaleX, scaleY, -1, offsetX, offsetY, std::nullopt, 0};
}
// One object of a kind, at its own position.
constexpr DrawLine one(Draw what, int slot, int index, float scaleX, float scaleY) {
  return {what, slot, scaleX, scaleY, index, 0, 0, std::nullopt, 0};
}
// One object of a kind, drawn at a fixed spot.
constexpr DrawLine oneAt(Draw what, int slot, int index, int x, int y, float scaleX, float scaleY) {
  return {what, slot, scaleX, scaleY, index, 0, 0, Spot{x, y}, 0};
}
constexpr DrawLine picture(int slot, int x, int y, float scaleX, float scaleY) {
  return {Draw::Picture, slot, scaleX, scaleY, -1, 0, 0, Spot{x, y}, 0};
}

// The drawing lines every teleporter quest shares: the pad under each entry and its beam.
constexpr DrawLine kTeleporterPads = each(Draw::TeleporterPads, 12, 1.4f, 1.4f, -5, 46);
constexpr DrawLine kTeleporterBeams = each(Draw::TeleporterBeams, 17, 1.3f, 1.3f, 0, 10);

// Solved at the trader, who takes the gem for the healing herb.
namespace quest1 {
constexpr Spot kCoins[] = {{70, 415}, {70, 315}, {70, 365}, {150, 110}, {560, 465}};
constexpr Spot kFood[] = {{145, 250}, {107, 407}, {725, 460}};
constexpr KeyPlacement kKeys[] = {onField(75, 265, kKey), onField(344, 310, kKey3), onField(200, 107, kKey2)};
constexpr Spot kWeights[] = {{610, 456}, {660, 240}, {138, 305}};
constexpr DoorPlacement kDoors[] = {{657, 354, kKey}, {135, 160, kKey3}, {657, 180, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {400, 400, kHorizontal, kPresent}, {377, 298, kHorizontal, kAbsent}, {503, 240, kVertical, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{60, 210, 2}};
constexpr CatapultPlacement kCatapults[] = {{420, 300, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {{345, 80, 723, 230}, {290, 283, 723, 230}};
constexpr Spot kHammers[] = {{660, 450}};
constexpr Spot kStores[] = {{265, 80}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(1)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(1), vanish(2)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr CatapultScript kCatapultScripts[] = {{{land(335, 302, 380), land(145, 302, 310), land(70, 302, 270)}}};
// The special key opens the door in front of the trader.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), whileNotHeld(Gift::SpecialKey, 3, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    oneAt(Draw::TeleporterBeams, 17, 0, 345, 90, 1.3f, 1.3f),
    oneAt(Draw::TeleporterBeams, 17, 1, 290, 293, 1.3f, 1.3f),
    oneAt(Draw::Catapults, 14, 0, 420, 300, 1.3f, 1.3f),
    oneAt(Draw::Gem, 18, 0, 663, 146, 0.9f, 0.9f),
    oneAt(Draw::Levers, 21, 0, 60, 210, 0.7f, 0.7f),
    oneAt(Draw::Stores, 22, 0, 265, 80, 1.3f, 1.0f),
    oneAt(Draw::Machine, 23, 0, 761, 374, 1.1f, 1.1f),
    picture(12, 715, 255, 1.4f, 1.4f),
    picture(12, 340, 127, 1.4f, 1.4f),
    picture(12, 285, 329, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 1;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.gem = Spot{663, 146};
  q.specialDoor = Spot{498, 190};
  q.trader = Spot{498, 190};
  q.machine = MachinePlacement{761, 374, 750, 400};
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.traderTakesGem = true;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest1

namespace quest2 {
constexpr Spot kCoins[] = {{695, 265}, {435, 265}, {127, 145}, {250, 145}, {505, 460}};
constexpr Spot kFood[] = {{80, 456}, {725, 456}};
constexpr KeyPlacement kKeys[] = {onField(517, 265, kKey2)};
constexpr Spot kWeights[] = {{241, 260}, {601, 260}, {630, 453}};
constexpr DoorPlacement kDoors[] = {{25, 180, kKey2}, {25, 370, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {250, 443, kHorizontal, kAbsent}, {340, 443, kHorizontal, kPresent}, {70, 290, kHorizontal, kAbsent},
    {570, 443, kHorizontal, kPresent}, {430, 443, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{710, 387, 1}, {633, 387, 2}, {290, 128, 2}};
constexpr CatapultPlacement kCatapults[] = {{105, 302, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {335, 313, 35, 230}, {505, 313, 35, 230}, {685, 313, 35, 230}, {298, 384, 35, 230},
};
constexpr Spot kHammers[] = {{330, 256}, {680, 448}};
constexpr Spot kStores[] = {{180, 110}};
// Guards the way up to the gate until the horn is taken.
constexpr LedgePlacement kLedges[] = {{0, 594, 247, 140, kActive}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(4)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(4), vanish(2)};
// Block 2 belongs to both levers: with the first at its last position, this one takes it away.
constexpr LeverEffect kLever1Position0[] = {appear(3), appearUnlessLeverAt(2, 0, 2), vanish(1), vanish(4)};
constexpr LeverEffect kLever1Position1[] = {appear(4), appear(3), vanish(1), vanish(2)};
constexpr LeverEffect kLever1Position2[] = {appear(1), appear(4), appear(2), vanish(3)};
constexpr LeverEffect kLever2Position0[] = {allExits(651, 250), movePad(641, 280)};
constexpr LeverEffect kLever2Position1[] = {allExits(504, 394), movePad(495, 424)};
constexpr LeverEffect kLever2Position2[] = {allExits(35, 230), movePad(26, 260)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(250, 310, 200), land(435, 310, 260), land(615, 310, 380)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), whileNotHeld(Gift::Key, 3, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::MovablePad, 12, 1.35f, 1.4f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    oneAt(Draw::Levers, 21, 0, 710, 387, 0.7f, 0.7f),
    oneAt(Draw::Levers, 21, 1, 633, 387, 0.7f, 0.7f),
    oneAt(Draw::Levers, 21, 2, 290, 128, 0.7f, 0.7f),
    oneAt(Draw::Catapults, 14, 0, 105, 302, 1.3f, 1.3f),
    oneAt(Draw::Stores, 22, 0, 180, 110, 1.3f, 1.0f),
    picture(12, 320, 349, 1.4f, 1.4f),
    picture(12, 500, 349, 1.4f, 1.4f),
    picture(12, 680, 349, 1.4f, 1.4f),
    picture(12, 293, 420, 1.35f, 1.4f),
    picture(17, 325, 313, 1.3f, 1.3f),
    picture(17, 505, 313, 1.3f, 1.3f),
    picture(17, 685, 313, 1.3f, 1.3f),
    picture(17, 298, 384, 1.3f, 1.3f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 2;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.horn = Spot{150, 455};
  q.movablePad = Spot{26, 260};
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest2

namespace quest3 {
constexpr Spot kFood[] = {{387, 110}, {502, 110}, {272, 110}};
constexpr TeleporterPlacement kTeleporters[] = {
    {220, 426, 398, 270}, {580, 426, 70, 444}, {220, 254, 723, 270}, {580, 254, 398, 444}, {725, 85, 108, 95},
};
constexpr Spot kVases[] = {
    {5, 350}, {50, 350}, {710, 180}, {755, 180}, {6, 92}, {755, 431}, {195, 92}, {660, 92}, {610, 92},
};
constexpr Spot kHammers[] = {{477, 443}, {70, 270}, {145, 270}};

constexpr DrawLine kDrawing[] = {
    each(Draw::Vases, 13, 1.2f, 1.1f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    picture(12, 390, 472, 1.4f, 1.4f),
    picture(12, 60, 472, 1.4f, 1.4f),
    picture(12, 390, 300, 1.4f, 1.4f),
    picture(12, 717, 300, 1.4f, 1.4f),
    picture(12, 100, 130, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 3;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.teleporters = kTeleporters;
  q.foodScale = 1.1f;
  q.vasesArePots = true;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest3

namespace quest4 {
constexpr Spot kCoins[] = {{35, 100}, {57, 100}, {238, 464}, {268, 464}, {544, 465}, {514, 465}, {765, 250}};
constexpr Spot kFood[] = {{173, 440}, {17, 279}, {760, 279}, {220, 112}, {550, 112}, {265, 112}, {507, 112}};
constexpr Spot kWeights[] = {{5, 86}};
constexpr BlockPlacement kBlocks[] = {
    {114, 430, kHorizontal, kPresent}, {170, 260, kHorizontal, kPresent}, {593, 430, kHorizontal, kAbsent},
    {600, 260, kHorizontal, kPresent}, {328, 430, kHorizontal, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{40, 450, 2}, {60, 210, 2}, {700, 230, 2}};
constexpr CatapultPlacement kCatapults[] = {{70, 275, kThrowsRight}};
// The fourth entry is a placeholder in the top-left corner, above the ceiling wall.
constexpr TeleporterPlacement kTeleporters[] = {
    {436, 426, 710, 270}, {636, 426, 692, 435}, {120, 82, 385, 435}, {0, 0, 0, 0},
};
constexpr Spot kVases[] = {{10, 135}, {60, 135}, {170, 86}, {597, 86}};
constexpr SuspWallPlacement kSuspiciousWalls[] = {{222, 335, 1, 1.4f}, {490, 335, 3, 1.4f}};
constexpr Spot kHammers[] = {{10, 227}};
constexpr Spot kStores[] = {{740, 413}};
// Closes the gate above the goal until the horn is taken.
constexpr LedgePlacement kLedges[] = {{0, 326, 244, 150, kActive}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(4)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(4), vanish(2)};
constexpr LeverEffect kLever1Position0[] = {
    moveFood(3, 220, 245), moveFood(4, 550, 245), moveFood(5, 265, 245), moveFood(6, 507, 245),
};
constexpr LeverEffect kLever1Position1[] = {
    moveFood(3, 220, 275), moveFood(4, 550, 275), moveFood(5, 265, 275), moveFood(6, 507, 275),
};
constexpr LeverEffect kLever1Position2[] = {
    moveFood(3, 220, 112), moveFood(4, 550, 112), moveFood(5, 265, 112), moveFood(6, 507, 112),
};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 651, 259)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 648, 82)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 636, 426)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(270, 275, 200), land(460, 275, 260), land(700, 100, 450)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Weights, 15, 0.9f, 0.9f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 10, 1.2f, 1.1f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::SuspiciousWalls, 9, 1.4f, 1.2f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    picture(12, 378, 472, 1.4f, 1.4f),
    picture(12, 683, 472, 1.4f, 1.4f),
    picture(12, 702, 305, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 4;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.suspiciousWalls = kSuspiciousWalls;
  q.stores = kStores;
  q.horn = Spot{740, 91};
  q.foodScale = 1.1f;
  q.vasesArePots = true;
  q.continueButton = Spot{40, 535};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest4

namespace quest5 {
constexpr Spot kCoins[] = {{710, 62}, {320, 390}, {233, 72}, {600, 390}, {670, 62}, {185, 173}, {15, 15}};
constexpr Spot kFood[] = {{185, 60}, {180, 290}, {735, 334}, {738, 450}, {594, 240}, {180, 450}, {380, 450}};
constexpr KeyPlacement kKeys[] = {onField(75, 166, kKey), onField(75, 263, kKey3), onField(75, 361, kKey2)};
constexpr Spot kWeights[] = {{140, 65}};
constexpr DoorPlacement kDoors[] = {{444, 345, kKey}, {175, 395, kKey3}, {589, 300, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {90, 52, kHorizontal, kPresent},   {85, 443, kHorizontal, kPresent},  {307, 175, kHorizontal, kPresent},
    {391, 175, kHorizontal, kPresent}, {735, 380, kVertical, kPresent},   {441, 175, kHorizontal, kPresent},
    {120, 443, kHorizontal, kPresent}, {443, 108, kVertical, kAbsent},    {632, 55, kHorizontal, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{731, 266, 0}, {589, 178, 1}, {175, 115, 1}, {585, 50, 0}};
constexpr CatapultPlacement kCatapults[] = {{170, 191, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {{448, 272, 318, 385}, {277, 40, 452, 385}};
constexpr Spot kLadders[] = {{184, 232}};
constexpr int kRockY[] = {-100, -600, -1100};
constexpr Spot kHammers[] = {{354, 178}, {184, 340}, {260, 450}, {700, 450}};
constexpr Spot kStores[] = {{730, 150}};
// Three cliffs, each an upward and a downward ledge; the ladder bridges one of them.
constexpr LedgePlacement kLedges[] = {
    {0, 166, 272, 60, kInactive}, {1, 435, 272, 60, kActive}, {2, 721, 137, 61, kActive},
    {4, 166, 235, 60, kInactive}, {5, 435, 235, 60, kActive}, {6, 721, 115, 61, kActive},
};

constexpr LeverEffect kLever0Position0[] = {appear(1), appear(6), vanish(7), vanish(8)};
constexpr LeverEffect kLever0Position1[] = {appear(7), vanish(8), vanish(1), vanish(6)};
constexpr LeverEffect kLever0Position2[] = {appear(8), vanish(7), vanish(1), vanish(6)};
constexpr LeverEffect kLever1Position0[] = {exitOf(0, 266, 174), movePad(258, 208)};
constexpr LeverEffect kLever1Position1[] = {exitOf(0, 318, 385), movePad(310, 419)};
constexpr LeverEffect kLever1Position2[] = {exitOf(0, 680, 56), movePad(672, 90)};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 230, 425)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 277, 40)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 729, 45)};
constexpr LeverEffect kLever3Position0[] = {
    moveLadder(0, 184, 232), ledgeOn(1), ledgeOn(2), ledgeOn(5), ledgeOn(6), ledgeOff(0), ledgeOff(4),
};
constexpr LeverEffect kLever3Position1[] = {
    moveLadder(0, 452, 228), ledgeOn(0), ledgeOn(2), ledgeOn(4), ledgeOn(6), ledgeOff(1), ledgeOff(5),
};
constexpr LeverEffect kLever3Position2[] = {
    moveLadder(0, 736, 106), ledgeOn(0), ledgeOn(1), ledgeOn(4), ledgeOn(5), ledgeOff(2), ledgeOff(6),
};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
    {{kLever3Position0, kLever3Position1, kLever3Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(348, 180, 290), land(597, 220, 380), land(736, 175, 500)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::MovablePad, 12, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Ladders, 36, 0.9f, 0.9f),
    oneAt(Draw::Machine, 23, 0, 660, 430, 1.1f, 1.1f),
    picture(18, 448, 73, 1.0f, 1.0f),
    picture(12, 443, 419, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 5;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.movablePad = Spot{310, 419};
  q.machine = MachinePlacement{660, 430, 655, 455};
  q.rockColumnX = 15;
  q.rockY = kRockY;
  q.rocksFalling = true;
  q.foodScale = 1.1f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest5

namespace quest6 {
constexpr Spot kCoins[] = {{263, 85}, {303, 403}, {343, 403}, {430, 403}, {470, 403}, {510, 85}};
constexpr KeyPlacement kKeys[] = {onField(271, 243, kKey3), onField(506, 243, kKey3)};
constexpr Spot kWeights[] = {{202, 77}, {552, 77}};
// Three door entries, the last one empty.
constexpr DoorPlacement kDoors[] = {{257, 128, kKey3}, {492, 128, kKey3}, kEmptyDoor};
constexpr BlockPlacement kBlocks[] = {
    {261, 280, kVertical, kPresent}, {383, 280, kVertical, kPresent}, {497, 280, kVertical, kPresent},
    {261, 330, kVertical, kAbsent},  {383, 330, kVertical, kPresent}, {497, 330, kVertical, kAbsent},
    {147, 131, kVertical, kPresent}, {613, 131, kVertical, kPresent},
};
constexpr LeverPlacement kLevers[] = {{378, 455, 1}, {4, 390, 1}, {750, 390, 1}};
constexpr CatapultPlacement kCatapults[] = {{107, 227, kThrowsRight}, {605, 227, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {{383, 210, 68, 382}, {383, 152, 704, 382}};
constexpr Spot kHammers[] = {{376, 392}};
constexpr Spot kStores[] = {{750, 220}, {6, 220}};

constexpr LeverEffect kLever0Position0[] = {appear(3), vanish(4), vanish(5)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(3), vanish(5)};
constexpr LeverEffect kLever0Position2[] = {appear(5), vanish(3), vanish(4)};
constexpr LeverEffect kLever1Position0[] = {moveTeleporter(0, 55, 210)};
constexpr LeverEffect kLever1Position1[] = {moveTeleporter(0, 383, 210)};
constexpr LeverEffect kLever1Position2[] = {moveTeleporter(0, 705, 210)};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 262, 152)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 383, 152)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 496, 152)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {
    {{land(265, 222, 190), land(387, 222, 280), land(500, 222, 300)}},
    {{land(500, 222, 580), land(387, 222, 520), land(265, 222, 450)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
    {{once(Gift::Heart, 1, 3), once(Gift::Hammer, 2, 4), once(Gift::Heart, 1, 5)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::TeleporterPads, 12, 1.4f, 1.4f, -5, -12),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    oneAt(Draw::Stores, 22, 0, 750, 220, 1.3f, 1.0f),
    oneAt(Draw::Stores, 22, 1, 6, 220, 1.3f, 1.0f),
    picture(12, 60, 418, 1.4f, 1.4f),
    picture(12, 696, 418, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 6;
  q.coins = kCoins;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.keyScale = 0.9f;
  q.coinsHeld = 2;
  q.continueButton = Spot{275, 442};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest6

namespace quest7 {
constexpr Spot kCoins[] = {
    {206, 430}, {226, 430}, {460, 410}, {460, 440}, {22, 360}, {310, 72}, {340, 72}, {595, 72}, {615, 72}, {215, 410},
};
constexpr Spot kFood[] = {{25, 420}, {291, 420}, {527, 420}, {225, 60}, {270, 60}, {515, 60}, {560, 60}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
constexpr Spot kWeights[] = {{647, 430}, {371, 65}, {640, 240}, {745, 120}};
constexpr DoorPlacement kDoors[] = {{743, 170, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {125, 410, kHorizontal, kPresent}, {380, 410, kHorizontal, kPresent},
    {610, 410, kHorizontal, kPresent}, {125, 40, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{170, 52, 2}, {460, 52, 2}};
constexpr CatapultPlacement kCatapults[] = {{675, 414, kThrowsLeft}, {25, 50, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {80, 400, 764, 405}, {336, 400, 709, 225}, {565, 400, 21, 194}, {645, 33, 21, 194}, {748, 214, 21, 194},
};
constexpr Spot kVases[] = {{330, 215}, {375, 215}, {415, 30}, {685, 30}, {15, 260}, {420, 215}};
constexpr Spot kStores[] = {{16, 155}, {744, 40}};

constexpr LeverEffect kLever0Position0[] = {moveTeleporter(1, 168, 400)};
constexpr LeverEffect kLever0Position1[] = {moveTeleporter(1, 250, 400)};
constexpr LeverEffect kLever0Position2[] = {moveTeleporter(1, 336, 400)};
constexpr LeverEffect kLever1Position0[] = {moveTeleporter(2, 420, 400)};
constexpr LeverEffect kLever1Position1[] = {moveTeleporter(2, 485, 400)};
constexpr LeverEffect kLever1Position2[] = {moveTeleporter(2, 565, 400)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
};
// The strongest throw from the top-left catapult flies along the ceiling before it drops.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(571, 411, 650), land(342, 411, 530), land(86, 411, 400)}},
    {{land(365, 50, 200), land(510, 50, 240), landOverPlateau(750, 50, 360, -41, 650)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
    {{once(Gift::Hammer, 2, 3), keyOnce(Gift::Key, 2, 4, 0), once(Gift::Hammer, 2, 5)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    oneAt(Draw::Stores, 22, 1, 744, 40, 1.3f, 1.0f),
    // The other store, a little higher than where the dude meets it.
    picture(22, 16, 146, 1.3f, 1.0f),
    picture(12, 13, 230, 1.4f, 1.4f),
    picture(12, 755, 440, 1.4f, 1.4f),
    picture(12, 700, 260, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 7;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.movablePad = Spot{310, 419};
  q.foodScale = 1.1f;
  q.hammersHeld = 2;
  q.weightsHeld = 2;
  q.vasesArePots = true;
  q.continueButton = Spot{270, 410};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest7

namespace quest8 {
constexpr Spot kCoins[] = {{321, 192}, {441, 65}, {680, 71}, {584, 269}, {376, 382}, {107, 310}, {86, 400}};
constexpr Spot kFood[] = {{700, 430}, {87, 70}, {60, 288}, {84, 192}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
constexpr DoorPlacement kDoors[] = {{73, 445, kKey2}};
constexpr LeverPlacement kLevers[] = {{35, 105, 0}};
constexpr TeleporterPlacement kTeleporters[] = {
    {655, 427, 436, 55},  {321, 363, 676, 60},  {413, 363, 752, 436}, {268, 174, 752, 436}, {358, 174, 101, 298},
    {530, 250, 317, 183}, {620, 250, 371, 372}, {388, 46, 579, 258},  {478, 46, 89, 90},    {627, 52, 89, 90},
    {717, 52, 317, 183},  {130, 81, 371, 372},  {142, 290, 579, 258},
};
// A bridge, drawn from the ladder records.
constexpr Spot kLadders[] = {{70, 360}};
constexpr Spot kStores[] = {{730, 284}};
// Cliffs down the left shaft and up the start's ledge; the bridge spans one or two of them.
constexpr LedgePlacement kLedges[] = {
    {1, 68, 290, 60, kActive}, {2, 727, 436, 80, kActive}, {4, 68, 360, 60, kInactive}, {5, 68, 150, 60, kActive},
};

constexpr LeverEffect kLever0Position0[] = {moveLadder(0, 70, 360), ledgeOn(1), ledgeOn(2), ledgeOn(5), ledgeOff(4)};
constexpr LeverEffect kLever0Position1[] = {moveLadder(0, 75, 150), ledgeOn(2), ledgeOn(4), ledgeOff(1), ledgeOff(5)};
constexpr LeverEffect kLever0Position2[] = {moveLadder(0, 740, 360), ledgeOn(1), ledgeOn(4), ledgeOn(5), ledgeOff(2)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 2, 0), keyOnce(Gift::Key, 3, 1, 0), once(Gift::Heart, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Ladders, 9, 0.8f, 2.2f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Food, 8, 1.1f, 1.1f),
    oneAt(Draw::Stores, 22, 0, 730, 284, 1.3f, 1.0f),
    picture(12, 743, 473, 1.4f, 1.4f),
    picture(12, 362, 409, 1.4f, 1.4f),
    picture(12, 308, 220, 1.4f, 1.4f),
    picture(12, 570, 296, 1.4f, 1.4f),
    picture(12, 428, 92, 1.4f, 1.4f),
    picture(12, 667, 98, 1.4f, 1.4f),
    picture(12, 80, 127, 1.4f, 1.4f),
    picture(12, 92, 336, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 8;
  q.coins = kCoins;
  q.food = kFood;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest8

namespace quest9 {
constexpr Spot kCoins[] = {{740, 390}, {740, 425}, {775, 390}, {775, 425}, {758, 409}};
constexpr Spot kFood[] = {{626, 110}, {666, 110}, {706, 110}, {293, 340}};
// The store sells the special key into slot 3, where the fourth door looks for it.
constexpr KeyPlacement kKeys[] = {
    onField(603, 300, kKey), onField(456, 153, kKey3), onField(95, 300, kKey2), soldByStore(kSpecialKey),
};
constexpr Spot kWeights[] = {{443, 300}, {591, 400}};
constexpr DoorPlacement kDoors[] = {{440, 345, kKey}, {745, 335, kKey3}, {589, 235, kKey2}, {287, 200, kSpecialKey}};
constexpr BlockPlacement kBlocks[] = {
    {294, 380, kVertical, kPresent}, {154, 280, kHorizontal, kAbsent},
    {446, 230, kVertical, kAbsent},  {593, 344, kVertical, kPresent},
};
constexpr LeverPlacement kLevers[] = {{75, 450, 0}};
constexpr CatapultPlacement kCatapults[] = {{200, 295, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {{750, 430, 449, 153}};
constexpr Spot kHammers[] = {{437, 394}};
constexpr Spot kStores[] = {{442, 85}};

constexpr LeverEffect kLever0Position0[] = {appear(0), vanish(1), vanish(2)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(2), vanish(0), vanish(1)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr CatapultScript kCatapultScripts[] = {{{land(448, 285, 330), land(595, 290, 400), land(753, 284, 480)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), keyOnce(Gift::SpecialKey, 3, 1, 3), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    one(Draw::Doors, 23, 3, 1.4f, 1.4f),
    oneAt(Draw::Stores, 22, 0, 442, 85, 1.3f, 1.0f),
    picture(12, 440, 190, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 9;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest9

namespace quest10 {
constexpr Spot kCoins[] = {{530, 450}, {764, 71}, {764, 101}, {168, 400}, {168, 450}, {277, 400}, {277, 450}};
constexpr Spot kFood[] = {{757, 450}, {757, 130}, {326, 270}, {519, 350}};
constexpr BlockPlacement kBlocks[] = {
    {580, 440, kHorizontal, kPresent}, {580, 250, kHorizontal, kPresent}, {755, 186, kVertical, kPresent},
    {424, 112, kHorizontal, kPresent}, {215, 440, kHorizontal, kPresent}, {325, 186, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{640, 450, 2}, {323, 50, 2}};
constexpr Spot kVases[] = {{160, 260}, {517, 172}, {328, 330}, {704, 241}};
constexpr Spot kStores[] = {{516, 30}};

constexpr LeverEffect kLever0Position0[] = {appear(5), vanish(1), vanish(3)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(5), vanish(3)};
constexpr LeverEffect kLever0Position2[] = {appear(3), vanish(5), vanish(1)};
constexpr LeverEffect kLever1Position0[] = {appear(4), vanish(2), vanish(0)};
constexpr LeverEffect kLever1Position1[] = {appear(2), vanish(4), vanish(0)};
constexpr LeverEffect kLever1Position2[] = {appear(0), vanish(4), vanish(2)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 10, 1.2f, 1.1f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 10;
  q.coins = kCoins;
  q.food = kFood;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.hammersHeld = 2;
  q.vasesArePots = true;
  q.continueButton = Spot{40, 535};
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();
}  // namespace quest10

// Every quest that has objects; later worlds add theirs here.
const QuestObjects* const kQuests[] = {
    &quest31::objects(),
    &quest1::kObjects, &quest2::kObjects, &quest3::kObjects, &quest4::kObjects, &quest5::kObjects,
    &quest6::kObjects, &quest7::kObjects, &quest8::kObjects, &quest9::kObjects, &quest10::kObjects,
};

}  // namespace

const QuestObjects* questObjects(int questNumber) {
  for (const QuestObjects* objects : kQuests) {
    if (objects->quest == questNumber) return objects;
  }
  return nullptr;
}
