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

// The window's own renderer, unless OpenGL is only a software rasteriser: SDL's software renderer
// then draws the frames for far less CPU (main menu under Xvfb with llvmpipe: 6 % of a core against
// 21 % in a window; full screen on 1920 by 1080, the frame stretched once, 29 % against 50 %),
// and null is returned. ILVYS_RENDERER=software or ILVYS_RENDERER=accelerated overrides the choice.
SDL_Renderer* createAcceleratedRenderer(SDL_Window* window) {
  const char* asked = SDL_getenv("ILVYS_RENDERER");
  if (asked && SDL_strcasecmp(asked, "software") == 0) return nullptr;
  const bool accelerated = asked && SDL_strcasecmp(asked, "accelerated") == 0;
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer || accelerated || !drawsWithSoftwareOpenGl(renderer)) return renderer;
  SDL_DestroyRenderer(renderer);
  return nullptr;
}

// The window's surface is written directly: left to itself, SDL would put an OpenGL texture behind
// it and pay the software rasteriser once more for every frame.
uint32_t frameFormatFor(SDL_Window* window) {
  if (!window) return SDL_PIXELFORMAT_ARGB8888;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  // The window's own format lets the frame be copied or stretched without converting its pixels.
  return screen && screen->format->BitsPerPixel == 32 ? screen->format->format : uint32_t{SDL_PIXELFORMAT_ARGB8888};
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
  if (window) device = createAcceleratedRenderer(window);
  if (device) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(device, &info);
    hardware = (info.flags & SDL_RENDERER_ACCELERATED) ? 1 : 0;
    vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_RenderSetLogicalSize(device, width, height);
  } else {
    // Without a window, or drawn in software for one: the frame is drawn at the game's own size
    // into a surface, and shown by stretching it once to the window (see showInWindow).
    offscreen = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, frameFormatFor(window));
    if (!offscreen) return 0;
    SDL_SetSurfaceBlendMode(offscreen, SDL_BLENDMODE_NONE);
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
  if (window && offscreen) showInWindow();
  lastFrameDrawn = drawing;
  // Presenting is where a real display waits for its refresh; the virtual clock moves on here.
  advanceVirtualClock();
  return 1;
}

SDL_Rect GraphicsDevice::pictureArea(int windowWidth, int windowHeight) const {
  int w = windowWidth, h = windowHeight;
  if (windowWidth * height > windowHeight * width)
    w = windowHeight * width / height;
  else
    h = windowWidth * height / width;
  return {(windowWidth - w) / 2, (windowHeight - h) / 2, w, h};
}

// The whole frame stretched once, smoothed, to the largest area of its shape the window holds, on
// black; far cheaper than stretching each picture of it to the window's scale.
void GraphicsDevice::showInWindow() {
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  if (!screen) return;
  SDL_Rect area = pictureArea(screen->w, screen->h);
  const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
  const SDL_Rect bars[] = {{0, 0, area.x, screen->h},
                           {area.x + area.w, 0, screen->w - area.x - area.w, screen->h},
                           {area.x, 0, area.w, area.y},
                           {area.x, area.y + area.h, area.w, screen->h - area.y - area.h}};
  for (const SDL_Rect& bar : bars)
    if (bar.w > 0 && bar.h > 0) SDL_FillRect(screen, &bar, black);
  const bool sameFormat = screen->format->format == offscreen->format->format;
  if (area.w == width && area.h == height)
    SDL_BlitSurface(offscreen, nullptr, screen, &area);
  else if (!sameFormat || SDL_SoftStretchLinear(offscreen, nullptr, screen, &area) != 0)
    SDL_BlitScaled(offscreen, nullptr, screen, &area);
  SDL_UpdateWindowSurface(window);
}

void GraphicsDevice::windowToGame(int windowX, int windowY, int& gameX, int& gameY) const {
  float x = static_cast<float>(windowX), y = static_cast<float>(windowY);
  if (window && offscreen) {
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    const SDL_Rect area = pictureArea(windowWidth, windowHeight);
    if (area.w > 0 && area.h > 0) {
      x = (x - area.x) * width / area.w;
      y = (y - area.y) * height / area.h;
    }
  } else if (device && window) {
    SDL_RenderWindowToLogical(device, windowX, windowY, &x, &y);
  }
  gameX = static_cast<int>(x);
  gameY = static_cast<int>(y);
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
