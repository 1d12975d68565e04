#include "world/InGameMenu.h"

#include "game/Panels.h"
#include "world/Dude.h"
#include "world/WorldState.h"

namespace menu {
namespace {
struct MenuButton {
  Choice choice;
  int y;
  int frameIndex;  // index in Dude::menuButtonFrame
};
// In the order they are tested.
constexpr MenuButton kButtons[5] = {
    {kRestart, 110, 0}, {kMainMenu, 210, 1}, {kSave, 310, 2}, {kQuit, 410, 4}, {kCancel, 10, 3}};

bool shown(const Dude& dude, const MenuButton& b) { return b.choice != kCancel || dude.menuState == Dude::kMenuOpen; }
bool over(const Dude& dude, const MenuButton& b, int cx, int cy) { return InRect(dude.menuX, b.y, 154, 77, cx, cy); }
}  // namespace

void hover(Dude& dude, int cx, int cy) {
  for (const MenuButton& b : kButtons)
    if (shown(dude, b)) dude.menuButtonFrame[b.frameIndex] = over(dude, b, cx, cy) ? 1 : 0;
}

Choice click(Dude& dude, WorldState& world, InputDevice& mouse, int cx, int cy) {
  if (world.questSolved == 1) world.questSolved = 2;
  if (!mouse.ButtonHit(0) && !mouse.ButtonHit(1)) return kNothing;
  for (const MenuButton& b : kButtons) {
    if (!shown(dude, b) || !over(dude, b, cx, cy)) continue;
    if (b.choice != kRestart) {
      mouse.SetLatch(0, 1);
      mouse.SetLatch(1, 1);
    }
    return b.choice;
  }
  return kNothing;
}

}  // namespace menu
