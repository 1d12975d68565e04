#include "platform/GraphicsDevice.h"

#include <SDL.h>

#include "platform/Clock.h"
#include "platform/ScreenshotPng.h"

GraphicsDevice::~GraphicsDevice() { Release(); }

int GraphicsDevice::Create() {
  Release();
  return 1;
}

int GraphicsDevice::SetMode(SDL_Window* win, int windowedMode, int depth, int w, int h, int bpp) {
  window = win;
  windowed = windowedMode;
  depthBuffer = 0;  // sprites are drawn in order; nothing needs depth
  width = w ? w : 800;
  height = h ? h : 600;
  bitsPerPixel = static_cast<uint8_t>(bpp ? bpp : 32);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  if (window) {
    device = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!device) device = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!device) return 0;
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(device, &info);
    hardware = (info.flags & SDL_RENDERER_ACCELERATED) ? 1 : 0;
    vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_RenderSetLogicalSize(device, width, height);
  } else {
    offscreen = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!offscreen) return 0;
    device = SDL_CreateSoftwareRenderer(offscreen);
    if (!device) return 0;
    hardware = 0;
    vsync = false;
  }
  life = std::make_shared<bool>(true);
  SDL_SetRenderDrawBlendMode(device, SDL_BLENDMODE_BLEND);
  SetAmbient(255, 255, 255);
  return 1;
}

int GraphicsDevice::BeginScene() { return device ? 1 : 0; }

int GraphicsDevice::Clear(uint32_t colour, float) {
  if (!device) return 0;
  if (!drawing) return 1;
  SDL_SetRenderDrawColor(device, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, 255);
  SDL_RenderClear(device);
  return 1;
}

int GraphicsDevice::EndScene() { return device ? 1 : 0; }

int GraphicsDevice::Present() {
  if (!device) return 0;
  SDL_RenderPresent(device);
  lastFrameDrawn = drawing;
  // Presenting is where a real display waits for its refresh; the virtual clock moves on here.
  advanceVirtualClock();
  return 1;
}

int GraphicsDevice::SetAlphaTest(int on) {
  if (!device) return 0;
  alphaTest = on;
  return 1;
}

int GraphicsDevice::SetAlphaBlend(int on, int, int) { return device ? 1 : 0; }

int GraphicsDevice::SetAmbient(uint8_t red, uint8_t green, uint8_t blue) {
  if (!device) return 0;
  ambientRed = red;
  ambientGreen = green;
  ambientBlue = blue;
  return 1;
}

int GraphicsDevice::Release() {
  life.reset();
  if (device) SDL_DestroyRenderer(device);
  device = nullptr;
  if (offscreen) SDL_FreeSurface(offscreen);
  offscreen = nullptr;
  return 1;
}

int GraphicsDevice::SaveScreenshot(const char* path) {
  if (!device) return 0;
  if (offscreen) return writeScreenshotPng(offscreen, path) ? 1 : 0;
  SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!shot) return 0;
  int ok = SDL_RenderReadPixels(device, nullptr, SDL_PIXELFORMAT_ARGB8888, shot->pixels, shot->pitch) == 0 &&
           writeScreenshotPng(shot, path);
  SDL_FreeSurface(shot);
  return ok ? 1 : 0;
}
