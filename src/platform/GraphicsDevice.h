#pragma once
#include <cstdint>
#include <memory>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
struct SDL_Rect;

// The one drawing device: an SDL renderer on the game window, or a software renderer drawing into
// an 800 by 600 surface, which is then shown in the window (where OpenGL itself is only software)
// or in headless runs is the whole screen. Everything else draws through it the same way.
class GraphicsDevice {
 public:
  GraphicsDevice() = default;
  ~GraphicsDevice();
  GraphicsDevice(const GraphicsDevice&) = delete;
  GraphicsDevice& operator=(const GraphicsDevice&) = delete;

  SDL_Window* window = nullptr;
  SDL_Renderer* device = nullptr;
  SDL_Surface* offscreen = nullptr;  // the frame drawn in software
  int windowed = 1;
  int depthBuffer = 0;
  int hardware = 0;
  int width = 0, height = 0;
  uint8_t bitsPerPixel = 0;
  uint8_t ambientRed = 255, ambientGreen = 255, ambientBlue = 255;
  int alphaTest = 0;
  // Headless runs skip the pixel work of frames nobody looks at; the game itself runs the same.
  bool drawing = true;
  bool lastFrameDrawn = true;  // whether the frame last presented was drawn

  int Create();
  // With a window: a renderer on it, presenting in step with the display. Without one: the
  // headless back end.
  int SetMode(SDL_Window* window, int windowed, int depthBuffer, int width, int height, int bitsPerPixel);
  int BeginScene();
  int Clear(uint32_t colour, float z);
  // Clears one rectangle only, for frames whose pictures cover the rest of the screen.
  int ClearRect(uint32_t colour, int x, int y, int w, int h);
  int EndScene();
  int Present();
  int SetAlphaTest(int on);
  int SetAlphaBlend(int on, int source, int destination);
  int SetAmbient(uint8_t red, uint8_t green, uint8_t blue);
  int Release();

  // Writes the last presented frame as a PNG file; 1 on success.
  int SaveScreenshot(const char* path);
  // Whether drawing is SDL's software renderer at the game's own size: scaled pictures are then
  // best stretched once and kept (see Texture) rather than stretched again on every frame.
  bool stretchesOnCpu() const;
  // `source` of `from` stretched to width by height in a texture kept for the purpose, for sizes no
  // copy is kept of; null when it does not fit. Valid until the next call.
  SDL_Texture* stretchIntoScratch(SDL_Surface* from, const SDL_Rect& source, int width, int height);
  // A point of the window in the game's 800 by 600 coordinates.
  void windowToGame(int windowX, int windowY, int& gameX, int& gameY) const;
  // Whether the renderer waits for the display when presenting.
  bool presentWaitsForDisplay() const { return vsync; }
  // Lives exactly as long as the renderer. Textures made on it hold a weak reference: once the
  // renderer is gone, it has freed them, and they must not be freed again.
  std::weak_ptr<void> rendererLife() const { return life; }

 private:
  bool makeScratch();
  // Where in a window of that size the frame is shown, as large as it fits, centred.
  SDL_Rect pictureArea(int windowWidth, int windowHeight) const;
  void showInWindow();

  bool vsync = false;
  SDL_Texture* scratch = nullptr;
  SDL_Surface* scratchPixels = nullptr;  // the scratch texture's pixels seen as a surface
  std::shared_ptr<void> life;
};
