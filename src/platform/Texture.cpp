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

int Texture::Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
                  float scaleY, uint32_t colour) const {
  if (!texture || !graphics || !graphics->device || renderer.expired()) return 0;
  if (!graphics->drawing) return 1;
  const int w = sourceWidth ? sourceWidth : width;
  const int h = sourceHeight ? sourceHeight : height;
  const SDL_Rect source{sourceX, sourceY, w, h};
  const SDL_FRect target{x, y, w * scaleX, h * scaleY};
  const bool tinted = colour != kWhite;
  const bool faded = (colour >> 24) != 0xFF;
  if (tinted) {
    SDL_SetTextureColorMod(texture, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    SDL_SetTextureAlphaMod(texture, colour >> 24);
  }
  if (opaque && faded) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_RenderCopyF(graphics->device, texture, &source, &target);
  if (opaque && faded) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
  if (tinted) {
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
  }
  return 1;
}

void Texture::Release() {
  // Screens may outlive the graphics device (the pointer is freed in the game's destructor, after
  // Cleanup); the renderer took its textures with it then.
  if (texture && !renderer.expired()) SDL_DestroyTexture(texture);
  renderer.reset();
  texture = nullptr;
  graphics = nullptr;
  width = height = 0;
  opaque = false;
}
