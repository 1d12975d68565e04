#pragma once
#include <cstdint>

#include "platform/InputSource.h"
#include "platform/SpriteSheet.h"

// The input system: the one source the devices read from.
class InputSystem {
 public:
  InputSource* source = nullptr;

  int Create(InputSource* source);
  void Release() { source = nullptr; }
};

enum InputKind : uint16_t { kNoDevice = 0, kKeyboard = 1, kMouse = 2, kJoystick = 3 };

// One device with a snapshot of its state and per-key latches: a press acts once (KeyHit, then
// SetLatch) and the latch falls when a poll sees the key up.
class InputDevice {
 public:
  InputSystem* input = nullptr;
  uint16_t kind = kNoDevice;
  int useWindowCursor = 0;
  uint8_t state[256] = {};  // keyboard: key bytes; mouse: the four button bytes first
  int latch[256] = {};
  int cursorX = 0, cursorY = 0;
  int motionX = 0, motionY = 0;  // mouse motion since the last poll

  // Kind 3 (joystick) is not supported and fails.
  int Create(InputSystem* input, uint16_t kind, int useWindowCursor);
  void Release();
  int Acquire(int on) { return input ? 1 : 0; }
  int Poll();
  int KeyHit(int key) const;
  int ButtonHit(int button) const;
  void SetLatch(int code, int value) { latch[code & 0xFF] = value; }
  int DeltaX() const { return kind == kMouse ? motionX : 0; }
  int DeltaY() const { return kind == kMouse ? motionY : 0; }
  // Where the real pointer stood at the last poll.
  int PointerX() const { return lastMouseX; }
  int PointerY() const { return lastMouseY; }

 private:
  InputSnapshot snapshot;
  int lastMouseX = 400, lastMouseY = 400;
};

// 0 while mouse button 0 or 1 is down; otherwise latches both and returns 1. On-screen buttons act
// once this says the mouse button has been let go.
int MouseReleased(InputDevice& mouse);

// The game's own drawn pointer; it owns the mouse device.
class MouseCursor {
 public:
  SpriteSheet sheet;
  int previousX = 400, previousY = 400;
  int x = 400, y = 400;
  InputDevice mouse;

  int Load(GraphicsDevice* graphics);
  // Moves with the mouse and stays on the real pointer, even after Draw held it back.
  void Update();
  // Pulls the pointer back into the allowed area (2..796, 2..598), then draws it.
  void Draw();
};
