#pragma once
#include <cstdint>

class Dude;
class WorldState;
class InputDevice;

// The menu a player opens during a quest (Restart, Main Menu, Save, Quit, Cancel); it also opens by
// itself, without Cancel, when the dude has run out of hearts.
namespace menu {

enum Choice : uint8_t { kNothing = 0, kRestart, kMainMenu, kSave, kQuit, kCancel };

// Hover frames of the buttons, while the menu is up.
void hover(Dude& dude, int cx, int cy);
// A mouse button went down while the menu is up: the button under the pointer, if any.
Choice click(Dude& dude, WorldState& world, InputDevice& mouse, int cx, int cy);

}  // namespace menu
