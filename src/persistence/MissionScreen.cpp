#include "persistence/MissionScreen.h"

#include <cstring>

#include "persistence/SlotRows.h"

namespace {
struct PageArt {
  const char* file;
  int16_t width, height;
  uint32_t key;
};
constexpr int kMostArt = 11;
// Each page's sheet, slot by slot.
constexpr PageArt kPageArt[3][kMostArt] = {
    {{"Art/Necklace.bmp", 512, 512, kKeyBlack},
     {"Art/WriteMission.bmp", 256, 64, kKeyBlack},
     {"Art/WriteSolve.bmp", 256, 64, kKeyBlack},
     {"Art/WriteFind.bmp", 256, 32, kKeyBlack},
     {"Art/WriteNeck.bmp", 256, 32, kKeyBlack}},
    {{"Art/Necklace.bmp", 512, 512, kKeyBlack},
     {"Art/WriteYouDid.bmp", 256, 32, kKeyBlack},
     {"Art/Gem1.bmp", 32, 32, kKeyBlack},
     {"Art/Gem2.bmp", 32, 32, kKeyRed},
     {"Art/Gem3.bmp", 64, 32, kKeyBlack},
     {"Art/Gem4.bmp", 32, 64, kKeyBlack},
     {"Art/Gem5.bmp", 64, 64, kKeyBlack},
     {"Art/Gem6.bmp", 64, 64, kKeyBlack},
     {"Art/Gem7.bmp", 64, 64, kKeyBlack},
     {"Art/Gem8.bmp", 64, 64, kKeyBlack},
     {"Art/Gem9.bmp", 64, 64, kKeyBlack}},
    {{"Art/Numbers5.bmp", 64, 64, kKeyBlack},
     {"Art/Dude.bmp", 32, 64, kKeyBlack},
     {"Art/Rocks2.bmp", 32, 32, kKeyBlack},
     {"Art/Rocks3.bmp", 16, 16, kKeyBlack},
     {"Art/WriteScore.bmp", 128, 32, kKeyBlack},
     {"Art/WriteMade.bmp", 256, 32, kKeyBlack},
     {"Art/WriteHall.bmp", 256, 32, kKeyBlack}},
};

struct Picture {
  int x, y;
  float scaleX, scaleY;
};
// Page 1: the necklace high above the screen, the four lines flat until they grow.
constexpr Picture kMissionStart[MissionScreen::kPictures] = {
    {50, -600, 1.3f, 1.3f}, {230, 75, 1.2f, 0}, {230, 160, 1.2f, 0}, {230, 310, 1.2f, 0}, {230, 370, 1.2f, 0}};
constexpr uint32_t kMissionGrowMs = 50;
}  // namespace

int MissionScreen::Steps::of(int rate) const {
  struct RateStep {
    int rate;
    int Steps::*step;
  };
  static constexpr RateStep kRateSteps[] = {{15, &Steps::at15},   {40, &Steps::at40},   {70, &Steps::at70},
                                            {110, &Steps::at110}, {177, &Steps::at177}, {250, &Steps::at250}};
  const int size = rate < 0 ? -rate : rate;
  for (const RateStep& entry : kRateSteps)
    if (entry.rate == size) return rate < 0 ? -(this->*entry.step) : this->*entry.step;
  return 0;
}

void growScale(float& scale, float step, float limit) {
  scale += step;
  if (scale > limit) scale = limit;
}

void MissionScreen::Load(GraphicsDevice* graphics, uint8_t pageShown, const Name playerName) {
  page = pageShown;
  if (page >= kMission && page <= kEnding) {
    const PageArt* art = kPageArt[page - 1];
    sheet.Create(graphics, kMostArt);
    for (int slot = 0; slot < kMostArt && art[slot].file; ++slot)
      sheet.Load(slot, art[slot].file, art[slot].width, art[slot].height, art[slot].key, 25);
    sheet.SetAlphaTest(1);
  }
  loadNameGlyphs(glyphsLow, glyphsHigh, graphics);
  std::memcpy(name, playerName, kNameSlots);
  if (page == kMission) startMission();
  if (page == kNecklace) startNecklace();
  if (page == kEnding) startEnding();
}

void MissionScreen::startMission() {
  for (int i = 0; i < kPictures; ++i) {
    picX[i] = kMissionStart[i].x;
    picY[i] = kMissionStart[i].y;
    picScaleX[i] = kMissionStart[i].scaleX;
    picScaleY[i] = kMissionStart[i].scaleY;
  }
  growing = 1;
}

// The necklace slides down until its top reaches the screen's.
void MissionScreen::slideNecklace(int step) {
  if (picY[0] >= 0) return;
  picY[0] += step;
  if (picY[0] > 0) picY[0] = 0;
}

// Each line starts growing once the one above it is well under way.
void MissionScreen::growMission() {
  if (!growTimer.fires(kMissionGrowMs) || !growing) return;
  growScale(picScaleY[1], 0.015f, 1.2f);
  if (picScaleY[1] > 0.4f) growScale(picScaleY[2], 0.02f, 1.0f);
  if (picScaleY[2] > 0.5f) growScale(picScaleY[3], 0.02f, 1.2f);
  if (picScaleY[3] > 0.2f) growScale(picScaleY[4], 0.02f, 1.2f);
  if (picScaleY[4] > 0.8f) continueShown = 1;
}

void MissionScreen::Move(const Steps& steps) {
  if (page == kMission) slideNecklace(steps.at70);
  if (page == kNecklace) {
    slideNecklace(steps.at70);
    dropGems(steps.at177);
  }
  if (page == kEnding) walkAndFall(steps);
}

void MissionScreen::Animate() {
  if (page == kMission) growMission();
  if (page == kNecklace) animateNecklace();
  if (page == kEnding) animateEnding();
}

void MissionScreen::drawPictures(int count) const {
  for (int i = 0; i < count; ++i) sheet.DrawFrame(i, 0, picX[i], picY[i], kWhite, picScaleX[i], picScaleY[i]);
}

void MissionScreen::drawContinue(const BackContinuePanel* panel, int y) const {
  if (continueShown && panel)
    panel->buttons.DrawFrame(BackContinuePanel::kContinue, continueFrame, kContinuePlace.x, y, kWhite, 1, 1);
}

void MissionScreen::Draw(const BackContinuePanel* panel, uint32_t score) const {
  if (page == kMission) {
    drawPictures(kPictures);
    drawContinue(panel, kMissionContinueY);
  }
  if (page == kNecklace) {
    drawNecklacePage();
    drawContinue(panel, kMissionContinueY);
  }
  if (page == kEnding) drawEnding(panel, score);
}
