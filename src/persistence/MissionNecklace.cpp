#include "persistence/MissionScreen.h"
#include "quests/QuestPanelLayout.h"

// Page 2: the necklace complete. The nine gems drop one after another into their settings.
namespace {
struct Gem {
  int sheetSlot;
  int x, restY;
  float scale;
};
// In falling order.
constexpr Gem kGemFall[MissionScreen::kGems] = {{4, 547, 452, 1},     {8, 420, 504, 0.9f}, {2, 67, 160, 1.1f},
                                                {3, 166, 444, 1.2f},  {9, 87, 314, 0.7f},  {7, 286, 504, 0.9f},
                                                {10, 634, 314, 0.7f}, {5, 665, 150, 1},    {6, 350, 526, 1}};
constexpr int kFirstGemSlot = 2, kLastGemSlot = 10;
constexpr int kGemStartY = -100;
constexpr int kFirstGemFallsFromNecklaceY = -199;
constexpr int kNextGemFallsBelowY = 100;
constexpr int kNameGrowsFromNecklaceY = -399;
constexpr uint32_t kGrowMs = 70, kGemShimmerMs = 200;
constexpr int kNameCentre = 363, kNameY = 90;
}  // namespace

void MissionScreen::startNecklace() {
  picX[0] = 50;
  picY[0] = -600;
  picScaleX[0] = picScaleY[0] = 1.3f;
  picX[1] = 205;
  picY[1] = 250;
  picScaleX[1] = 1.3f;
  picScaleY[1] = 0;
  nameScaleY = 0;
  for (int& y : gemY) y = kGemStartY;
  gemFrame = 0;
  gemRising = 0;  // so the first shimmer step keeps frame 0 and turns
}

// A gem falls once the one before it has passed the upper part of the screen.
void MissionScreen::dropGems(int step) {
  for (int i = 0; i < kGems; ++i) {
    const bool released = i == 0 ? picY[0] >= kFirstGemFallsFromNecklaceY : gemY[i - 1] > kNextGemFallsBelowY;
    if (!released || gemY[i] >= kGemFall[i].restY) continue;
    gemY[i] += step;
    if (gemY[i] > kGemFall[i].restY) gemY[i] = kGemFall[i].restY;
  }
  if (gemY[kGems - 1] >= kGemFall[kGems - 1].restY) continueShown = 1;
}

void MissionScreen::animateNecklace() {
  if (growTimer.fires(kGrowMs) && picY[0] >= kNameGrowsFromNecklaceY) {
    growScale(nameScaleY, 0.012f, 1.0f);
    if (nameScaleY > 0.4f) growScale(picScaleY[1], 0.03f, 1.3f);
  }
  if (gemTimer.fires(kGemShimmerMs)) stepGemFrame(gemFrame, gemRising);
}

void MissionScreen::drawNecklacePage() const {
  drawPictures(1);
  drawName(glyphsLow, glyphsHigh, name, kNameCentre, kNameY, nameScaleY);
  sheet.DrawFrame(1, 0, picX[1], picY[1], kWhite, picScaleX[1], picScaleY[1]);
  for (int slot = kFirstGemSlot; slot <= kLastGemSlot; ++slot)
    for (int i = 0; i < kGems; ++i)
      if (kGemFall[i].sheetSlot == slot)
        sheet.DrawFrame(slot, gemFrame, kGemFall[i].x, gemY[i], kWhite, kGemFall[i].scale, kGemFall[i].scale);
}
