#include "world/Hud.h"

#include "game/Panels.h"
#include "quests/QuestTexts.h"
#include "world/Dude.h"
#include "world/WorldState.h"

namespace hud {
namespace {

// Roles of the world sheet's slots.
enum Slot : int {
  kBarSlot = 0, kWeightIconSlot = 1, kTimerFrameSlot = 2, kMenuButtonSlot = 3, kInfoButtonSlot = 4,
  kDigitSlot = 5, kCoinSlot = 6, kKeySlot = 7, kWeightSlot = 15, kHammerSlot = 16, kGemSlot = 18,
  kKey2Slot = 19, kKey3Slot = 20, kMessageFrameSlot = 26, kSpecialKeySlot = 28, kHerbSlot = 29,
  kBubbleSlot = 30, kHeartSlot = 31, kHornSlot = 34
};

constexpr int kBarY = 500;

void draw(const WorldState& world, int slot, int frame, float x, float y, float scaleX, float scaleY) {
  if (world.sheet) world.sheet->DrawFrame(slot, frame, x, y, kWhite, scaleX, scaleY);
}

void drawCoins(const WorldState& world) {
  const int held = world.coinsHeld;
  if (held < 1 || held > 10) return;
  // Up to eight in a row; nine and ten squeeze the extra ones in below.
  const int inRow = held <= 8 ? held : 8;
  for (int i = 0; i < inRow; ++i) draw(world, kCoinSlot, 0, 20 + 30 * i, 540, 1.2f, 1.4f);
  if (held == 9) draw(world, kCoinSlot, 0, 35, 560, 1.2f, 1.4f);
  if (held == 10) {
    draw(world, kCoinSlot, 0, 42, 563, 0.75f, 1.2f);
    draw(world, kCoinSlot, 0, 72, 563, 0.75f, 1.2f);
  }
}

void drawWeights(const WorldState& world) {
  static constexpr int kFirstX[5] = {0, 350, 350, 350, 300};
  const int held = world.weightsHeld;
  if (held < 1 || held > 4) return;
  for (int i = 0; i < held; ++i) draw(world, kWeightIconSlot, 0, kFirstX[held] + 50 * i, 538, 0.7f, 0.7f);
}

}  // namespace

bool overMenuButton(int cx, int cy) { return InRect(710, 564, 70, 200, cx, cy); }
bool overInfoButton(int cx, int cy) { return InRect(780, 564, 200, 200, cx, cy); }
bool overContinueButton(const WorldState& world, int cx, int cy) {
  return InRect(world.continueButtonX, world.continueButtonY, 256, 64, cx, cy);
}

void hover(WorldState& world, int cx, int cy) {
  world.menuButtonFrame = overMenuButton(cx, cy) ? 1 : 0;
  world.infoButtonFrame = overInfoButton(cx, cy) ? 1 : 0;
  if (!world.questSolved) return;
  if (overContinueButton(world, cx, cy)) {
    world.hudButtonHover = kContinue;
    if (!world.continuePressed) world.continueButtonFrame = 1;
  } else if (!world.continuePressed) {
    world.continueButtonFrame = 0;
  }
}

bool barCoversScreen(const WorldState& world) {
  if (!world.sheet) return false;
  for (const int slot : {kBarSlot, kMenuButtonSlot, kInfoButtonSlot}) {
    const Texture& t = world.sheet->textures[slot];
    if (!t.texture || !t.opaque) return false;
  }
  return true;
}

void drawBar(const WorldState& world) {
  draw(world, kBarSlot, 0, 0, kBarY, 11.09375f, 1.5625f);
  draw(world, kMenuButtonSlot, world.menuButtonFrame, 710, 564, 1.09375f, 1.125f);
  draw(world, kInfoButtonSlot, world.infoButtonFrame, 780, 564, 1.25f, 1.125f);
}

void drawTime(WorldState& world, uint32_t secondsLeft) {
  draw(world, kTimerFrameSlot, 0, kTimeFrameX, kTimeFrameY, 1.40625f, 2.0f);
  world.timeDigits[0] = secondsLeft % 10;
  world.timeDigits[1] = secondsLeft / 10 % 10;
  world.timeDigits[2] = secondsLeft / 100 % 10;
  const uint8_t* d = world.timeDigits;
  const auto digit = [&](int value, int x) { draw(world, kDigitSlot, value, x, 517, 0.6f, 0.75f); };
  if (d[2] != 0) {
    digit(d[0], 761);
    digit(d[1], 742);
    digit(d[2], 725);
  } else if (d[1] != 0) {
    digit(d[0], 753);
    digit(d[1], 736);
  } else {
    digit(d[0], 746);
  }
}

void drawInventory(const WorldState& world) {
  drawCoins(world);
  static constexpr int kKeyPlaces[3][2] = {{240, 542}, {270, 540}, {300, 540}};
  for (int k = 0; k < 3; ++k)
    if (world.keyHeld[k]) draw(world, world.keyKind[k], 0, kKeyPlaces[k][0], kKeyPlaces[k][1], 1.3f, 1.3f);
  drawWeights(world);
  if (world.hammersHeld >= 1 && world.hammersHeld <= 3)
    for (int i = 0; i < world.hammersHeld; ++i) draw(world, kHammerSlot, 0, 500 + 50 * i, 535, 0.9f, 0.9f);
  if (world.gemState == 1) draw(world, kGemSlot, 0, 630, 542, 1.25f, 1.25f);
  if (world.specialKeyHeld) draw(world, kSpecialKeySlot, 0, 203, 540, 1.4f, 1.5f);
  if (world.herbReceived) draw(world, kHerbSlot, 0, 630, 513, 1.3f, 1.2f);
  if (world.hornShown) draw(world, kHornSlot, 0, 616, 523, 1.1f, 1.1f);
}

void drawHearts(const WorldState& world, Dude& dude) {
  if (dude.hearts > 200) dude.menuState = Dude::kOutOfHearts;
  if (dude.hearts < 1 || dude.hearts > 10) return;
  for (int i = 0; i < dude.hearts; ++i) draw(world, kHeartSlot, 0, 100 + 30 * i, 505, 0.8f, 0.8f);
}

void drawBubble(const WorldState& world, const Dude& dude) {
  if (!world.bubbleShown) return;
  const int x = dude.x, y = dude.y;
  draw(world, kBubbleSlot, 0, x + 30, y - 12, 0.6f, 0.6f);
  if (world.bubbleHeart) draw(world, kHeartSlot, 0, x + 42, y - 2, 0.6f, 0.6f);
  if (world.bubbleCoin) draw(world, kCoinSlot, 1, x + 42, y - 5, 0.6f, 0.7f);
  if (world.bubbleGem) draw(world, kGemSlot, 0, x + 41, y - 5, 0.7f, 0.7f);
  if (world.bubbleKey1) draw(world, kKeySlot, 0, x + 44, y - 7, 0.8f, 0.8f);
  if (world.bubbleKey3) draw(world, kKey3Slot, 0, x + 44, y - 7, 0.8f, 0.8f);
  if (world.bubbleKey2) draw(world, kKey2Slot, 0, x + 44, y - 7, 0.8f, 0.8f);
  if (world.bubbleKey4) draw(world, kSpecialKeySlot, 0, x + 44, y - 7, 0.8f, 0.8f);
  if (world.bubbleWeight) draw(world, kWeightSlot, 1, x + 40, y - 7, 0.7f, 0.7f);
}

bool solvedContinuePlace(const WorldState& world, int quest, int& x, int& y) {
  const SolvedMessage* message = solvedMessage(quest);
  if (!message) return false;
  x = world.continueButtonX;
  y = world.continueButtonY;
  if (message->continuePlace == ContinuePlace::Fixed) {
    x = message->continueX;
    y = message->continueY;
  } else if (message->continuePlace == ContinuePlace::ButtonFieldsRaised) {
    y -= 2;
  }
  return true;
}

void drawSolvedMessage(const WorldState& world, int quest, const SpriteSheet* continueSheet) {
  if (world.questSolved != 1) return;
  const SolvedMessage* message = solvedMessage(quest);
  if (!message) return;
  draw(world, kMessageFrameSlot, 0, message->frameX, kBarY, message->frameScale, 1.5625f);
  if (message->pictureSlot >= 0)
    draw(world, message->pictureSlot, 0, message->pictureX, message->pictureY, message->pictureScale,
         message->pictureScale);
  int buttonX = 0, buttonY = 0;
  solvedContinuePlace(world, quest, buttonX, buttonY);
  if (continueSheet)
    continueSheet->DrawFrame(BackContinuePanel::kContinue, world.continueButtonFrame, buttonX, buttonY, kWhite, 1, 1);
  for (int i = 0; i < message->lineCount; ++i) {
    const TextLine& line = message->lines[i];
    if (world.textFont) world.textFont->DrawText(line.text, line.x, line.y, line.width, 30, line.colour, 0);
  }
}

}  // namespace hud
