#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
struct SDL_Texture;
struct SDL_Surface;

// Colour keys of the art: pixels of exactly this colour become transparent. 0 means no key.
constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr uint32_t kKeyRed = 0xFFFF0000;
constexpr uint32_t kKeyGreen = 0xFF00FF00;
constexpr uint32_t kKeyWhite = 0xFFFFFFFF;
constexpr uint32_t kNoKey = 0;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// One bitmap file loaded as a texture, its key colour made transparent.
class Texture {
 public:
  Texture() = default;
  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  GraphicsDevice* graphics = nullptr;
  SDL_Texture* texture = nullptr;
  int width = 0, height = 0;
  // Loaded without a colour key: every pixel is opaque, so drawing needs no blending unless faded.
  bool opaque = false;
  // Set for a keyed picture always drawn first on a screen cleared to black (a quest's
  // background): its scaled copies are kept already laid on black and drawn opaque, the same
  // pixels without blending, and the screen under it needs no clearing.
  bool drawnOnBlack = false;
  std::weak_ptr<void> renderer;  // expired once the device that made the texture has freed it

  // `format` is accepted for the callers' sake; textures keep the file's colours in 32 bits.
  int Load(GraphicsDevice* graphics, const char* file, uint32_t colourKey, int format);
  // Draws the source rectangle (0 width or height: the whole texture) at (x, y), scaled from the
  // top-left corner; a colour other than opaque white tints and fades the sprite.
  int Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
           float scaleY, uint32_t colour) const;
  void Release();
  // Whether drawing the whole picture, untinted, hides everything under it.
  bool hidesWhatIsUnder() const;

 private:
  // On the software renderer a scaled draw stretches every pixel again on every frame. Instead a
  // frame is stretched once to the size it is drawn at, by the same routine the renderer uses, and
  // the copy is drawn unscaled: the same pixels for a fraction of the work.
  struct ScaledCopy {
    int sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    int width = 0, height = 0;
    SDL_Texture* texture = nullptr;
    bool onBlack = false;  // laid on black: drawn opaque
  };
  static constexpr int kScaledCopies = 16;
  const ScaledCopy* scaledCopy(int sourceX, int sourceY, int sourceWidth, int sourceHeight, int width, int height) const;
  static SDL_Surface* layOnBlack(SDL_Surface* stretched);
  void releaseScaledCopies();

  SDL_Surface* pixels = nullptr;  // the loaded picture, kept on the software renderer to stretch from
  mutable ScaledCopy scaled[kScaledCopies];
  mutable int scaledCount = 0;
  mutable ScaledCopy scratchCopy;  // what the device's scratch texture holds for this draw
};
