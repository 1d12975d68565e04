// Quest 54, "Find the crystal gem!": the gem lies at the top of a stair that rises from the crystal
// gallery, and a ball machine that no hammer in the cave can break sends its balls along the
// gallery's floor. Only the gallery's back strip is out of their way: the hall's teleporter leads
// there, to the swing's one weight, and the swing's middle throw sets the dude down on that strip
// at the stair's foot. The hall's lever, paid with the chocolate, lowers the stair's three stones.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall along the bottom, with three niches in its back wall (the teleporter's, the store's and
// the lever's) and a low crystal ridge across its front. Above it the gallery, with an alcove at
// its west end and the machine's housing at its east end; its edge cannot be jumped down but at
// the west end. The stair rises from the gallery to the gem.
constexpr HorizontalWall kUp[] = {
    {0, 20, 380},    {20, 70, 340},   {70, 150, 380},  {150, 200, 340},  // the hall's back wall
    {200, 560, 380}, {560, 610, 340}, {610, 800, 380},                    // and the lever's niche
    {0, 20, 200},    {20, 100, 180},  {100, 360, 200}, {455, 800, 200},  // the gallery and its alcove
    {360, 455, 100},                                                      // the stair, up to the gem
};
constexpr HorizontalWall kDown[] = {
    {100, 360, 330}, {360, 455, 330}, {455, 730, 330},  // the gallery's edge, west and east of the stair
};
constexpr VerticalWall kLeft[] = {
    {20, 340, 380}, {150, 340, 380}, {560, 340, 380},  // the hall's niches
    {20, 180, 200},                                     // the alcove
    {360, 100, 200},                                    // the stair
    {520, 440, 500},                                    // the ridge, from the east
};
constexpr VerticalWall kRight[] = {
    {70, 340, 380}, {200, 340, 380}, {610, 340, 380},  // the hall's niches
    {100, 180, 200},                                    // the alcove
    {455, 100, 200},                                    // the stair
    {520, 440, 500},                                    // the ridge, from the west
    {730, 200, 280},                                    // the machine's housing
};
constexpr DudeLayout kDude{687, 440, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{54, kDude, true, {377, 128, 62, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the gallery's alcove, and the hall before the store or
// before the swing.
constexpr Spot kAlcove{40, 182}, kBeforeStore{160, 440}, kBeforeSwing{560, 440};

constexpr Spot kCoins[] = {
    {120, 440}, {450, 440},  // the hall's
    {150, 205},              // the gallery's back strip
    {230, 255}, {640, 255},  // in the balls' way
};
constexpr Spot kFood[] = {{300, 440}};
constexpr Spot kWeights[] = {{80, 185}};  // in the alcove
// The stair's three stones, side by side across it: each is met only head-on.
constexpr BlockPlacement kBlocks[] = {
    {360, 140, kVertical, kPresent}, {395, 140, kVertical, kPresent}, {430, 140, kVertical, kPresent}};
constexpr LeverPlacement kLevers[] = {{563, 330, 1}};
constexpr CatapultPlacement kCatapults[] = {{600, 445, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {
    {30, 335, kAlcove.x, kAlcove.y},              // the hall's niche, up to the alcove
    {250, 185, kBeforeSwing.x, kBeforeSwing.y},   // the back strip's, home as the lever says
};
constexpr Spot kStores[] = {{152, 320}};

// The lever: the stones down with the way home before the store, the stones up, or the stones
// down with the way home before the swing.
constexpr LeverEffect kStonesDownStore[] = {
    vanish(0), vanish(1), vanish(2), exitOf(1, kBeforeStore.x, kBeforeStore.y)};
constexpr LeverEffect kStonesUp[] = {appear(0), appear(1), appear(2), exitOf(1, kBeforeSwing.x, kBeforeSwing.y)};
constexpr LeverEffect kStonesDownSwing[] = {
    vanish(0), vanish(1), vanish(2), exitOf(1, kBeforeSwing.x, kBeforeSwing.y)};
constexpr LeverScript kLeverScripts[] = {{{kStonesDownStore, kStonesUp, kStonesDownSwing}}};
// The swing throws west: a hop over the ridge, onto the gallery's back strip at the stair's foot, or
// onto the back strip's west end by the way home.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(470, 440, 560), land(395, 200, 500), land(150, 200, 480)}},
};
// A heart for a stray ball, a second weight for a wasted throw, a last heart.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 2, 0), once(Gift::Weight, 3, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kAlcove),
    exitPad(kBeforeSwing),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    // Over the stones' tops, so that the gem shows above them from the start.
    each(Draw::Gem, 29, 0.75f, 0.75f),
    each(Draw::Machine, 23, 1.1f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Chocolate.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad2.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block20.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House7.bmp", 32, 64, kBlackKey}},
    {23, {"Art/Machine.bmp", 32, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
    {29, {"Art/Gem7.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 54;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.gem = Spot{392, 104};
  // The balls leave the machine's west face and roll along the gallery's floor, never its back strip.
  q.machine = MachinePlacement{740, 215, 700, 265};
  q.ballRollsLeft = true;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest54{&kLayout, &kObjects};
