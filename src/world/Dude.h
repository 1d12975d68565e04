#pragma once
#include <cstdint>

#include "platform/SpriteSheet.h"
#include "platform/TimerPair.h"
#include "quests/QuestLayout.h"

class GraphicsDevice;
class InputDevice;

constexpr int kMaxWalls = 20;

// The player's figure: position, hearts, the quest's invisible walls, and the in-game menu, which
// is drawn in place of the figure while it is open.
class Dude {
 public:
  Dude() = default;
  virtual ~Dude() = default;

  enum Direction : uint8_t { kNone = 0, kRight, kLeft, kUp, kDown };
  enum MenuState : uint8_t { kPlaying = 0, kOutOfHearts = 1, kMenuOpen = 2 };
  static constexpr int kWidth = 29, kHeight = 51;
  static constexpr int kFieldWidth = 800, kFieldHeight = 500;
  static constexpr int kCheeringFrame = 29;

  SpriteSheet sheet;
  uint8_t wallUpCount = 0, wallDownCount = 0, wallLeftCount = 0, wallRightCount = 0;
  int menuX = 330;
  uint8_t menuState = kPlaying;
  HorizontalWall wallUp[kMaxWalls] = {}, wallDown[kMaxWalls] = {};
  VerticalWall wallLeft[kMaxWalls] = {}, wallRight[kMaxWalls] = {};
  uint8_t direction = kNone;
  int x = 0, y = 0;
  uint8_t width = kWidth, height = kHeight;
  int nextX = 0, nextY = 0;
  TimerPair walkTimer, idleTimer;
  uint8_t hearts = 1;
  uint8_t menuButtonFrame[5] = {};  // Restart, Main Menu, Save, Cancel, Quit
  uint8_t frame = 0;
  uint8_t frameRising = 1;

  void loadArt(GraphicsDevice* graphics);
  // The start position, hearts and walls of the quest.
  void setupQuest(int quest);
  // Reads the arrows: the last matching row wins (down beats up beats left beats right). Returns
  // whether an arrow key was down.
  bool readArrows(const InputDevice& keyboard);
  void step(int pixels);
  void animateWalk();
  void animateIdle();
  void clampToField();
  // The invisible walls only stop a crossing; then the proposal becomes the position.
  void applyWalls();
  void commit() {
    x = nextX;
    y = nextY;
  }
  void draw() const;
};
