// Quest 52, "Find the entrance to the lowest level.": the moss cave's street, with the stairs down at
// the top of a shaft behind two green gates. The keeper sells a green key only to one who holds
// none, and a gate takes the key, so the second gate wants a second key and a second coin: those
// coins lie on the two terraces above the street, which the keeper's weight and the swing reach,
// each behind a crystal or an urn that one of the two hammers breaks.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The street (dude y from 400) runs under both terraces (y 290 to 399), whose edges are cliffs
// walked down, never up. The gates' shaft rises from the street between them. The west terrace has
// an alcove behind its urn; the east terrace one behind a crystal, and at the field's edge the
// teleporter's niche behind another. A rail along the west terrace's west end keeps the street's
// westmost coin to its crystal.
constexpr HorizontalWall kUp[] = {
    {0, 360, 400},   {430, 800, 400},                   // the terraces' cliffs over the street
    {0, 200, 290},   {250, 300, 290},  {200, 250, 200},  // the west terrace and its alcove
    {490, 620, 290}, {670, 750, 290},  {620, 670, 200},  // the east terrace and its alcove
    {750, 800, 170},                                     // the teleporter's niche
};
constexpr HorizontalWall kDown[] = {
    {0, 120, 398},  // the west terrace's rail
};
constexpr VerticalWall kLeft[] = {
    {360, 290, 400},  // the gates' shaft
    {490, 290, 400},  // the east terrace's west end
    {200, 200, 290},  // the west alcove
    {620, 200, 290},  // the east alcove
    {750, 170, 290},  // the teleporter's niche
};
constexpr VerticalWall kRight[] = {
    {430, 290, 400},  // the gates' shaft
    {300, 290, 400},  // the west terrace's east end
    {250, 200, 290},  // the west alcove
    {670, 200, 290},  // the east alcove
    {795, 170, 290},  // the teleporter's niche
};
constexpr DudeLayout kDude{388, 448, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{52, kDude, true, {369, 250, 69, 25}};

// Objects, scripts and drawing.

constexpr Spot kWestTerrace{60, 300};

// Two coins lie free on the street and one on the east terrace; the street's westmost coin, the
// alcoves' coins each wait behind a crystal or the urn.
constexpr Spot kCoins[] = {{250, 460}, {580, 460}, {520, 330}, {10, 460}, {633, 205}, {212, 205}};
constexpr Spot kHammers[] = {{540, 300}, {110, 300}};
constexpr Spot kVases[] = {{205, 226}};
// The only key is the one the keeper sells; each gate takes it.
constexpr KeyPlacement kKeys[] = {soldByStore(kKey3)};
constexpr DoorPlacement kDoors[] = {{372, 350, kKey3}, {372, 290, kKey3}};
constexpr BlockPlacement kBlocks[] = {
    {45, 415, kHorizontal, kPresent},  // on the street, before its westmost coin
    {627, 236, kVertical, kPresent},   // in the east alcove's mouth
    {752, 246, kVertical, kPresent},   // in the teleporter's niche
};
constexpr CatapultPlacement kCatapults[] = {{440, 455, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {{756, 180, kWestTerrace.x, kWestTerrace.y}};
constexpr Spot kStores[] = {{150, 386}};

// The swing throws onto the east terrace: by its hammer, before its alcove, or by the niche.
constexpr CatapultScript kCatapultScripts[] = {{{land(560, 320, 555), land(620, 320, 600), land(700, 320, 680)}}};
// A green key whenever none is held and the swing's weight once. Nothing else: with only the street's
// two coins in hand, any other buy could leave the weight unpaid and the terraces out of reach.
constexpr StoreScript kStoreScripts[] = {
    {{whileNotHeld(Gift::Key, 1, 0), once(Gift::Weight, 1, 1), {Gift::None, 0, 0, 0}}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    picture(12, kWestTerrace.x - 5, kWestTerrace.y + 46, 1.4f, 1.4f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; slot 20 holds the green key the keeper sells.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {9, {"Art/Door10.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block6.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {18, {"Art/Vases19.bmp", 32, 64, kBlackKey}},
    {20, {"Art/Key5.bmp", 16, 32, kBlackKey}},
    {22, {"Art/House7.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 52;
  q.coins = kCoins;
  q.hammers = kHammers;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.keyScale = 1.0f;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest52{&kLayout, &kObjects};
