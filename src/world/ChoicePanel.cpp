#include "world/ChoicePanel.h"

#include "game/Panels.h"
#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace panel {
namespace {

enum Slot : int {
  kWeightIconSlot = 1, kCoinSlot = 6, kSignSlot = 7, kWeightSlot = 15, kHammerSlot = 16, kGemSlot = 18,
  kLeverSlot = 21, kFrameSlot = 26, kHighlightSlot = 27, kSpecialKeySlot = 28, kHerbSlot = 29, kWallSlot = 9,
  kHeartSlot = 31
};
constexpr ButtonPlace kChoiceZones[3] = {{335, 510, 73, 80}, {408, 510, 77, 80}, {485, 510, 73, 80}};
constexpr ButtonPlace kSignZones[4] = {{330, 500, 68, 50}, {398, 500, 68, 50}, {330, 550, 68, 150}, {398, 550, 68, 150}};
constexpr int kHighlightX[3] = {340, 410, 485};
constexpr float kHighlightScaleX[3] = {2.2f, 2.3f, 2.2f};
constexpr int kSignX[4] = {345, 416, 345, 416};
constexpr int kSignY[4] = {508, 508, 559, 559};
// Where each choice's picture and its price stand in a store's panel.
constexpr int kOfferX[3] = {345, 418, 490};

void draw(const WorldState& w, int slot, int frame, float x, float y, float sx, float sy) {
  if (w.sheet) w.sheet->DrawFrame(slot, frame, x, y, kWhite, sx, sy);
}

void drawFrame(const WorldState& w) { draw(w, kFrameSlot, 0, 300, 500, 2.3f, 1.5625f); }

bool storeOfferShown(const WorldState& w, const Offer& o) {
  if (o.gift == Gift::None) return false;
  if (o.stock >= 0) return w.storeStock[o.stock] != 0;
  return o.gift == Gift::SpecialKey ? !w.specialKeyHeld : !w.keyHeld[o.keySlot];
}

void drawOffer(const WorldState& w, const Offer& o, int choice) {
  const int x = kOfferX[choice];
  switch (o.gift) {
    case Gift::Heart: draw(w, kHeartSlot, 0, x, 514, 1.0f, 1.0f); break;
    case Gift::Hammer: draw(w, kHammerSlot, 0, x - 8, 506, 0.7f, 0.7f); break;
    case Gift::Weight: draw(w, kWeightSlot, 1, x, 512, 1.0f, 1.0f); break;
    case Gift::Key: draw(w, w.keyKind[o.keySlot], 0, x + 8, 510, 1.2f, 1.2f); break;
    case Gift::SpecialKey: draw(w, kSpecialKeySlot, 0, x + 8, 510, 1.2f, 1.2f); break;
    case Gift::None: break;
  }
  // The price as coins below the picture, 20 pixels apart.
  for (int c = 0; c < o.price && c < 3; ++c) draw(w, kCoinSlot, 0, x - 8 + 20 * c, 558, 0.9f, 0.9f);
}

void drawStore(const WorldState& w, const QuestObjects* q, int store) {
  drawFrame(w);
  if (!q || store >= static_cast<int>(q->storeScripts.size())) return;
  for (int c = 0; c < 3; ++c) {
    const Offer& o = q->storeScripts[store].choice[c];
    if (storeOfferShown(w, o)) drawOffer(w, o, c);
  }
}

void drawHighlight(const WorldState& w, int choice, bool pressed, bool storeLike) {
  const int i = choice - 1;
  const bool tall = storeLike && !pressed;
  draw(w, kHighlightSlot, pressed ? 1 : 0, kHighlightX[i], tall ? 511 : 515, kHighlightScaleX[i], tall ? 2.43f : 2.2f);
}

// The common rule of a three-choice panel: highlight the hovered choice; on a click over one, press
// it and run the action.
template <typename Action>
void runChoice(const WorldState& w, bool storeLike, Action&& action) {
  if (!w.panelChoice) return;
  if (!w.mouseClicked) {
    drawHighlight(w, w.panelChoice, false, storeLike);
    return;
  }
  drawHighlight(w, w.panelChoice, true, storeLike);
  action(w.panelChoice);
}

void runSigns(WorldState& w, Dude& d, int wall) {
  const int k = w.signChoice;
  if (!k) return;
  const bool answer = w.suspWallAnswer[wall] == k;
  if (!w.mouseClicked) {
    draw(w, kSignSlot, answer ? 1 : 0, kSignX[k - 1], kSignY[k - 1], 1, 1);
    return;
  }
  const bool opened = touchSign(w, d, wall, k);
  draw(w, kSignSlot, opened ? 1 : 0, kSignX[k - 1], kSignY[k - 1], 1, 1);
  const bool top = k <= 2;
  draw(w, kHighlightSlot, 1, (k == 1 || k == 3) ? 330 : 398, top ? 500 : 550, 2.1f, top ? 1.7f : 1.55f);
}

}  // namespace

void hover(WorldState& w, int cx, int cy) {
  w.panelChoice = 0;
  for (int i = 0; i < 3; ++i) {
    const ButtonPlace& z = kChoiceZones[i];
    if (InRect(z.x, z.y, z.width, z.height, cx, cy)) w.panelChoice = static_cast<uint8_t>(i + 1);
  }
  w.signChoice = 0;
  for (int i = 0; i < 4; ++i) {
    const ButtonPlace& z = kSignZones[i];
    if (InRect(z.x, z.y, z.width, z.height, cx, cy)) w.signChoice = static_cast<uint8_t>(i + 1);
  }
}

void draw(const WorldState& w, const QuestObjects* q) {
  int which = 0;
  if (atLever(w, which)) {
    drawFrame(w);
    for (int p = 0; p < 3; ++p) draw(w, kLeverSlot, p, 348 + 75 * p, 520, 0.8f, 0.8f);
  }
  if (atCatapult(w, which)) {
    drawFrame(w);
    draw(w, kWeightSlot, 1, 365, 538, 0.6f, 0.6f);
    draw(w, kWeightSlot, 1, 421, 531, 1.3f, 1.2f);
    draw(w, kWeightIconSlot, 0, 486, 514, 1.05f, 1.1f);
  }
  if (atStore(w, which)) drawStore(w, q, which);
  if (w.dudeAtTrader) {
    drawFrame(w);
    if (!w.herbReceived) {
      draw(w, kHerbSlot, 0, 424, 510, 1.3f, 1.0f);
      draw(w, kGemSlot, w.gemFrame, 429, 564, 0.9f, 0.9f);
    }
  }
  if (atSuspiciousWall(w, which)) draw(w, kWallSlot, 0, 315, 500, 2.5f, 1.5625f);
  if (w.dudeAtButton) drawFrame(w);
}

void runScripts(WorldState& w, Dude& d, const QuestObjects* q) {
  if (!q) return;
  // Every lever has its own script: standing at two levers at once, a click sets both.
  for (int lever = 0; lever < w.leverCount && lever < kMaxObjects; ++lever)
    if (w.dudeAtLever[lever]) runChoice(w, false, [&](int c) { pullLever(w, *q, lever, c); });
  int which = 0;
  if (atCatapult(w, which) && !w.flightActive)
    runChoice(w, false, [&](int c) { throwFromCatapult(w, *q, which, c); });
  if (atStore(w, which)) runChoice(w, true, [&](int c) { buy(w, d, *q, which, c); });
  if (w.dudeAtTrader) runChoice(w, true, [&](int c) { trade(w, *q, c); });
  for (int wall = 0; wall < 2; ++wall)
    if (w.dudeAtSuspWall[wall]) runSigns(w, d, wall);
  if (w.dudeAtButton) runPushButton(w, d, *q);
}

}  // namespace panel
