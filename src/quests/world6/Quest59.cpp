// Quest 59, "Find and open the blue door!": the crystal cave's hall, with the blue door in the shaft
// at its back. No key lies anywhere: the store on the west gallery sells it, and the only way up to
// that gallery is the ladder, which the lever on the east gallery sets into the cliff's gap. So the
// swing and the hall's weight carry the dude east first, the east gallery's hammer breaks the
// barrel before its way back down, and the ladder, once set, climbs to the key.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall (dude y from 330) runs under both galleries (dude y from 115 and 100 down to 219), whose
// edges are cliffs that nobody walks down; the blue door's short shaft rises from the hall to the
// gatehouse between them. A wall parts the
// hall's west room from the rest but for a passage along the floor, and the pen in the hall's east
// end is fenced. The east gallery is parted too, but for a passage along its front, and has the
// teleporter's alcove in its back.
constexpr HorizontalWall kUp[] = {
    {0, 150, 330},   {195, 400, 330},  {478, 800, 330},  // the hall's back, with the ladder's gap
    {365, 512, 136},                                     // the gatehouse's top, past the goal
    {0, 365, 115},                                       // the west gallery's back
    {512, 700, 100}, {760, 800, 100},  {700, 760, 40},   // the east gallery's back and its alcove
    {720, 800, 400},                                     // the pen's fence
};
constexpr HorizontalWall kDown[] = {
    {0, 150, 270}, {195, 365, 270},  // the west gallery's edge, with the ladder's gap
    {512, 800, 270},                 // the east gallery's edge
    {720, 800, 398},                 // the pen's fence
};
constexpr VerticalWall kLeft[] = {
    {400, 250, 330},  // the shaft's west side
    {512, 100, 330},  // the east gallery's west end, beside the gatehouse
    {700, 40, 100},   // the alcove
    {720, 400, 500},  // the pen
    {300, 330, 400},  // the west room's wall
    {640, 100, 170},  // the east gallery's parting wall
};
constexpr VerticalWall kRight[] = {
    {478, 250, 330},  // the shaft's east side
    {365, 100, 330},  // the west gallery's east end, beside the gatehouse
    {760, 40, 100},   // the alcove
    {720, 400, 500},  // the pen
    {300, 330, 400},  // the west room's wall
    {640, 100, 170},  // the east gallery's parting wall
};
constexpr DudeLayout kDude{425, 441, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{59, kDude, true, {406, 230, 66, 20}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down; each spot has its pad.
constexpr Spot kByTheShaft{440, 380}, kInThePen{725, 400}, kOnEastGallery{520, 110}, kInWestRoom{200, 400};
constexpr Spot kLadderAside{20, 345}, kLadderInGap{157, 258};

constexpr Spot kCoins[] = {
    {380, 455},  // in the hall, by the start
    {680, 455},  // in the hall, before the pen
    {600, 200},  // on the east gallery, where the swing lands
    {690, 195},  // on the east gallery, past its barrel
    {330, 190},  // on the west gallery, behind its crates
    {745, 412},  // in the pen, where the dude lands
    {15, 190},   // on the west gallery, behind its barrel
    {120, 455},  // in the west room
};
constexpr Spot kFood[] = {
    {640, 430},  // in the hall: the first heart
    {560, 150},  // on the east gallery: the heart its lever takes
    {110, 200},  // on the west gallery
    {15, 430},   // in the west room, behind its barrel
};
constexpr Spot kWeights[] = {{560, 455}};
constexpr Spot kHammers[] = {{525, 195}, {250, 190}};
// The east gallery's barrel shuts its passage, the only way on to its teleporters; the other two
// each keep a reward.
constexpr Spot kVases[] = {{643, 160}, {50, 157}, {60, 385}};
constexpr Spot kLadders[] = {kLadderAside};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
// Head-on in the shaft: the dude can only meet it walking up from the hall.
constexpr DoorPlacement kDoors[] = {{416, 280, kKey2}};

enum Crate : uint8_t { kPassage, kFenceTop, kFenceLow };
constexpr BlockPlacement kBlocks[] = {
    {303, 400, kHorizontal, kPresent},  // in the west room's passage
    {288, 120, kHorizontal, kPresent},  // before the west gallery's east end
    {288, 174, kHorizontal, kPresent},
};

enum Ledge : uint8_t { kGapUp = 0, kGapDown = 4 };
// The ladder's gap is shut both ways unless the ladder stands in it.
constexpr LedgePlacement kLedges[] = {
    {kGapUp, 150, 330, 45, kActive},
    {kGapDown, 150, 270, 45, kActive},
};

constexpr TeleporterPlacement kTeleporters[] = {
    {715, 45, kByTheShaft.x, kByTheShaft.y},      // the east gallery's alcove, down to the hall
    {325, 115, kByTheShaft.x, kByTheShaft.y},     // the west gallery's east end, down to the hall
    {765, 395, kByTheShaft.x, kByTheShaft.y},     // out of the pen
    {580, 330, kInThePen.x, kInThePen.y},         // the hall's back, where its lever says
    {230, 335, kByTheShaft.x, kByTheShaft.y},     // out of the west room
    {765, 160, kInWestRoom.x, kInWestRoom.y},     // the east gallery's end, down into the west room
};

constexpr LeverPlacement kLevers[] = {
    {330, 335, 0},  // the hall's back, by the west room: its passage's crate
    {590, 105, 0},  // the east gallery's back: the ladder
    {510, 335, 0},  // the hall's back: where its teleporter leads
    {230, 115, 0},  // the west gallery's back: the crates before its east end
};
constexpr CatapultPlacement kCatapults[] = {{480, 440, kThrowsRight}};
constexpr Spot kStores[] = {{650, 335}, {100, 115}};

constexpr LeverEffect kPassageShut[] = {appear(kPassage)};
constexpr LeverEffect kPassageOpen[] = {vanish(kPassage)};
constexpr LeverEffect kLadderToAside[] = {moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kGapUp), ledgeOn(kGapDown)};
constexpr LeverEffect kLadderToGap[] = {moveLadder(0, kLadderInGap.x, kLadderInGap.y), ledgeOff(kGapUp), ledgeOff(kGapDown)};
constexpr LeverEffect kBeamToPen[] = {exitOf(3, kInThePen.x, kInThePen.y)};
constexpr LeverEffect kBeamToGallery[] = {exitOf(3, kOnEastGallery.x, kOnEastGallery.y)};
constexpr LeverEffect kBeamToWestRoom[] = {exitOf(3, kInWestRoom.x, kInWestRoom.y)};
constexpr LeverEffect kFenceStands[] = {appear(kFenceTop), appear(kFenceLow)};
constexpr LeverEffect kFenceGoes[] = {vanish(kFenceTop), vanish(kFenceLow)};
constexpr LeverScript kLeverScripts[] = {
    {{kPassageShut, kPassageOpen, kPassageShut}},
    {{kLadderToAside, kLadderToGap, kLadderToAside}},
    {{kBeamToPen, kBeamToGallery, kBeamToWestRoom}},
    {{kFenceStands, kFenceGoes, kFenceStands}},
};

// Onto the east gallery by its pear or by its lever, or over the fence into the pen.
constexpr CatapultScript kCatapultScripts[] = {{{land(540, 165, 510), land(590, 170, 540), land(kInThePen.x, kInThePen.y, 640)}}};

// The hall's store: a heart, a hammer, a second weight. The west gallery's: the blue key, a heart,
// a hammer.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Weight, 2, 2)}},
    {{keyOnce(Gift::Key, 3, 3, 0), once(Gift::Heart, 1, 4), once(Gift::Hammer, 2, 5)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kByTheShaft),
    exitPad(kInThePen),
    exitPad(kOnEastGallery),
    exitPad(kInWestRoom),
    kTeleporterPads,
    each(Draw::Ladders, 36, 1.1f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    // The door's own lever, rusted fast behind it in the shaft.
    picture(21, 440, 205, 0.6f, 0.6f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; slot 19 holds the blue key the west gallery's store sells.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Food7.bmp", 32, 64, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad8.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block21.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing6.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer4.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases20.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever4.bmp", 64, 64, kRedKey}},
    {22, {"Art/House12.bmp", 32, 64, kBlackKey}},
    {36, {"Art/Ladder3.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 59;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest59{&kLayout, &kObjects};
