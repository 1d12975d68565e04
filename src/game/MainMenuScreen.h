#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "platform/SpriteSheet.h"
#include "platform/Texture.h"
#include "platform/TimerPair.h"

// The main menu's night scene: palace, moon, pulsing sun, stars, falling comets, stone pillars
// sliding into place, the menu lettering growing letter by letter and the title unrolling, with
// six buttons.
class MainMenuScreen {
 public:
  virtual ~MainMenuScreen() = default;

  enum Button : uint8_t { kStartNewGame = 1, kHallOfFame, kLoadGame, kInformation, kCredits, kQuit };
  static constexpr int kButtons = 6;
  static constexpr ButtonPlace kPlaces[kButtons] = {{540, 200, 256, 32}, {540, 260, 256, 32}, {540, 320, 256, 32},
                                                    {540, 380, 256, 32}, {540, 440, 256, 32}, {540, 500, 256, 32}};

  Texture sun, star, pillar1, pillar2, pillar3;
  SpriteSheet scenery;    // see the slot names below
  SpriteSheet lettering;  // the eight letters of the menu lettering
  SpriteSheet buttons[kButtons];
  enum SceneryArt { kPalace = 0, kMoon, kStar9, kStar10, kComet, kUnused, kTitle, kTree, kBush };

  uint8_t buttonFrame[kButtons] = {};
  ButtonRule rule;
  float titleDelay = 0, titleScaleY = 0;
  int cometX[5] = {980, 580, 720, 1050, 320};
  int cometY[5] = {-100, -100, -180, -180, -180};
  float cometScale = 1.5f;
  uint8_t letterCount = 1;
  float letterScale = 0;
  float buttonScale = 0.1f;
  float sunScaleX = 1.1f, sunScaleY = 1.1f;
  uint8_t sunX = 100, sunY = 180;
  int pillar1Y = 720, pillar2X = 870, pillar3X = 900;
  uint8_t sunPhase = 1;
  int sunStepMs = 300;
  TimerPair cometTimer, buttonTimer, letterTimer, titleTimer, sunTimer;

  void Load(GraphicsDevice* graphics);
  // One frame of motion; `fast` and `slow` are the steps of the 100 and 60 per second pacers.
  void Move(int fast, int slow);
  void GrowButtons();
  void GrowLetters();
  void ShrinkComet();
  void UnrollTitle();
  void PulseSun();
  void Draw() const;
};
