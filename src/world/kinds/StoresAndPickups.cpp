#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
bool smallItemUnder(int X, int Y, const Dude& d, int reachDown) {
  const bool across = (X < d.x + 26 && d.x + 26 < X + 40) || (X + 6 < d.x && d.x < X + 22);
  return across && Y < d.y + 45 && d.y < Y + reachDown;
}

bool offerAvailable(const WorldState& w, const Offer& o) {
  if (o.stock >= 0) return w.storeStock[o.stock] != 0;
  return o.gift == Gift::SpecialKey ? !w.specialKeyHeld : !w.keyHeld[o.keySlot];
}

void give(WorldState& w, Dude& d, const Offer& o) {
  switch (o.gift) {
    case Gift::Heart: d.hearts += 1; break;
    case Gift::Hammer: w.hammersHeld += 1; break;
    case Gift::Weight: w.weightsHeld += 1; break;
    case Gift::Key: w.keyHeld[o.keySlot] = 1; break;
    case Gift::SpecialKey:
      w.specialKeyHeld = 1;
      // A special key bought into a key slot also opens that slot's door.
      if (o.keySlot) w.keyHeld[o.keySlot] = 1;
      break;
    case Gift::None: break;
  }
}
}  // namespace

void pickUpCoinsAndFood(WorldState& w, Dude& d) {
  for (int i = 0; i < w.coinCount; ++i) {
    if (w.coinPresent[i] && smallItemUnder(w.coinX[i], w.coinY[i], d, 22)) {
      w.coinPresent[i] = 0;
      w.coinsHeld += 1;
      w.sndCoin = 1;
    }
  }
  for (int i = 0; i < w.foodCount; ++i) {
    if (w.foodPresent[i] && smallItemUnder(w.foodX[i], w.foodY[i], d, 22)) {
      w.foodPresent[i] = 0;
      d.hearts += 1;
      w.sndPick = 1;
    }
  }
}

void pickUpGem(WorldState& w, const Dude& d) {
  if (w.gemPresent && smallItemUnder(w.gemX, w.gemY, d, 27)) {
    w.gemPresent = 0;
    w.gemState = 1;
    w.sndPick = 1;
  }
}

void testStores(WorldState& w, const Dude& d) {
  for (int s = 0; s < kMaxStores; ++s) {
    w.dudeAtStore[s] = 0;
    if (!w.storePresent[s]) continue;
    const int X = w.storeX[s], Y = w.storeY[s];
    const bool across = (X + 5 < d.x + 26 && d.x + 26 < X + 37) || (X + 5 < d.x && d.x < X + 37);
    if (across && Y < d.y + 45 && d.y < Y + 64) w.dudeAtStore[s] = 1;
  }
}

void testTrader(WorldState& w, const Dude& d) {
  w.dudeAtTrader = 0;
  if (!w.traderPresent) return;
  const int X = w.traderX, Y = w.traderY;
  const bool across = (X < d.x + 26 && d.x + 26 < X + 45) || (X < d.x && d.x < X + 45);
  if (across && Y - 20 < d.y + 45 && d.y < Y + 10) w.dudeAtTrader = 1;
}

bool atStore(const WorldState& w, int& store) {
  for (int s = 0; s < kMaxStores; ++s)
    if (w.dudeAtStore[s]) {
      store = s;
      return true;
    }
  return false;
}

void buy(WorldState& w, Dude& d, const QuestObjects& q, int store, int choice) {
  if (store >= static_cast<int>(q.storeScripts.size())) return;
  const Offer& o = q.storeScripts[store].choice[choice - 1];
  if (o.gift == Gift::None || !offerAvailable(w, o)) return;
  if (w.coinsHeld < o.price) {
    w.bubbleShown = w.bubbleCoin = 1;
    return;
  }
  give(w, d, o);
  w.coinsHeld -= o.price;
  if (o.stock >= 0) w.storeStock[o.stock] = 0;
  w.sndCoin = 1;
}

void trade(WorldState& w, const QuestObjects& q, int choice) {
  if (!q.traderTakesGem || choice != 2) return;
  if (w.gemState == 1) {
    w.herbReceived = 1;
    w.questSolved = 1;
    w.gemState = 2;
  } else {
    w.bubbleShown = w.bubbleGem = 1;
  }
}
