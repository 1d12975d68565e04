#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "TempDir.h"
#include "platform/ScreenshotPng.h"

namespace {

// Every pixel differs in each channel, alpha included, so a swapped or shifted channel shows.
uint32_t patternAt(int x, int y) {
  return (uint32_t(x * 7 + y) & 0xFF) << 24 | (uint32_t(x * 3) & 0xFF) << 16 | (uint32_t(y * 5) & 0xFF) << 8 |
         (uint32_t(x + y * 11) & 0xFF);
}

uint32_t argbAt(SDL_Surface* s, int x, int y) {
  return static_cast<const uint32_t*>(s->pixels)[static_cast<size_t>(y) * s->pitch / 4 + x];
}

TEST(ScreenshotPng, ReadsBackAsTheSamePixelsInAnyPixelFormat) {
  TempDir dir;
  constexpr int kW = 37, kH = 23;  // odd sizes: rows with padding
  SDL_Surface* argb = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(argb, nullptr);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) static_cast<uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x] = patternAt(x, y);
  SDL_Surface* abgr = SDL_ConvertSurfaceFormat(argb, SDL_PIXELFORMAT_ABGR8888, 0);
  ASSERT_NE(abgr, nullptr);

  for (SDL_Surface* written : {argb, abgr}) {
    SCOPED_TRACE(SDL_GetPixelFormatName(written->format->format));
    const std::string file = dir.file("shot.png");
    ASSERT_TRUE(writeScreenshotPng(written, file.c_str()));
    SDL_Surface* loaded = IMG_Load(file.c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* back = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->w, kW);
    ASSERT_EQ(back->h, kH);
    int wrong = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) wrong += argbAt(back, x, y) != patternAt(x, y);
    EXPECT_EQ(wrong, 0);
    SDL_FreeSurface(back);
  }
  SDL_FreeSurface(abgr);
  SDL_FreeSurface(argb);
}

TEST(ScreenshotPng, AFileThatCannotBeWrittenIsReported) {
  TempDir dir;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(writeScreenshotPng(s, dir.file("missing-folder/shot.png").c_str()));
  EXPECT_FALSE(writeScreenshotPng(nullptr, dir.file("shot.png").c_str()));
  SDL_FreeSurface(s);
}

}  // namespace
