#include "quests/Campaign.h"

#include "game/GameApp.h"
#include "persistence/GameRecord.h"
#include "quests/PlayOrder.h"

void advanceQuest(GameApp& game) {
  if (questAwardsGem(game.questNumber)) ++game.gemCount;
  if (game.questNumber == kLastQuest) {
    if (game.gameRecord) game.gameRecord->campaignFinished = 1;
    return;
  }
  // A quest the order never reaches (only a damaged saved game holds one) has no successor; the
  // player is briefed on it again rather than sent to a quest 0 that has no layout.
  if (const int next = nextQuest(game.questNumber)) game.questNumber = static_cast<uint8_t>(next);
}
