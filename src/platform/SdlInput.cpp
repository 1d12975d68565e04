#include "platform/SdlInput.h"

#include <SDL.h>

#include "platform/GraphicsDevice.h"
#include "platform/KeyCodes.h"

namespace {
struct ScanMapping {
  SDL_Scancode sdl;
  uint8_t code;
};
constexpr ScanMapping kScanMap[] = {
    {SDL_SCANCODE_ESCAPE, kKeyEscape}, {SDL_SCANCODE_BACKSPACE, kKeyBackspace}, {SDL_SCANCODE_RETURN, kKeyEnter},
    {SDL_SCANCODE_KP_ENTER, kKeyPadEnter}, {SDL_SCANCODE_LSHIFT, kKeyLeftShift}, {SDL_SCANCODE_RSHIFT, kKeyRightShift},
    {SDL_SCANCODE_PERIOD, kKeyPeriod}, {SDL_SCANCODE_SPACE, kKeySpace}, {SDL_SCANCODE_UP, kKeyUp},
    {SDL_SCANCODE_DOWN, kKeyDown}, {SDL_SCANCODE_LEFT, kKeyLeft}, {SDL_SCANCODE_RIGHT, kKeyRight},
    {SDL_SCANCODE_KP_8, kKeyPad8}, {SDL_SCANCODE_KP_4, kKeyPad4}, {SDL_SCANCODE_KP_6, kKeyPad6},
    {SDL_SCANCODE_KP_2, kKeyPad2}, {SDL_SCANCODE_KP_0, kKeyPad0}, {SDL_SCANCODE_KP_PERIOD, kKeyPadPeriod},
    {SDL_SCANCODE_DELETE, kKeyDelete},
    {SDL_SCANCODE_A, kKeyA}, {SDL_SCANCODE_B, kKeyB}, {SDL_SCANCODE_C, kKeyC}, {SDL_SCANCODE_D, kKeyD},
    {SDL_SCANCODE_E, kKeyE}, {SDL_SCANCODE_F, kKeyF}, {SDL_SCANCODE_G, kKeyG}, {SDL_SCANCODE_H, kKeyH},
    {SDL_SCANCODE_I, kKeyI}, {SDL_SCANCODE_J, kKeyJ}, {SDL_SCANCODE_K, kKeyK}, {SDL_SCANCODE_L, kKeyL},
    {SDL_SCANCODE_M, kKeyM}, {SDL_SCANCODE_N, kKeyN}, {SDL_SCANCODE_O, kKeyO}, {SDL_SCANCODE_P, kKeyP},
    {SDL_SCANCODE_Q, kKeyQ}, {SDL_SCANCODE_R, kKeyR}, {SDL_SCANCODE_S, kKeyS}, {SDL_SCANCODE_T, kKeyT},
    {SDL_SCANCODE_U, kKeyU}, {SDL_SCANCODE_V, kKeyV}, {SDL_SCANCODE_W, kKeyW}, {SDL_SCANCODE_X, kKeyX},
    {SDL_SCANCODE_Y, kKeyY}, {SDL_SCANCODE_Z, kKeyZ}, {SDL_SCANCODE_1, kKey1}, {SDL_SCANCODE_0, kKey0},
};
}  // namespace

bool isFullScreenToggle(int scancode, uint16_t modifiers) {
  if (scancode == SDL_SCANCODE_F11) return true;
  const bool enter = scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER;
  return enter && (modifiers & KMOD_ALT) != 0;
}

void SdlInput::read(InputSnapshot& snapshot) {
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  for (const ScanMapping& m : kScanMap) snapshot.keys[m.code] = (m.sdl < count && keys[m.sdl]) ? 0x80 : 0;
  // Alt+Enter must not also say Yes in the quit dialog or accept a briefing.
  if (SDL_GetModState() & KMOD_ALT) snapshot.keys[kKeyEnter] = snapshot.keys[kKeyPadEnter] = 0;

  int windowX = 0, windowY = 0;
  const Uint32 mask = SDL_GetMouseState(&windowX, &windowY);
  snapshot.mouseX = windowX;
  snapshot.mouseY = windowY;
  if (graphics) graphics->windowToGame(windowX, windowY, snapshot.mouseX, snapshot.mouseY);
  snapshot.buttons[0] = (mask & SDL_BUTTON_LMASK) ? 0x80 : 0;
  snapshot.buttons[1] = (mask & SDL_BUTTON_RMASK) ? 0x80 : 0;
  snapshot.buttons[2] = (mask & SDL_BUTTON_MMASK) ? 0x80 : 0;
  snapshot.buttons[3] = (mask & SDL_BUTTON_X1MASK) ? 0x80 : 0;
}
