#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
enum LeverUse : uint8_t { kIdle = 0, kArriving = 1, kPaid = 2 };

void applyEffect(WorldState& w, const LeverEffect& e) {
  const int i = e.index;
  switch (e.effect) {
    case Effect::BlockAppear:
      w.blockPresent[i] = 1;
      w.blockAppearing[i] = 1;
      w.blockVanishing[i] = 0;
      break;
    case Effect::BlockVanish:
      w.blockVanishing[i] = 1;
      w.blockAppearing[i] = 0;
      break;
    case Effect::BlockAppearUnlessLeverAt:
      applyEffect(w, {w.leverPosition[e.x] == e.y ? Effect::BlockVanish : Effect::BlockAppear, e.index, 0, 0});
      break;
    case Effect::AllExits:
      for (int t = 0; t < 4; ++t) {
        w.teleporterExitX[t] = e.x;
        w.teleporterExitY[t] = e.y;
      }
      break;
    case Effect::TeleporterExit:
      w.teleporterExitX[i] = e.x;
      w.teleporterExitY[i] = e.y;
      break;
    case Effect::TeleporterEntry:
      w.teleporterX[i] = e.x;
      w.teleporterY[i] = e.y;
      break;
    case Effect::MovePad:
      w.movablePadX = e.x;
      w.movablePadY = e.y;
      break;
    case Effect::MoveLadder:
      w.ladderX[i] = e.x;
      w.ladderY[i] = e.y;
      break;
    case Effect::LedgeOn:
      w.ledge[i].active = 1;
      break;
    case Effect::LedgeOff:
      w.ledge[i].active = 0;
      break;
    case Effect::MoveFood:
      w.foodX[i] = e.x;
      w.foodY[i] = e.y;
      break;
    case Effect::TrampolineSetting:
      w.trampolineSetting[i] = static_cast<uint8_t>(e.x);
      break;
  }
}
}  // namespace

void testLevers(WorldState& w, Dude& d, bool leversCostHearts) {
  w.atLeverThisFrame = 0;
  for (int i = 0; i < w.leverCount; ++i) {
    w.dudeAtLever[i] = 0;
    const int X = w.leverX[i], Y = w.leverY[i];
    const bool across = (X < d.x + 26 && d.x + 26 < X + 45) || (X < d.x && d.x < X + 45);
    if (!across || !(Y < d.y + 45 && d.y < Y + 40)) continue;
    if (!leversCostHearts) {
      w.dudeAtLever[i] = 1;
      continue;
    }
    // A heart is paid once a visit; without one the bubble asks for it and no panel shows.
    w.atLeverThisFrame = 1;
    if (w.leverUseState == kIdle) w.leverUseState = kArriving;
    if (w.leverUseState == kArriving) {
      w.leverUseState = kPaid;
      if (d.hearts == 0) {
        w.bubbleShown = w.bubbleHeart = 1;
        w.leverUseState = kIdle;
      } else {
        d.hearts -= 1;
      }
    }
    if (w.leverUseState == kPaid) w.dudeAtLever[i] = 1;
  }
  if (leversCostHearts && !w.atLeverThisFrame) w.leverUseState = kIdle;
}

// Every lever of the quest brings up the panel, not only the first four: a fifth would take its heart
// and give no choice.
bool atLever(const WorldState& w, int& lever) {
  for (int i = 0; i < w.leverCount && i < kMaxObjects; ++i)
    if (w.dudeAtLever[i]) {
      lever = i;
      return true;
    }
  return false;
}

void pullLever(WorldState& w, const QuestObjects& q, int lever, int choice) {
  const uint8_t position = static_cast<uint8_t>(choice - 1);
  if (w.leverPosition[lever] != position) w.sndKey = 1;
  w.leverPosition[lever] = position;
  if (lever >= static_cast<int>(q.leverScripts.size())) return;
  for (const LeverEffect& e : q.leverScripts[lever].choice[position]) applyEffect(w, e);
}
