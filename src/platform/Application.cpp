#include "platform/Application.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>

#include "platform/Clock.h"
#include "platform/SdlInput.h"

namespace {
constexpr uint32_t kMinimumFrameMs = 16;  // about 60 frames per second when the display does not pace us
}

namespace {
bool displayIsReal() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  const bool drawsNowhere = SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0;
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  return !drawsNowhere || (asked && SDL_strcmp(asked, driver) == 0);
}
}  // namespace

Application::Application() = default;

Application::~Application() { Close(); }

int Application::Open() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
  if (options.headless) {
    useVirtualClock(options.frameMs);
    if (SDL_Init(SDL_INIT_TIMER) != 0) {
      std::fprintf(stderr, "ilvys-mission: cannot start SDL: %s\n", SDL_GetError());
      return 0;
    }
    return 1;
  }
  useRealClock();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "ilvys-mission: cannot open a display: %s\n", SDL_GetError());
    return 0;
  }
  videoStarted = true;
  // Without a display SDL falls back to drivers that draw nowhere; a player would see nothing.
  if (!displayIsReal()) {
    std::fprintf(stderr, "ilvys-mission: no display found (is DISPLAY or WAYLAND_DISPLAY set?)\n");
    return 0;
  }
  if (options.windowed) {
    window = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
  } else {
    // Full screen is asked of the window manager; without one (a bare X server) the request goes
    // unanswered and an 800 by 600 window would hold a picture laid out for the whole display. So
    // the window is made as large as the display from the start, borderless, at its corner.
    int w = 800, h = 600;
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
      w = desktop.w;
      h = desktop.h;
    }
    window = SDL_CreateWindow(caption, x, y, w, h, SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
  }
  if (!window) {
    std::fprintf(stderr, "ilvys-mission: cannot create the game window: %s\n", SDL_GetError());
    return 0;
  }
  return 1;
}

void Application::Close() {
  if (window) SDL_DestroyWindow(window);
  window = nullptr;
  if (TTF_WasInit()) TTF_Quit();
  SDL_Quit();
  videoStarted = false;
}

InputSource* Application::platformInput() {
  if (options.headless) return options.scriptedInput;
  if (!realInput) realInput = std::make_unique<SdlInput>(&graphics);
  return realInput.get();
}

int Application::Run() {
  if (!Open()) return 0;
  if (!options.headless) {
    SDL_ShowCursor(SDL_DISABLE);
  }
  if (Init() == 1) {
    while (!quitPosted) {
      if (pumpOneMessage()) continue;
      const uint32_t frameStart = SDL_GetTicks();
      if (Frame() == 0) break;
      if (!options.headless) paceWithoutDisplaySync(frameStart);
    }
  }
  Cleanup();
  Close();
  return 1;
}

bool Application::pumpOneMessage() {
  if (!videoStarted) return false;
  SDL_Event event;
  if (!SDL_PollEvent(&event)) return false;
  if (event.type == SDL_QUIT) {
    MsgProc(WindowMessage::Close);
    quitPosted = true;
  } else if (event.type == SDL_KEYDOWN && !event.key.repeat &&
             isFullScreenToggle(event.key.keysym.scancode, event.key.keysym.mod)) {
    toggleFullScreen();
  } else if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) MsgProc(WindowMessage::FocusLost);
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) MsgProc(WindowMessage::FocusGained);
  }
  return true;
}

// The renderer's logical size keeps the 800 by 600 picture scaled into whatever the window becomes.
void Application::toggleFullScreen() {
  if (!window) return;
  if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowSize(window, 800, 600);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    return;
  }
  // As at start-up: the window covers the display by itself too, in case no window manager answers.
  SDL_Rect display{};
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &display) == 0) {
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, display.x, display.y);
    SDL_SetWindowSize(window, display.w, display.h);
  }
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Frames normally wait for the display in Present. Where they do not (no vsync, or a driver that
// ignores it), sleep out the rest of a 60th of a second instead of burning a core.
void Application::paceWithoutDisplaySync(uint32_t frameStart) {
  const uint32_t spent = SDL_GetTicks() - frameStart;
  if (graphics.presentWaitsForDisplay()) {
    fastFrames = spent < 4 ? fastFrames + 1 : 0;
    if (fastFrames < 30) return;
    fastFrames = 30;
  }
  if (spent < kMinimumFrameMs) SDL_Delay(kMinimumFrameMs - spent);
}
