#pragma once
#include <cstdint>

class WorldState;
class Dude;
class SpriteSheet;

// The heads-up bar at the bottom of the screen (y 500 to 600) and what it draws over the field.
namespace hud {

// Buttons of the bar, as ids of WorldState::hudButtonDown.
enum Button : uint8_t { kNone = 0, kMenu = 1, kInfo = 2, kContinue = 3 };

bool overMenuButton(int cx, int cy);
bool overInfoButton(int cx, int cy);
bool overContinueButton(const WorldState& world, int cx, int cy);

// Hover frames of the menu and info buttons, and of Continue while the quest is solved.
void hover(WorldState& world, int cx, int cy);

void drawBar(const WorldState& world);
// Whether the bar hides everything under it but the time's frame, whose corners are see-through.
bool barCoversScreen(const WorldState& world);
// Where that frame is: the one part of a world's screen to clear when the field and bar cover it.
constexpr int kTimeFrameX = 710, kTimeFrameY = 500, kTimeFrameWidth = 90, kTimeFrameHeight = 64;
// The time left, v seconds, in the frame at the right of the bar.
void drawTime(WorldState& world, uint32_t secondsLeft);
void drawInventory(const WorldState& world);
// Hearts; a count above 200 (a heart lost at zero) opens the out-of-hearts menu.
void drawHearts(const WorldState& world, Dude& dude);
void drawBubble(const WorldState& world, const Dude& dude);
// Where the solved message of a quest draws its Continue button (top left); false for a quest
// without a message.
bool solvedContinuePlace(const WorldState& world, int quest, int& x, int& y);
// The quest's solved message with its Continue button, while the quest is solved.
void drawSolvedMessage(const WorldState& world, int quest, const SpriteSheet* continueSheet);

}  // namespace hud
