#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/NameGlyphs.h"
#include "platform/SpriteSheet.h"
#include "platform/TimerPair.h"

class GraphicsDevice;

// The pages that frame the campaign: 1 the mission (the necklace slides down, the lettering grows
// in), 2 the necklace complete (the nine gems drop into place), 3 the ending (the dude walks in,
// the score grows in, rocks fall and burst). Each shows Continue once its entry has finished.
class MissionScreen {
 public:
  virtual ~MissionScreen() = default;

  enum Page : uint8_t { kMission = 1, kNecklace = 2, kEnding = 3 };
  static constexpr ButtonPlace kContinuePlace = {253, 430, 256, 64};
  static constexpr int kPictures = 5;
  static constexpr int kGems = 9;
  static constexpr int kRocks = 4;
  static constexpr int kParticles = 7;

  // This frame's steps of the six pacers the pages move by, named by their rate per second.
  struct Steps {
    int at15, at40, at110, at177, at70, at250;
    int of(int rate) const;  // a signed rate gives its step with that sign
  };

  SpriteSheet sheet;  // the page's own art
  SpriteSheet glyphsHigh, glyphsLow;
  uint8_t page = kMission;
  // Pages 1 and 2: the necklace first, then the lettering.
  int picX[kPictures] = {}, picY[kPictures] = {};
  float picScaleX[kPictures] = {}, picScaleY[kPictures] = {};
  Name name = {};
  float nameScaleY = 0;
  // Page 2
  int gemY[kGems] = {};
  uint8_t gemFrame = 0, gemRising = 0;
  // Page 3
  int dudeX = 0;
  uint8_t dudeFrame = 0, dudeWalking = 0, dudeRising = 0;
  uint8_t endRockFrame[kRocks] = {}, endRockFalling[kRocks] = {};
  int endRockY[kRocks] = {};
  uint8_t burstActive[kRocks] = {};
  int particleX[kParticles][kRocks] = {}, particleY[kParticles][kRocks] = {};
  uint8_t particleFrame = 0;
  float writeScoreScaleY = 0, scoreScaleY = 0;
  uint8_t madeHallOfFame = 0;  // this campaign's score found a place
  uint8_t growing = 0;
  uint8_t continueShown = 0, continueFrame = 0;
  ButtonRule rule;
  TimerPair growTimer, gemTimer, dudeTimer, rockTimer;

  // Loads the page's art and sets its start values.
  void Load(GraphicsDevice* graphics, uint8_t pageShown, const Name playerName);
  void Move(const Steps& steps);
  void Animate();
  void Draw(const BackContinuePanel* panel, uint32_t score) const;

 private:
  void startMission();
  void startNecklace();
  void startEnding();
  void slideNecklace(int step);
  void growMission();
  void dropGems(int step);
  void animateNecklace();
  void walkAndFall(const Steps& steps);
  void animateEnding();
  void drawPictures(int count) const;
  void drawNecklacePage() const;
  void drawEnding(const BackContinuePanel* panel, uint32_t score) const;
  void drawContinue(const BackContinuePanel* panel, int y) const;
};

constexpr int kMissionContinueY = 430;

// Grows a scale by one step, up to its limit.
void growScale(float& scale, float step, float limit);
// The ending's walking dude: frames 12 to 15 and back, resting one step at each end.
void stepWalkFrame(uint8_t& frame, uint8_t& rising);
