#include "platform/Input.h"

#include <cstring>

int InputSystem::Create(InputSource* src) {
  source = src;
  return source ? 1 : 0;
}

int InputDevice::Create(InputSystem* system, uint16_t deviceKind, int windowCursor) {
  Release();
  if (!system || !system->source) return 0;
  if (deviceKind != kKeyboard && deviceKind != kMouse) return 0;
  input = system;
  useWindowCursor = windowCursor;
  kind = deviceKind;
  std::memset(state, 0, sizeof state);
  std::memset(latch, 0, sizeof latch);
  cursorX = cursorY = 0;
  return 1;
}

void InputDevice::Release() {
  input = nullptr;
  kind = kNoDevice;
  std::memset(state, 0, sizeof state);
  std::memset(latch, 0, sizeof latch);
  motionX = motionY = 0;
}

int InputDevice::Poll() {
  if (!input || !input->source || (kind != kKeyboard && kind != kMouse)) return 0;
  input->source->read(snapshot);
  if (kind == kKeyboard) {
    std::memcpy(state, snapshot.keys, sizeof snapshot.keys);
    for (int key = 0; key < 256; ++key)
      if (!(state[key] & 0x80)) latch[key] = 0;
  } else {
    // The motion is how far the real pointer moved, so the drawn pointer follows it.
    motionX = snapshot.mouseX - lastMouseX;
    motionY = snapshot.mouseY - lastMouseY;
    lastMouseX = snapshot.mouseX;
    lastMouseY = snapshot.mouseY;
    if (useWindowCursor) {
      cursorX = snapshot.mouseX;
      cursorY = snapshot.mouseY;
    } else {
      cursorX += motionX;
      cursorY += motionY;
    }
    for (int b = 0; b < 4; ++b) {
      state[b] = snapshot.buttons[b];
      if (state[b] == 0) latch[b] = 0;
    }
  }
  return 1;
}

int InputDevice::KeyHit(int key) const {
  if (kind == kNoDevice) return 0;
  key &= 0xFF;
  return (state[key] & 0x80) && latch[key] == 0 ? 1 : 0;
}

int InputDevice::ButtonHit(int button) const {
  if (kind != kMouse || button < 0 || button > 3) return 0;
  return (state[button] & 0x80) && latch[button] == 0 ? 1 : 0;
}

int MouseReleased(InputDevice& mouse) {
  if (mouse.ButtonHit(0) || mouse.ButtonHit(1)) return 0;
  mouse.SetLatch(0, 1);
  mouse.SetLatch(1, 1);
  return 1;
}

int MouseCursor::Load(GraphicsDevice* graphics) {
  sheet.Create(graphics, 1);
  const int ok = sheet.Load(0, "Art/Cursor2.bmp", 64, 64, kKeyRed, 25);
  sheet.SetAlphaTest(1);
  return ok;
}

void MouseCursor::Update() {
  mouse.Acquire(1);
  mouse.Poll();
  x += mouse.DeltaX();
  y += mouse.DeltaY();
  // Summing the motion alone would keep for good the distance a pull-back in Draw put between the
  // drawn pointer and the real one (a fast move into the edge band or the letterbox).
  if (mouse.kind != kMouse) return;
  x = mouse.PointerX();
  y = mouse.PointerY();
}

void MouseCursor::Draw() {
  if (x <= 1 || x >= 797 || y <= 1 || y >= 599) {
    x = previousX;
    y = previousY;
  }
  previousX = x;
  previousY = y;
  sheet.DrawFrame(0, 0, static_cast<float>(x), static_cast<float>(y), kWhite, 0.8f, 0.6f);
}
