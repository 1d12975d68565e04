#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"
#include "platform/TimerPair.h"

class GraphicsDevice;

// The screen object of the quest briefing and result screens: the quest's ordinal, picture and
// goal, the necklace with the gems won, the score, the result's hearts, seconds and points, and
// the one button each screen has (Accept or Continue).
class QuestPanel {
 public:
  virtual ~QuestPanel() = default;

  static constexpr ButtonPlace kAcceptPlace = {317, 450, 128, 32};
  static constexpr ButtonPlace kContinuePlace = {260, 500, 256, 64};
  enum class Button : uint8_t { Accept, Continue };

  TextFont font;
  SpriteSheet sheet;
  uint8_t ordinal = 0;
  uint8_t gemsShown = 0;
  int pictureX = 0, pictureY = 0;
  float pictureScaleX = 1, pictureScaleY = 1;
  TimerPair gemTimer;
  uint8_t gemFrame = 0;
  uint8_t gemFrameRising = 0;
  uint8_t acceptFrame = 0;
  uint8_t continueFrame = 0;
  // Hover, press and act of the screen's button; a press fires on release or when the pointer
  // is dragged off the button.
  ButtonRule rule;
  // The campaign has already advanced on this visit of the result screen.
  uint8_t stepTaken = 0;
  uint8_t points = 0;

  void loadArt(GraphicsDevice* graphics);
  // The quest's picture for the frame; a quest without one leaves the frame empty.
  void loadPicture(int questNumber);

  void animateGems();
  void drawHeader(int x, int y, Button button, const BackContinuePanel* continueArt) const;
  void drawGoal(int questNumber);
  void drawNecklace() const;
  void drawScore(uint32_t score) const;
  void drawPoints(uint8_t hearts, uint8_t seconds) const;

  void hoverAccept(int px, int py) { rule.hover(&kAcceptPlace, &acceptFrame, 1, px, py); }
  bool pressAccept(int px, int py, const InputDevice& mouse) {
    return rule.press(&kAcceptPlace, &acceptFrame, 1, px, py, mouse) != 0;
  }
  void hoverContinue(int px, int py) { rule.hover(&kContinuePlace, &continueFrame, 1, px, py); }
  bool pressContinue(int px, int py, const InputDevice& mouse) {
    return rule.press(&kContinuePlace, &continueFrame, 1, px, py, mouse) != 0;
  }
  // True in the frame the pressed button acts.
  bool buttonActs(InputDevice& mouse) { return rule.act(mouse) != 0; }
  void endFrame() { rule.endFrame(); }
};

// The ordinal a screen shows for a quest: its place in the play order, or the quest number itself
// for a quest the order never reaches.
uint8_t shownOrdinal(int questNumber);
