#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
enum PushFrame : uint8_t { kNormal = 0, kHovered = 1, kPressed = 2 };
enum PushState : uint8_t { kReady = 0, kPressedNow = 1, kSounded = 2 };
constexpr int kPushButtonSlot = 38;
constexpr int kPushZone = 2;
// Quest 38: the dude's height picks the trap door the button opens.
constexpr int kUpperLevelBelowY = 400;

void openTrapDoor(WorldState& w, int door) {
  if (w.trapDoorFrame[door] == 0) w.trapDoorAnim[door] = 1;
}

// Ladder 0 moves on to the next stop of the cycle; only the ledge at the stop it now stands at is off.
void cycleLadder(WorldState& w, std::span<const LadderStop> cycle) {
  if (cycle.empty()) return;
  size_t next = 0;
  for (size_t i = 0; i < cycle.size(); ++i)
    if (cycle[i].x == w.ladderX[0] && cycle[i].y == w.ladderY[0]) next = (i + 1) % cycle.size();
  w.ladderX[0] = cycle[next].x;
  w.ladderY[0] = cycle[next].y;
  for (int l = 0; l < 4; ++l) w.ledge[l].active = 1;
  w.ledge[cycle[next].ledgeOff].active = 0;
}

void runPushAction(WorldState& w, const Dude& d, const QuestObjects& q, uint8_t stateBefore, uint8_t frameBefore) {
  switch (q.pushAction) {
    case PushAction::OpenTrapDoor:
      openTrapDoor(w, 0);
      break;
    case PushAction::ReleaseGate:
      if (stateBefore == kReady) {
        w.gateSwitch = 1;
        w.ledge[0].active = 0;
      }
      openTrapDoor(w, 0);
      break;
    case PushAction::CycleLadder:
      if (frameBefore == kHovered) cycleLadder(w, q.ladderCycle);
      break;
    case PushAction::TrapDoorByHeight:
      openTrapDoor(w, d.y < kUpperLevelBelowY ? 0 : 1);
      break;
    case PushAction::None:
      break;
  }
}
}  // namespace

void testButtons(WorldState& w, const Dude& d) {
  w.dudeAtButton = 0;
  for (int i = 0; i < w.buttonCount; ++i) {
    if (!w.buttonPresent[i]) continue;
    const int X = w.buttonX[i], Y = w.buttonY[i];
    const bool across = (X < d.x + 26 && d.x + 26 < X + 51) || (X + 6 < d.x && d.x < X + 51);
    if (across && Y < d.y + 45 && d.y < Y + 58) w.dudeAtButton = 1;
  }
}

// The push button in the bar: it lights up under the pointer, a click presses it and runs the
// quest's action. It sounds once per press and is ready again once the pointer rests over it.
void runPushButton(WorldState& w, const Dude& d, const QuestObjects& q) {
  const uint8_t frameBefore = w.pushButtonFrame;
  if (!w.mouseClicked) {
    w.pushButtonFrame = kNormal;
    if (w.panelChoice == kPushZone) {
      w.pushButtonFrame = kHovered;
      if (w.pushButtonState == kSounded) w.pushButtonState = kReady;
    }
  } else if (w.panelChoice == kPushZone && !w.flightActive) {
    const uint8_t stateBefore = w.pushButtonState;
    w.pushButtonFrame = kPressed;
    if (w.pushButtonState == kReady) w.pushButtonState = kPressedNow;
    runPushAction(w, d, q, stateBefore, frameBefore);
  }
  if (w.sheet) w.sheet->DrawFrame(kPushButtonSlot, w.pushButtonFrame, 410, 528, kWhite, 1.1f, 0.8f);
}

bool pushSoundedWithGateSwitch(const WorldState& w) { return w.pushButtonState == kPressedNow && w.gateSwitch; }
