// A picture file through the game's loader, as a texture gets it: checked, decoded by SDL and
// turned into 32-bit pixels. The file reader and the in-memory decoder must agree.
#include <SDL.h>

#include "ScratchFile.h"
#include "platform/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SDL_Surface* inMemory = decodePicture(data, size);
  SDL_Surface* fromFile = loadPictureFile(scratchFile(data, size));
  if ((inMemory == nullptr) != (fromFile == nullptr)) std::abort();
  if (inMemory) {
    if (inMemory->w != fromFile->w || inMemory->h != fromFile->h) std::abort();
    if (inMemory->w > kLongestPictureSide || inMemory->h > kLongestPictureSide) std::abort();
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(inMemory, SDL_PIXELFORMAT_ARGB8888, 0);
    if (argb) {
      // The colour key pass of a texture: every pixel of the picture is read and written.
      SDL_LockSurface(argb);
      for (int y = 0; y < argb->h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x)
          if ((row[x] | 0xFF000000u) == 0xFF000000u) row[x] = 0;
      }
      SDL_UnlockSurface(argb);
      SDL_FreeSurface(argb);
    }
  }
  SDL_FreeSurface(inMemory);
  SDL_FreeSurface(fromFile);
  return 0;
}
