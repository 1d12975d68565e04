#pragma once
#include <cstdint>

// What the input devices read once per frame: the 256 keys by keyboard scan code (non-zero while
// down), the pointer position in screen pixels and the four mouse buttons.
struct InputSnapshot {
  uint8_t keys[256] = {};
  int mouseX = 400, mouseY = 400;
  uint8_t buttons[4] = {};
};

// Where the snapshot comes from: the real keyboard and mouse, or a script in headless runs.
class InputSource {
 public:
  virtual ~InputSource() = default;
  virtual void read(InputSnapshot& snapshot) = 0;
};

// A source that returns whatever its owner put into `state` (the replay runner's input).
class ScriptedInput : public InputSource {
 public:
  InputSnapshot state;
  void read(InputSnapshot& snapshot) override { snapshot = state; }
};
