#include "platform/GraphicsDevice.h"

#include <SDL.h>

#include "platform/Clock.h"
#include "platform/ScreenshotPng.h"

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// Whether the renderer draws through an OpenGL that is itself a software rasteriser: Mesa's
// llvmpipe, softpipe or swrast on a machine without a GPU.
bool drawsWithSoftwareOpenGl(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name || SDL_strncmp(info.name, "opengl", 6) != 0)
    return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const char* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
  if (!name) return false;
  for (const char* rasteriser : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast", "SwiftShader"})
    if (SDL_strstr(name, rasteriser)) return true;
  return false;
}

// The window's renderer. Where OpenGL is a software rasteriser and the window shows the game at its
// own size, SDL's own software renderer draws the frames for far less CPU (main menu under Xvfb
// with llvmpipe: 6 % of a core against 21 %), so it is taken instead. Filling a larger display it
// would stretch every picture on the CPU, and costs as much as llvmpipe (about 45 % either way).
// ILVYS_RENDERER=software or ILVYS_RENDERER=accelerated overrides the choice.
SDL_Renderer* createWindowRenderer(SDL_Window* window, int gameWidth, int gameHeight) {
  const char* asked = SDL_getenv("ILVYS_RENDERER");
  const bool software = asked && SDL_strcasecmp(asked, "software") == 0;
  const bool accelerated = asked && SDL_strcasecmp(asked, "accelerated") == 0;
  int windowWidth = 0, windowHeight = 0;
  SDL_GetWindowSize(window, &windowWidth, &windowHeight);
  const bool gameSize = windowWidth == gameWidth && windowHeight == gameHeight;
  if (!software) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer && (accelerated || !gameSize || !drawsWithSoftwareOpenGl(renderer))) return renderer;
    if (renderer) SDL_DestroyRenderer(renderer);
  }
  // Presented straight through the window's own surface: left to itself, SDL would put an OpenGL
  // texture behind that surface and pay the software rasteriser once more for every frame.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace

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
    device = createWindowRenderer(window, width, height);
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
  if (stretchesOnCpu()) makeScratch();
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

int GraphicsDevice::ClearRect(uint32_t colour, int x, int y, int w, int h) {
  if (!device) return 0;
  if (!drawing) return 1;
  SDL_SetRenderDrawColor(device, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, 255);
  SDL_SetRenderDrawBlendMode(device, SDL_BLENDMODE_NONE);
  const SDL_Rect area{x, y, w, h};
  SDL_RenderFillRect(device, &area);
  SDL_SetRenderDrawBlendMode(device, SDL_BLENDMODE_BLEND);
  return 1;
}

bool GraphicsDevice::stretchesOnCpu() const {
  if (!device || hardware) return false;
  float scaleX = 0, scaleY = 0;
  SDL_RenderGetScale(device, &scaleX, &scaleY);
  return scaleX == 1.0f && scaleY == 1.0f;
}

// A streaming texture of the screen's size, made once; its pixels are written directly.
bool GraphicsDevice::makeScratch() {
  scratch = SDL_CreateTexture(device, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
  if (!scratch) return false;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(scratch, nullptr, &pixels, &pitch) == 0) {
    scratchPixels = SDL_CreateRGBSurfaceWithFormatFrom(pixels, width, height, 32, pitch, SDL_PIXELFORMAT_ARGB8888);
    SDL_UnlockTexture(scratch);
  }
  if (scratchPixels) return true;
  SDL_DestroyTexture(scratch);
  scratch = nullptr;
  return false;
}

SDL_Texture* GraphicsDevice::stretchIntoScratch(SDL_Surface* from, const SDL_Rect& source, int w, int h) {
  if (!scratch || !from || w > scratchPixels->w || h > scratchPixels->h ||
      from->format->format != scratchPixels->format->format)
    return nullptr;
  void* pixels = nullptr;
  int pitch = 0;
  // Locking first draws what is still queued from the scratch texture's last use.
  if (SDL_LockTexture(scratch, nullptr, &pixels, &pitch) != 0) return nullptr;
  scratchPixels->pixels = pixels;
  scratchPixels->pitch = pitch;
  const SDL_Rect area{0, 0, w, h};
  const bool stretched = SDL_SoftStretchLinear(from, &source, scratchPixels, &area) == 0;
  SDL_UnlockTexture(scratch);
  return stretched ? scratch : nullptr;
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
  if (scratchPixels) SDL_FreeSurface(scratchPixels);
  scratchPixels = nullptr;
  if (scratch) SDL_DestroyTexture(scratch);
  scratch = nullptr;
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
