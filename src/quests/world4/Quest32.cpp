// Quest 32, "Find the entrance to the throne room.": the palace hall. A grate bars the passage up
// to the throne room's door; the button that lifts it stands on the right balcony behind two vases.
// The hall's lever chooses where the hall's left teleporter leads, so the dude fetches two of the
// three hammers first and only then sends itself to the button.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Four floors: the hall along the bottom, the gallery above it, and two balconies at the top with
// the passage to the throne room rising between them from the gallery's middle. Only teleporters
// join the floors.
constexpr HorizontalWall kUp[] = {
    {0, 800, 400},  // the hall's ceiling
    {0, 345, 245}, {454, 800, 245},  // the gallery's, open where the passage rises
    {0, 280, 60}, {520, 800, 60},    // the balconies'
};
constexpr HorizontalWall kDown[] = {
    {0, 400, 345}, {400, 800, 345},  // the gallery's floor
    {0, 280, 150}, {520, 800, 150},  // the balconies'
};
constexpr VerticalWall kLeft[] = {{345, 0, 245}, {520, 60, 150}};
constexpr VerticalWall kRight[] = {{454, 0, 245}, {280, 60, 150}};
constexpr DudeLayout kDude{388, 423, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{32, kDude, true, {348, 31, 106, 50}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down: each spot has its pad.
constexpr Spot kLeftBalcony{20, 77}, kRightBalcony{570, 77}, kGalleryLeft{60, 272}, kGalleryRight{700, 272},
    kHallReturn{200, 426}, kLanding{390, 272};

constexpr Spot kFood[] = {{270, 460}};
constexpr Spot kButtons[] = {{685, 99}};
constexpr LeverPlacement kLevers[] = {{110, 450, 2}};
// One hammer on the left balcony and one in each wing of the gallery; the button needs two.
constexpr Spot kHammers[] = {{120, 96}, {160, 291}, {620, 291}};
constexpr Spot kVases[] = {
    {605, 86}, {640, 86},  // before the button
    {290, 281}, {322, 281}, {457, 281}, {489, 281},  // the two rows that close off the landing
};
constexpr TeleporterPlacement kTeleporters[] = {
    {20, 426, kGalleryLeft.x, kGalleryLeft.y},     // the hall's left end: where the lever says
    {755, 426, kGalleryRight.x, kGalleryRight.y},  // the hall's right end
    {10, 272, kHallReturn.x, kHallReturn.y},       // back from the gallery's left wing
    {765, 272, kHallReturn.x, kHallReturn.y},      // back from its right wing
    {240, 77, kHallReturn.x, kHallReturn.y},       // back from the left balcony
    {530, 77, kHallReturn.x, kHallReturn.y},       // back from the right balcony, for a dude without hammers
    {755, 77, kLanding.x, kLanding.y},             // past the button: down to the landing before the grate
};
// The grate's barrier: the passage cannot be entered from the landing while the grate stands.
constexpr LedgePlacement kLedges[] = {{0, 345, 245, 109, kActive}};

constexpr LeverEffect kToLeftBalcony[] = {exitOf(0, kLeftBalcony.x, kLeftBalcony.y)};
constexpr LeverEffect kToRightBalcony[] = {exitOf(0, kRightBalcony.x, kRightBalcony.y)};
constexpr LeverEffect kToGalleryLeft[] = {exitOf(0, kGalleryLeft.x, kGalleryLeft.y)};
constexpr LeverScript kLeverScripts[] = {{{kToLeftBalcony, kToRightBalcony, kToGalleryLeft}}};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kLeftBalcony),
    exitPad(kRightBalcony),
    exitPad(kGalleryLeft),
    exitPad(kGalleryRight),
    exitPad(kHallReturn),
    exitPad(kLanding),
    each(Draw::Buttons, 34, 0.8f, 0.8f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.0f, 1.0f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Dinner.bmp", 64, 32, kRedKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {18, {"Art/Vases21.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever2.bmp", 64, 64, kRedKey}},
    {34, {"Art/Button5.bmp", 64, 64, kNoColourKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 32;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.foodScale = 1.0f;
  q.buttons = kButtons;
  q.pushAction = PushAction::ReleaseGate;
  q.leverScripts = kLeverScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest32{&kLayout, &kObjects};
