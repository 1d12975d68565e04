// Quest 13, "Find the gem of light.": the gem lies on a dais above the pyramid's terrace, and the one
// ladder that reaches it must first carry the dude up the west cliff. The lever that sends it back
// under the dais stands down on the east floor, and the only way up from there runs across the ball
// machine's platform, so the machine has to be smashed on the way. Six bowls feed the three levers
// and the balls that sweep the terrace.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The west and east floors along the bottom, parted at x 300; the terrace above them on a thick
// ledge, open only at the ladder's gap (x 83-147) and at a one-way drop to the east floor (x
// 470-560); the dais in the terrace's back wall, its ladder gap at x 354-418; and the machine's
// platform east of the terrace, walled off from it.
constexpr HorizontalWall kUp[] = {
    {0, 354, 257}, {418, 600, 257},  // the terrace's back wall, with the dais's ladder gap
    {330, 460, 150},                 // the dais's back wall
    {600, 800, 230},                 // the platform's back wall
    {0, 83, 347}, {147, 620, 347},   // the cliff, with its ladder gap
    {620, 670, 320},                 // the east floor's lever niche
    {670, 800, 347},                 // the cliff under the platform
};
constexpr HorizontalWall kDown[] = {
    {0, 83, 310}, {147, 470, 310},  // the terrace's edge over the west floor, either side of the gap
    {560, 600, 310},                // and past the drop, by the platform
    {600, 800, 310},                // the platform's edge
};
constexpr VerticalWall kLeft[] = {
    {330, 150, 257},  // the dais
    {600, 230, 310},  // the platform's wall, from the platform
    {620, 320, 347},  // the niche
    {300, 347, 500},  // the floors' partition, from the east
};
constexpr VerticalWall kRight[] = {
    {460, 150, 257},  // the dais
    {600, 257, 310},  // the platform's wall, from the terrace
    {670, 320, 347},  // the niche
    {300, 347, 500},  // the floors' partition, from the west
};
constexpr DudeLayout kDude{151, 438, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{13, kDude, true, {359, 201, 69, 56}};

// Objects, scripts and drawing.

// Where the ladder stands: in the cliff's gap, under the dais, or laid aside against the cliff.
constexpr Spot kLadderAtCliff{100, 276}, kLadderAtDais{372, 196}, kLadderAside{590, 196};
enum Ledge : uint8_t { kDaisGap = 0, kCliffGap = 1 };
// Where teleporters set the dude down: the west floor, the platform's east end, the terrace.
constexpr Spot kWestFloor{175, 440}, kPlatform{765, 235}, kTerrace{470, 258};

enum Boulder : uint8_t {
  kTerraceBoulder = 0,   // on the terrace, before the drop to the east floor
  kPlatformBoulder = 1,  // before the east floor's teleporter up to the platform
  kNicheBoulder = 2,     // before the west floor's niche
  kHomeBoulder = 3,      // before the east floor's teleporter home
  kTerraceBoulder2 = 4,  // beside the terrace's first, over the drop
  kHammerBoulder = 5,    // before the west floor's hammer
};

constexpr Spot kCoins[] = {
    {95, 455},   // the west floor's
    {10, 250},   // the terrace's west end, behind an urn
    {615, 450},  // the east floor's, past its urn
    {10, 380},   // the west floor's niche
    {660, 450},  // the east floor's, under the lever's niche
    {372, 450},  // by the teleporter home, between its boulder and an urn
};
constexpr Spot kBowls[] = {
    {120, 440},  // the west floor's
    {190, 445},
    {150, 250},  // at the top of the cliff
    {5, 440},    // the west floor's niche
    {445, 445},  // the east floor's
    {735, 240},  // the platform's, behind the machine
};
constexpr Spot kHammers[] = {{540, 450}, {265, 450}};  // the east floor's; the west floor's corner
constexpr Spot kVases[] = {
    {575, 390},  // across the east floor
    {40, 250},   // at the terrace's west end
    {395, 390},  // by the teleporter home
};
constexpr BlockPlacement kBoulders[] = {
    {420, 256, kHorizontal, kPresent},
    {705, 396, kHorizontal, kPresent},
    {50, 396, kHorizontal, kPresent},
    {335, 396, kHorizontal, kPresent},
    {455, 256, kHorizontal, kPresent},
    {225, 396, kHorizontal, kPresent},
};
// The west floor's lever against the cliff in the floor's east corner, away from the walk up the
// cliff; the east floor's in its niche; the third against the cliff by the teleporter home.
constexpr LeverPlacement kLevers[] = {{190, 342, 1}, {622, 320, 1}, {420, 342, 1}};
constexpr TeleporterPlacement kTeleporters[] = {
    {750, 420, kPlatform.x, kPlatform.y},    // the east floor's, up to the platform
    {605, 230, kTerrace.x, kTerrace.y},      // the platform's west end, onto the terrace
    {305, 420, kWestFloor.x, kWestFloor.y},  // the east floor's west end, home
};
constexpr LedgePlacement kLedges[] = {
    {kDaisGap, 354, 257, 64, kInactive},
    {kCliffGap, 83, 347, 64, kActive},
};
constexpr Spot kStores[] = {{500, 340}};

// The west floor's lever: the ladder in the cliff's gap with the terrace's boulder rolled away, the
// ladder under the dais, or laid aside with the west corner's boulder rolled away.
constexpr LeverEffect kLadderToCliff[] = {
    moveLadder(0, kLadderAtCliff.x, kLadderAtCliff.y), ledgeOff(kCliffGap), ledgeOn(kDaisGap),
    vanish(kTerraceBoulder), vanish(kTerraceBoulder2), appear(kHammerBoulder)};
constexpr LeverEffect kLadderToDais[] = {
    moveLadder(0, kLadderAtDais.x, kLadderAtDais.y), ledgeOff(kDaisGap), ledgeOn(kCliffGap),
    appear(kTerraceBoulder), appear(kTerraceBoulder2), appear(kHammerBoulder)};
constexpr LeverEffect kLadderAsideWest[] = {
    moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kDaisGap), ledgeOn(kCliffGap),
    appear(kTerraceBoulder), appear(kTerraceBoulder2), vanish(kHammerBoulder)};
// The east floor's: the ladder under the dais, laid aside, or in the cliff's gap.
constexpr LeverEffect kEastToDais[] = {
    moveLadder(0, kLadderAtDais.x, kLadderAtDais.y), ledgeOff(kDaisGap), ledgeOn(kCliffGap)};
constexpr LeverEffect kEastAside[] = {
    moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kDaisGap), ledgeOn(kCliffGap)};
constexpr LeverEffect kEastToCliff[] = {
    moveLadder(0, kLadderAtCliff.x, kLadderAtCliff.y), ledgeOff(kCliffGap), ledgeOn(kDaisGap)};
// The third: the way up to the platform, every boulder standing, or the way home and the niche.
constexpr LeverEffect kOpenPlatform[] = {vanish(kPlatformBoulder), appear(kHomeBoulder), appear(kNicheBoulder)};
constexpr LeverEffect kAllStanding[] = {appear(kPlatformBoulder), appear(kHomeBoulder), appear(kNicheBoulder)};
constexpr LeverEffect kOpenHome[] = {appear(kPlatformBoulder), vanish(kHomeBoulder), vanish(kNicheBoulder)};
constexpr LeverScript kLeverScripts[] = {
    {{kLadderToCliff, kLadderToDais, kLadderAsideWest}},
    {{kEastToDais, kEastAside, kEastToCliff}},
    {{kOpenPlatform, kAllStanding, kOpenHome}},
};

constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 1, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kWestFloor),
    exitPad(kPlatform),
    exitPad(kTerrace),
    each(Draw::Ladders, 36, 0.9f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Vases, 10, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Machine, 23, 1.1f, 1.1f),
    each(Draw::Gem, 18, 0.9f, 0.9f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the gem takes slot 18, which the bar shows a found gem from.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Bowl.bmp", 32, 64, kBlackKey}},
    {10, {"Art/Vases6.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block8.bmp", 32, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Gem2.bmp", 32, 32, kRedKey}},
    {21, {"Art/Lever2.bmp", 64, 64, kRedKey}},
    {22, {"Art/House2.bmp", 32, 64, kBlackKey}},
    {23, {"Art/Machine.bmp", 32, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
    {36, {"Art/Ladder.bmp", 32, 64, kRedKey}},
};

constexpr Spot kLadders[] = {kLadderAtDais};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 13;
  q.coins = kCoins;
  q.food = kBowls;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBoulders;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.ladders = kLadders;
  q.ledges = kLedges;
  q.stores = kStores;
  q.gem = Spot{378, 205};
  q.machine = MachinePlacement{690, 240, 655, 250};
  q.ballRollsLeft = true;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest13{&kLayout, &kObjects};
