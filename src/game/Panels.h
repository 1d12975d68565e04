#pragma once
#include <cstdint>

#include "platform/Input.h"
#include "platform/SpriteSheet.h"
#include "platform/Texture.h"

class GraphicsDevice;

// 1 when (px, py) lies in the rectangle: the left and top edges are inside, the right and bottom
// edges outside.
int InRect(int x, int y, int width, int height, int px, int py);

struct ButtonPlace {
  int x, y, width, height;
};

// The rule every on-screen button follows: the button under the pointer is highlighted, a mouse
// press marks it, and it acts when the mouse button is let go or the pointer slides off it.
// Buttons are numbered from 1 in the order of the screen's table; frames are 0 normal, 1 under the
// pointer, 2 pressed.
struct ButtonRule {
  uint8_t hovered = 0;
  uint8_t selected = 0;
  uint8_t pressLock = 0;

  void hover(const ButtonPlace* places, uint8_t* frames, int count, int px, int py);
  // Returns the id of the button pressed this frame, or 0.
  int press(const ButtonPlace* places, uint8_t* frames, int count, int px, int py, const InputDevice& mouse);
  // The id of the button that acts this frame, or 0.
  int act(InputDevice& mouse);
  void endFrame() { hovered = 0; }
};

// The art of the Back and Continue buttons, shared by every screen.
class BackContinuePanel {
 public:
  virtual ~BackContinuePanel() = default;
  SpriteSheet buttons;
  static constexpr int kBack = 0;
  static constexpr int kContinue = 1;

  void Load(GraphicsDevice* graphics);
  void Destroy() { buttons.Destroy(); }
};

// The question whether to quit, with Yes (id 1) and No (id 2).
class QuitDialog {
 public:
  virtual ~QuitDialog() = default;
  static constexpr int kYes = 1;
  static constexpr int kNo = 2;
  static constexpr ButtonPlace kPlaces[2] = {{330, 300, 32, 32}, {410, 300, 32, 32}};

  Texture question;
  SpriteSheet yesButton;
  SpriteSheet noButton;
  uint8_t frames[2] = {};  // Yes, No
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  void Hover(int px, int py) { rule.hover(kPlaces, frames, 2, px, py); }
  void Press(int px, int py, const InputDevice& mouse) { rule.press(kPlaces, frames, 2, px, py, mouse); }
  void Draw() const;
  void EndFrame() { rule.endFrame(); }
};
