#include "world/WorldState.h"

#include <algorithm>

#include "platform/Audio.h"
#include "quests/QuestLayout.h"
#include "quests/WorldArt.h"
#include "world/Kinds.h"
#include "world/WorldRules.h"

void WorldState::loadArt(GraphicsDevice* graphics, int quest) {
  textFont = std::make_unique<TextFont>();
  textFont->Create(graphics, "Arial", 19, 0, 0, 0, 0);
  textFont->Begin();
  sheet = std::make_unique<SpriteSheet>();
  const int slots = worldSheetSlots(quest);
  sheet->Create(graphics, slots);
  sheet->SetAlphaTest(1);
  for (int slot = 0; slot < slots; ++slot) {
    const SlotArt art = worldSlotArt(quest, slot);
    if (art.file) sheet->Load(slot, art.file, art.frameWidth, art.frameHeight, art.colourKey, 25);
  }
}

// Everything but the art goes back to its start value: a quest's setup then writes only what
// its layout needs.
void WorldState::reset() {
  const uint8_t keptQuest = questNumber;
  static_cast<WorldFields&>(*this) = WorldFields{};
  questNumber = keptQuest;

  musicSwitchPending = 1;
  continueButtonX = 320;
  continueButtonY = 442;
  ballX = 750;
  std::fill(std::begin(storeStock), std::end(storeStock), 1);
  machineBurstFrames[0] = 0;
  machineBurstFrames[1] = 6;
  machineBurstFrames[2] = 10;
}

void WorldState::animate() {
  if (fastAnimTimer.fires(100)) {
    coinFrame = (coinFrame + 1) % 4;
    ballFrame = (ballFrame + 1) % 4;
    sparkleFrame = (sparkleFrame + 1) % 16;
    animateTrapDoors(*this);
    if (machineBurstActive) {
      machineBurstFrames[0] = (machineBurstFrames[0] + 1) % 16;
      machineBurstFrames[1] = (machineBurstFrames[1] + 1) % 16;
      machineBurstFrames[2] = machineBurstFrames[2] == 0 ? 15 : machineBurstFrames[2] - 1;
    }
  }
  if (midAnimTimer.fires(200)) {
    keyFrame = (keyFrame + 1) % 4;
    hammerFrame = (hammerFrame + 1) % 4;
    teleporterFrame = (teleporterFrame + 1) % 4;
    if (burstActive[0] || burstActive[1] || burstActive[2] || blockBurstActive) burstFrame = (burstFrame + 1) % 4;
    // The gem rocks back and forth: 0, 1, 2, 3, 3, 2, 1, 0, 0, 1, ...
    if (gemFrameRising) {
      if (gemFrame == 3)
        gemFrameRising = 0;
      else
        ++gemFrame;
    } else if (gemFrame == 0) {
      gemFrameRising = 1;
    } else {
      --gemFrame;
    }
  }
  if (slowAnimTimer.fires(500)) {
    weightFrame = (weightFrame + 1) % 4;
    foodFrame ^= 1;
  }
  if (bubbleShown && bubbleTimer.fires(1000)) {
    bubbleShown = 0;
    bubbleHeart = bubbleCoin = bubbleGem = bubbleKey1 = bubbleKey3 = bubbleKey2 = bubbleKey4 = bubbleWeight = 0;
  }
}

void WorldState::testGoal(int nextX, int nextY) {
  if (!goalActive) return;
  const bool acrossX = (nextX + 26 > goalX && nextX + 26 < goalX + goalWidth) || (nextX > goalX && nextX < goalX + goalWidth);
  if (acrossX && nextY + 45 > goalY && nextY < goalY + goalHeight) {
    goalActive = 0;
    questSolved = 1;
  }
}

void WorldState::serveSounds(SoundEffect& sound, const WorldRules& rules) {
  if (sndTeleport) sound.Play("Data/Teleport.wav", 83, 1);
  if (sndPot) sound.Play("Data/Pot.wav", 84, 1);
  if (sndPick) sound.Play("Data/Pick.wav", 77, 1);
  if (sndSmash) {
    sound.Play("Data/Smash.wav", smashMuffled ? rules.muffledSmashVolume : 85, 1);
    smashMuffled = 0;
  }
  if (vibrateState == 1) {
    sound.Play("Data/Vibrate.wav", 100, 1);
    vibrateState = 2;
  }
  if (sndKey || pushButtonState == 1) {
    sound.Play("Data/Key.wav", 90, 1);
    if (pushButtonState == 1) pushButtonState = 2;
  }
  if (sndCoin) sound.Play("Data/Coin.wav", rules.coinVolume, 1);
  sndTeleport = sndPot = sndPick = sndSmash = sndKey = sndCoin = 0;
}
