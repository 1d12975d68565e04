#include "persistence/MissionScreen.h"
#include "persistence/SlotRows.h"
#include "quests/QuestPanelLayout.h"

// Page 3: the ending. The dude walks in and cheers, the name and the score grow in, and four rocks
// fall and burst into particles at the bottom.
namespace {
enum Art : int { kDigits = 0, kDude, kRock, kParticle, kWriteScore, kWriteMade, kWriteHall };

struct Rock {
  int x, startY;
  uint8_t startFrame;
  float scaleX, scaleY;
};
constexpr Rock kEndRocks[MissionScreen::kRocks] = {
    {50, -60, 0, 0.5f, 0.8f}, {250, -180, 5, 0.8f, 1.3f}, {450, -250, 14, 1, 1.2f}, {700, -360, 8, 1.2f, 0.9f}};
constexpr int kRockBurstsBelowY = 594;
constexpr int kBurstY = 600;
constexpr int burstX(int rock) { return 58 + 200 * rock; }

// Each particle's motion as signed pacer rates (x, y), per burst.
struct Drift {
  int dx, dy;
};
constexpr Drift kDrift[MissionScreen::kParticles][MissionScreen::kRocks] = {
    {{-15, -250}, {-15, -110}, {-15, -177}, {-15, -110}}, {{110, -15}, {40, -110}, {40, -177}, {40, -177}},
    {{15, -40}, {177, 250}, {177, -110}, {177, -15}},     {{-250, -70}, {-70, -15}, {-70, -177}, {-70, -40}},
    {{-110, -40}, {-110, 40}, {-110, -250}, {-110, -70}}, {{15, -110}, {40, -250}, {40, -70}, {40, -15}},
    {{110, -70}, {70, -110}, {70, -250}, {70, -110}},
};
struct Scale {
  float x, y;
};
// Bursts 0 and 1 share one set of particle shapes, bursts 2 and 3 another.
constexpr Scale kParticleScale[2][MissionScreen::kParticles] = {
    {{1, 0.5f}, {0.9f, 1.1f}, {1.1f, 1}, {0.9f, 0.9f}, {0.7f, 0.9f}, {1.1f, 0.8f}, {0.6f, 0.9f}},
    {{0.5f, 0.9f}, {0.9f, 0.6f}, {0.6f, 1.1f}, {0.9f, 0.9f}, {0.7f, 0.9f}, {0.5f, 0.8f}, {0.6f, 0.9f}},
};
constexpr int kDudeStopsAfterX = 360, kDudeRestX = 365, kDudeY = 300;
constexpr uint8_t kFirstWalkFrame = 12, kLastWalkFrame = 15, kCheeringFrame = 29;
constexpr uint8_t kLastRockFrame = 15;
constexpr uint32_t kDudeMs = 70, kGrowMs = 70, kRockMs = 100;
constexpr int kNameCentre = 371, kNameY = 90;
constexpr float kScoreFullScale = 0.4f;

void advanceRockFrame(uint8_t& frame) { frame = frame >= kLastRockFrame ? 0 : frame + 1; }
}  // namespace

void stepWalkFrame(uint8_t& frame, uint8_t& rising) {
  if (frame < kFirstWalkFrame) frame = kFirstWalkFrame;
  if (frame > kLastWalkFrame) frame = kLastWalkFrame;
  uint8_t phase = frame - kFirstWalkFrame;
  stepGemFrame(phase, rising);
  frame = kFirstWalkFrame + phase;
}

void MissionScreen::startEnding() {
  dudeX = -50;
  dudeFrame = 0;
  dudeWalking = 1;
  nameScaleY = 0;
  for (int k = 0; k < kRocks; ++k) {
    endRockFrame[k] = kEndRocks[k].startFrame;
    endRockFalling[k] = 1;
    endRockY[k] = kEndRocks[k].startY;
  }
}

void MissionScreen::walkAndFall(const Steps& steps) {
  if (dudeWalking) {
    dudeX += steps.at110;
    if (dudeX > kDudeStopsAfterX) {
      dudeX = kDudeRestX;
      dudeWalking = 0;
    }
  }
  for (int k = 0; k < kRocks; ++k) {
    if (!endRockFalling[k]) continue;
    endRockY[k] += steps.at250;
    if (endRockY[k] <= kRockBurstsBelowY) continue;
    endRockFalling[k] = 0;
    burstActive[k] = 1;
    for (int p = 0; p < kParticles; ++p) {
      particleX[p][k] = burstX(k);
      particleY[p][k] = kBurstY;
    }
  }
  // Particles fly on until they have left the screen.
  for (int k = 0; k < kRocks; ++k) {
    if (!burstActive[k]) continue;
    for (int p = 0; p < kParticles; ++p) {
      particleX[p][k] += steps.of(kDrift[p][k].dx);
      particleY[p][k] += steps.of(kDrift[p][k].dy);
    }
  }
}

void MissionScreen::animateEnding() {
  if (dudeTimer.fires(kDudeMs)) {
    if (dudeWalking)
      stepWalkFrame(dudeFrame, dudeRising);
    else
      dudeFrame = kCheeringFrame;
  }
  if (growTimer.fires(kGrowMs)) {
    growScale(nameScaleY, 0.012f, 0.9f);
    growScale(writeScoreScaleY, 0.02f, 1.0f);
    if (writeScoreScaleY > 0.8f) {
      growScale(scoreScaleY, 0.01f, kScoreFullScale);
      if (scoreScaleY >= kScoreFullScale) continueShown = 1;
    }
  }
  if (rockTimer.fires(kRockMs)) {
    for (uint8_t& frame : endRockFrame) advanceRockFrame(frame);
    advanceRockFrame(particleFrame);
  }
}

void MissionScreen::drawEnding(const BackContinuePanel* panel, uint32_t score) const {
  sheet.DrawFrame(kDude, dudeFrame, dudeX, kDudeY, kWhite, 0.9f, 0.8f);
  sheet.DrawFrame(kWriteScore, 0, 300, 155, kWhite, 1.3f, writeScoreScaleY);
  // "You made it into the Hall of Fame" only for a score that did.
  if (madeHallOfFame) {
    sheet.DrawFrame(kWriteMade, 0, 92, 505, kWhite, 1.1f, 1.3f);
    sheet.DrawFrame(kWriteHall, 0, 385, 505, kWhite, 1.3f, 1.3f);
  }
  drawName(glyphsLow, glyphsHigh, name, kNameCentre, kNameY, nameScaleY);
  drawSavedScore(sheet, kDigits, score, 321, 200, scoreScaleY);
  // Drawn ten pixels above where it answers to the pointer.
  drawContinue(panel, kMissionContinueY - 10);
  for (int k = 0; k < kRocks; ++k)
    if (endRockFalling[k])
      sheet.DrawFrame(kRock, endRockFrame[k], kEndRocks[k].x, endRockY[k], kWhite, kEndRocks[k].scaleX,
                      kEndRocks[k].scaleY);
  for (int k = 0; k < kRocks; ++k) {
    if (!burstActive[k]) continue;
    const Scale* scales = kParticleScale[k / 2];
    for (int p = 0; p < kParticles; ++p)
      sheet.DrawFrame(kParticle, particleFrame, particleX[p][k], particleY[p][k], kWhite, scales[p].x, scales[p].y);
  }
}
