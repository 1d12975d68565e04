// Quest 60, "the gem of wonder": the crystal cave's three floors, with the gem's dais beside the top
// floor. Each floor has a swing, and the way up is swing after swing: three throws, but only two
// weights lie in the cave. The hall's keeper sells a third for the hall's two coins; a heart spent
// on the hall's lever sends its teleporter up to the middle floor instead, saving the first throw.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall (dude y from 340) runs under the middle floor (dude y 200 to 269), whose edge is a cliff
// nobody walks down; the top floor (dude y 40 to 149) is a shelf over the middle floor's east half,
// and the dais stands apart west of it, reached only by a throw. A wall parts the middle floor but
// for a passage along its front, where the crate stands; the niche in its back keeps a lever. The
// pen in the hall's east end is fenced. Crystal pillars jut from the hall's and the top floor's backs.
constexpr HorizontalWall kUp[] = {
    {0, 800, 340},                                 // the hall's back
    {700, 800, 400},                               // the pen's fence
    {0, 250, 200},   {300, 800, 200},              // the middle floor's back, with its niche
    {250, 300, 150},                               // the niche
    {500, 800, 40},                                // the top floor's back
    {340, 480, 110},                               // the dais's back
};
constexpr HorizontalWall kDown[] = {
    {700, 800, 398},                                    // the pen's fence
    {0, 400, 320},   {400, 640, 320}, {640, 800, 320},  // the middle floor's edge
    {500, 640, 200}, {640, 800, 200},                   // the top floor's edge
    {340, 480, 200},                                    // the dais's edge
};
constexpr VerticalWall kLeft[] = {
    {700, 400, 500},  // the pen
    {250, 150, 200},  // the niche
    {400, 200, 240},  // the middle floor's parting wall
    {500, 40, 200},   // the top floor's west end
    {340, 110, 200},  // the dais
    {600, 340, 380},  // the hall's crystal pillar
    {640, 40, 100},   // the top floor's crystal pillar
};
constexpr VerticalWall kRight[] = {
    {700, 400, 500},  // the pen
    {300, 150, 200},  // the niche
    {400, 200, 240},  // the middle floor's parting wall
    {480, 110, 200},  // the dais
};
constexpr DudeLayout kDude{160, 340, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{60, kDude, true, {376, 160, 62, 30}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down; the first three have pads.
constexpr Spot kByTheStore{510, 420}, kByTheStart{160, 420}, kMiddleEast{620, 262};
constexpr Spot kMiddleWest{160, 262}, kTopFloor{600, 120}, kInThePen{745, 420};

constexpr Spot kCoins[] = {
    {380, 430},  // in the hall
    {650, 430},  // in the hall, before the pen
    {740, 262},  // at the middle floor's east end, behind its barrel
};
constexpr Spot kFood[] = {
    {240, 430},  // in the hall: the first heart
    {560, 262},  // on the middle floor, where the first swing lands
};
constexpr Spot kWeights[] = {{300, 430}, {600, 430}};
constexpr Spot kHammers[] = {{460, 262}};
// One hammer and three barrels: the middle floor's coin, its niche's lever, the top floor's
// teleporter. None is needed; each is a choice.
constexpr Spot kVases[] = {{690, 215}, {259, 175}, {636, 30}};
constexpr BlockPlacement kBlocks[] = {
    {402, 240, kHorizontal, kPresent},  // in the middle floor's passage
};

constexpr TeleporterPlacement kTeleporters[] = {
    {720, 410, kByTheStart.x, kByTheStart.y},  // out of the pen
    {150, 205, kByTheStore.x, kByTheStore.y},  // the middle floor's back, where the niche's lever says
    {600, 45, kByTheStore.x, kByTheStore.y},   // the top floor's back, where its lever says
    {400, 345, kInThePen.x, kInThePen.y},      // the hall's back, where the hall's lever says
};

constexpr LeverPlacement kLevers[] = {
    {200, 345, 0},  // the hall's back: where the hall's teleporter leads
    {620, 205, 0},  // the middle floor's back: the crate in the passage
    {540, 45, 0},   // the top floor's back: where its teleporter leads
    {252, 150, 0},  // the niche: where the middle floor's teleporter leads
};
constexpr CatapultPlacement kCatapults[] = {
    {40, 420, kThrowsRight},  // the hall's
    {40, 262, kThrowsRight},  // the middle floor's
    {700, 110, kThrowsLeft},  // the top floor's
};
constexpr Spot kStores[] = {{520, 345}};

constexpr LeverEffect kHallToPen[] = {exitOf(3, kInThePen.x, kInThePen.y)};
constexpr LeverEffect kHallToMiddle[] = {exitOf(3, kMiddleEast.x, kMiddleEast.y)};
constexpr LeverEffect kCrateStands[] = {appear(0)};
constexpr LeverEffect kCrateGoes[] = {vanish(0)};
constexpr LeverEffect kTopToStore[] = {exitOf(2, kByTheStore.x, kByTheStore.y)};
constexpr LeverEffect kTopToMiddle[] = {exitOf(2, kMiddleWest.x, kMiddleWest.y)};
constexpr LeverEffect kTopToStart[] = {exitOf(2, kByTheStart.x, kByTheStart.y)};
constexpr LeverEffect kMiddleToStore[] = {exitOf(1, kByTheStore.x, kByTheStore.y)};
constexpr LeverEffect kMiddleToTop[] = {exitOf(1, kTopFloor.x, kTopFloor.y)};
constexpr LeverEffect kMiddleToStart[] = {exitOf(1, kByTheStart.x, kByTheStart.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kHallToPen, kHallToMiddle, kHallToPen}},
    {{kCrateStands, kCrateGoes, kCrateStands}},
    {{kTopToStore, kTopToMiddle, kTopToStart}},
    {{kMiddleToStore, kMiddleToTop, kMiddleToStart}},
};

// The hall's swing: onto the middle floor's banana, by its lever, or into the pen. The middle
// floor's: onto the top floor, by its swing, or back down into the hall. The top floor's: onto the
// dais, back onto the top floor's west end, or down to the middle floor's west room.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(500, 262, 150), land(640, 262, 400), land(kInThePen.x, kInThePen.y, 600)}},
    {{land(560, 120, 150), land(680, 120, 300), land(300, 420, 200)}},
    {{land(390, 150, 650), land(520, 120, 600), land(300, 262, 450)}},
};

// A weight for two coins, a heart for one: the hall's two coins buy one or the other.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Weight, 2, 0), once(Gift::Heart, 1, 1), {Gift::None, 0, 0, 0}}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kByTheStore),
    exitPad(kByTheStart),
    exitPad(kMiddleEast),
    kTeleporterPads,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    each(Draw::Vases, 10, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Gem, 18, 0.75f, 0.75f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the gem takes slot 18, where the bar shows it once found.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Banana.bmp", 32, 64, kBlackKey}},
    {10, {"Art/Vases20.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad8.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block21.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing6.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer4.bmp", 64, 64, kRedKey}},
    {18, {"Art/Gem9.bmp", 64, 64, kBlackKey}},
    {21, {"Art/Lever4.bmp", 64, 64, kRedKey}},
    {22, {"Art/House12.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 60;
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
  q.gem = Spot{391, 136};
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest60{&kLayout, &kObjects};
