#include "platform/Texture.h"

#include <SDL.h>

#include "platform/GameFileReport.h"
#include "platform/GraphicsDevice.h"
#include "platform/PictureFile.h"

namespace {

// Makes every pixel of the key colour fully transparent. The surface is 32-bit ARGB.
void applyColourKey(SDL_Surface* surface, uint32_t colourKey) {
  SDL_LockSurface(surface);
  for (int y = 0; y < surface->h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x)
      if ((row[x] | 0xFF000000u) == colourKey) row[x] = 0;
  }
  SDL_UnlockSurface(surface);
}

}  // namespace

Texture::~Texture() { Release(); }

int Texture::Load(GraphicsDevice* device, const char* file, uint32_t colourKey, int) {
  Release();
  if (!device || !device->device || !file) return 0;
  const char* why = nullptr;
  SDL_Surface* loaded = loadPictureFile(file, &why);
  if (!loaded) {
    reportUnreadableGameFile(file, why);
    return 0;
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return 0;
  if (colourKey != kNoKey) applyColourKey(argb, colourKey);
  texture = SDL_CreateTextureFromSurface(device->device, argb);
  width = argb->w;
  height = argb->h;
  if (texture && device->stretchesOnCpu())
    pixels = argb;
  else
    SDL_FreeSurface(argb);
  if (!texture) {
    width = height = 0;
    return 0;
  }
  renderer = device->rendererLife();
  opaque = colourKey == kNoKey;
  SDL_SetTextureBlendMode(texture, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  graphics = device;
  return 1;
}

// The stretched pixels blended onto opaque black by the same blit the renderer would use to blend
// them onto the cleared screen.
SDL_Surface* Texture::layOnBlack(SDL_Surface* stretched) {
  SDL_Surface* black = SDL_CreateRGBSurfaceWithFormat(0, stretched->w, stretched->h, 32, stretched->format->format);
  if (!black) return nullptr;
  SDL_FillRect(black, nullptr, SDL_MapRGBA(black->format, 0, 0, 0, 255));
  SDL_SetSurfaceBlendMode(stretched, SDL_BLENDMODE_BLEND);
  if (SDL_BlitSurface(stretched, nullptr, black, nullptr) == 0) return black;
  SDL_FreeSurface(black);
  return nullptr;
}

const Texture::ScaledCopy* Texture::scaledCopy(int sourceX, int sourceY, int sourceWidth, int sourceHeight, int w,
                                               int h) const {
  for (int i = 0; i < scaledCount; ++i) {
    const ScaledCopy& c = scaled[i];
    if (c.sourceX == sourceX && c.sourceY == sourceY && c.sourceWidth == sourceWidth &&
        c.sourceHeight == sourceHeight && c.width == w && c.height == h)
      return &c;
  }
  const SDL_Rect source{sourceX, sourceY, sourceWidth, sourceHeight};
  // A sprite whose size changes every frame (a door swinging open) would fill the copies with sizes
  // drawn once; past the last copy, sizes are stretched into the device's scratch texture instead.
  if (scaledCount == kScaledCopies) {
    scratchCopy = {sourceX, sourceY, sourceWidth, sourceHeight, w, h, graphics->stretchIntoScratch(pixels, source, w, h)};
    return scratchCopy.texture ? &scratchCopy : nullptr;
  }
  SDL_Surface* stretched = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, pixels->format->format);
  if (!stretched) return nullptr;
  if (SDL_SoftStretchLinear(pixels, &source, stretched, nullptr) != 0) {
    SDL_FreeSurface(stretched);
    return nullptr;
  }
  const bool onBlack = drawnOnBlack && !opaque;
  if (onBlack) {
    SDL_Surface* laid = layOnBlack(stretched);
    SDL_FreeSurface(stretched);
    stretched = laid;
    if (!stretched) return nullptr;
  }
  SDL_Texture* made = SDL_CreateTextureFromSurface(graphics->device, stretched);
  SDL_FreeSurface(stretched);
  if (!made) return nullptr;
  scaled[scaledCount] = {sourceX, sourceY, sourceWidth, sourceHeight, w, h, made, onBlack};
  return &scaled[scaledCount++];
}

bool Texture::hidesWhatIsUnder() const {
  if (!texture) return false;
  return opaque || (drawnOnBlack && pixels && graphics && graphics->stretchesOnCpu());
}

int Texture::Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
                  float scaleY, uint32_t colour) const {
  if (!texture || !graphics || !graphics->device || renderer.expired()) return 0;
  if (!graphics->drawing) return 1;
  const int w = sourceWidth ? sourceWidth : width;
  const int h = sourceHeight ? sourceHeight : height;
  SDL_Rect source{sourceX, sourceY, w, h};
  const SDL_FRect target{x, y, w * scaleX, h * scaleY};
  const bool tinted = colour != kWhite;
  const bool faded = (colour >> 24) != 0xFF;
  SDL_BlendMode blend = opaque && !faded ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
  SDL_Texture* drawn = texture;
  // The renderer truncates the target to whole pixels; a copy of exactly that size is drawn 1:1.
  // Copies laid on black hold no tint.
  const int drawnWidth = static_cast<int>(target.w), drawnHeight = static_cast<int>(target.h);
  if (pixels && (drawnWidth != w || drawnHeight != h) && drawnWidth > 0 && drawnHeight > 0 &&
      !(drawnOnBlack && tinted) && graphics->stretchesOnCpu()) {
    if (const ScaledCopy* copy = scaledCopy(source.x, source.y, w, h, drawnWidth, drawnHeight)) {
      drawn = copy->texture;
      source = {0, 0, drawnWidth, drawnHeight};
      if (copy->onBlack) blend = SDL_BLENDMODE_NONE;
    }
  }
  SDL_SetTextureBlendMode(drawn, blend);
  if (tinted || drawn != texture) {
    SDL_SetTextureColorMod(drawn, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    SDL_SetTextureAlphaMod(drawn, colour >> 24);
  }
  SDL_RenderCopyF(graphics->device, drawn, &source, &target);
  if (drawn != texture) return 1;
  if (opaque && faded) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
  if (tinted) {
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
  }
  return 1;
}

void Texture::releaseScaledCopies() {
  const bool rendererAlive = !renderer.expired();
  for (int i = 0; i < scaledCount; ++i)
    if (rendererAlive) SDL_DestroyTexture(scaled[i].texture);
  for (ScaledCopy& c : scaled) c = ScaledCopy{};
  scaledCount = 0;
}

void Texture::Release() {
  // Screens may outlive the graphics device (the pointer is freed in the game's destructor, after
  // Cleanup); the renderer took its textures with it then.
  releaseScaledCopies();
  if (texture && !renderer.expired()) SDL_DestroyTexture(texture);
  if (pixels) SDL_FreeSurface(pixels);
  pixels = nullptr;
  renderer.reset();
  texture = nullptr;
  graphics = nullptr;
  width = height = 0;
  opaque = false;
  drawnOnBlack = false;
}
