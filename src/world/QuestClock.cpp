#include "world/QuestClock.h"

#include <algorithm>

#include "game/GameApp.h"
#include "platform/Clock.h"

namespace questclock {

void pause(GameApp& game) {
  if (game.questTimerRunning) game.questTimerCarry = 1;
  game.questTimerRunning = 0;
  game.sceneClockRestart = 1;
}

void run(GameApp& game) {
  if (game.questTimerRunning) {
    if (game.sceneClockRestart) {
      game.sceneStartMs = timeGetTime();
      game.sceneClockRestart = 0;
    }
    game.questTimerTotal = timeGetTime() - game.sceneStartMs + game.questTimerCarried;
    game.sceneSeconds = std::min<uint32_t>(game.questTimerTotal / 1000, kMaxSeconds);
  }
  if (game.questTimerCarry) {
    game.questTimerCarry = 0;
    game.questTimerCarried = game.questTimerTotal;
  }
}

void resetForNewQuest(GameApp& game) {
  game.questTimerCarried = 0;
  game.questTimerTotal = 0;
  game.questTimerRunning = 0;
}

}  // namespace questclock
