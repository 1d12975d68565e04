#pragma once
#include <cstdint>

#include "platform/SpriteSheet.h"
#include "platform/TimerPair.h"

class GraphicsDevice;

// The painted background of a quest, its decorative props and their animations (a drawbridge, a
// portcullis, a pair of gates), and the quest's time limit.
class QuestScenery {
 public:
  QuestScenery() = default;
  virtual ~QuestScenery() = default;

  static constexpr int kTimeLimit = 150;
  // How far an opening gate (quest 2's drawbridge) comes down.
  static constexpr float kGateOpenScale = 0.9f;

  SpriteSheet sheet;
  uint8_t gateClosing = 0;
  TimerPair fadeTimer;
  uint8_t fadeActive = 0;
  float gateScale = 0;
  int propAX = 0, propAY = 0, propBX = 0, propBY = 0;
  int morePropX[4] = {}, morePropY[4] = {};
  uint8_t portcullisMoving = 0;
  uint8_t sceneryFlagB = 0, sceneryFlagC = 0;
  uint8_t propsShown = 0;
  uint8_t propShown[6] = {};
  int timeLimit = kTimeLimit;

  void load(GraphicsDevice* graphics, int quest);
  // Loads the quest's picture and props and sets their start values.
  void setupQuest(int quest);
  void draw(int quest) const;
  // Whether the background's picture hides everything under the field (no see-through key).
  bool coversField() const;
  // Quest 2's portcullis and quest 11's sliding door rise by the frame's 30 per second step until
  // their top reaches 98.
  void movePortcullis(int step, int quest);
  // The 30 ms gate animation; a closing gate vanishes once its scale falls below vanishesBelow
  // (world 4's fence, grate and gate close further than world 1's).
  void animate(float vanishesBelow = 0.2f);
};
