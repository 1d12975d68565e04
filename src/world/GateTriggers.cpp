#include "world/GateTriggers.h"

#include "quests/QuestObjects.h"
#include "world/Kinds.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"

namespace {
constexpr uint8_t kHornUsed = 2;

void closeGate(QuestScenery& scenery) {
  scenery.gateClosing = 1;
  scenery.fadeActive = 1;
}
}  // namespace

void runGateTriggers(WorldState& w, QuestScenery& scenery, const QuestObjects* q) {
  if (!q) return;
  switch (q->gateTrigger) {
    case GateTrigger::Ball1Stopped:
      // The waiting ball rolls from the start, so this holds once it is caught or gone.
      if (!w.ballRolling) closeGate(scenery);
      break;
    case GateTrigger::HornTaken:
      if (w.hornPresent == 0) {
        w.hornPresent = kHornUsed;
        w.ledge[0].active = 0;
        w.sndPick = 1;
        closeGate(scenery);
      }
      break;
    case GateTrigger::None:
      break;
  }
}

void openGateOnSoundedPress(const WorldState& w, QuestScenery& scenery, const QuestObjects* q) {
  if (q && q->pushAction == PushAction::ReleaseGate && pushSoundedWithGateSwitch(w)) closeGate(scenery);
}
