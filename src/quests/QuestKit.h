#pragma once
#include <cstdint>

#include "quests/QuestLayout.h"
#include "quests/QuestObjects.h"

// The words every quest file writes its tables in: names for the numbers and small builders for
// the entries, so that one quest's file reads like the next.

namespace questkit {

// For a quest solved somewhere other than in a goal area.
inline constexpr GoalArea kNoGoal{0, 0, 0, 0};

// Key kinds are the sprite slots that draw them.
inline constexpr uint8_t kKey = 7, kKey2 = 19, kKey3 = 20, kSpecialKey = 28;
inline constexpr uint8_t kThrowsLeft = 1, kThrowsRight = 2;
inline constexpr bool kHorizontal = true, kVertical = false;
inline constexpr bool kPresent = true, kAbsent = false;
inline constexpr bool kActive = true, kInactive = false;

// A key that lies nowhere on the field: the entry only names the kind of the key a store sells.
constexpr KeyPlacement soldByStore(uint8_t kind) { return {0, 0, kind, false}; }
constexpr KeyPlacement onField(int x, int y, uint8_t kind) { return {x, y, kind, true}; }
inline constexpr DoorPlacement kEmptyDoor{0, 0, 0};

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
// A throw whose landing point lies on a trampoline: the dude bounces on as the quest's bounce table says.
constexpr Throw ontoTrampoline(int x, int y, int turnX) { return {x, y, turnX, false, 0, 0, true}; }
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
inline constexpr DrawLine kTeleporterPads = each(Draw::TeleporterPads, 12, 1.4f, 1.4f, -5, 46);
inline constexpr DrawLine kTeleporterBeams = each(Draw::TeleporterBeams, 17, 1.3f, 1.3f, 0, 10);
// The pad where a teleporter sets the dude down at s, drawn under his feet.
constexpr DrawLine exitPad(Spot s) { return picture(12, s.x - 5, s.y + 46, 1.4f, 1.4f); }

}  // namespace questkit
