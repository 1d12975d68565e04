#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <vector>

#include "TempDir.h"
#include "platform/GraphicsDevice.h"
#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"
#include "platform/Texture.h"

namespace {
uint32_t pixelAt(SDL_Surface* surface, int x, int y) {
  return static_cast<uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x] | 0xFF000000u;
}

// A 256 by 64 picture: black background, and a coloured 4 by 4 block at the top-left of each
// 64 by 32 frame, whose colour tells the frame apart.
std::string makeSheet(const TempDir& dir) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 256, 64, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
  for (int frame = 0; frame < 8; ++frame) {
    SDL_Rect block{(frame % 4) * 64, (frame / 4) * 32, 4, 4};
    SDL_FillRect(s, &block, SDL_MapRGB(s->format, 30 * frame + 10, 200, 100));
  }
  const std::string path = dir.file("sheet.bmp");
  SDL_SaveBMP(s, path.c_str());
  SDL_FreeSurface(s);
  return path;
}
}  // namespace

class SheetDrawing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(graphics.SetMode(nullptr, 0, 0, 800, 600, 16), 1); }
  GraphicsDevice graphics;
  TempDir dir;
};

TEST_F(SheetDrawing, FramesAreNumberedLeftToRightThenRowByRow) {
  SpriteSheet sheet;
  ASSERT_EQ(sheet.Create(&graphics, 2), 1);
  ASSERT_EQ(sheet.Load(0, makeSheet(dir).c_str(), 64, 32, 0xFF000000, 25), 1);
  EXPECT_EQ(sheet.framesPerRow[0], 4);
  const auto r = sheet.frameRect(0, 5);
  EXPECT_EQ(r.x, 64);
  EXPECT_EQ(r.y, 32);
  ASSERT_EQ(sheet.Load(1, makeSheet(dir).c_str(), 0, 0, 0, 25), 1);
  EXPECT_EQ(sheet.framesPerRow[1], 1);
  EXPECT_EQ(sheet.frameWidth[1], 256);
  EXPECT_EQ(sheet.Load(2, makeSheet(dir).c_str(), 64, 32, 0, 25), 0);  // no such slot
}

TEST_F(SheetDrawing, KeyColourIsTransparentAndScalingKeepsTheTopLeftCorner) {
  SpriteSheet sheet;
  sheet.Create(&graphics, 1);
  sheet.Load(0, makeSheet(dir).c_str(), 64, 32, 0xFF000000, 25);
  graphics.Clear(0xFF0000FF, 1);
  sheet.DrawFrame(0, 5, 100, 200, 0xFFFFFFFF, 2.0f, 2.0f);
  graphics.Present();
  SDL_Surface* shot = graphics.offscreen;
  EXPECT_EQ(pixelAt(shot, 101, 201), 0xFF000000u | (160 << 16) | (200 << 8) | 100);  // frame 5's block
  EXPECT_EQ(pixelAt(shot, 106, 206), 0xFF000000u | (160 << 16) | (200 << 8) | 100);  // doubled
  EXPECT_EQ(pixelAt(shot, 140, 220), 0xFF0000FFu);  // the black key let the background through
  EXPECT_EQ(pixelAt(shot, 99, 199), 0xFF0000FFu);
}

TEST_F(SheetDrawing, MissingArtDrawsNothing) {
  SpriteSheet sheet;
  sheet.Create(&graphics, 1);
  EXPECT_EQ(sheet.Load(0, dir.file("absent.bmp").c_str(), 64, 32, 0, 25), 0);
  EXPECT_EQ(sheet.DrawFrame(0, 0, 0, 0, 0xFFFFFFFF, 1, 1), 0);
}

namespace {
// A 128 by 32 picture of two 64 by 32 frames: colour gradients with black (key) holes and edges.
std::string makeGradientPicture(const TempDir& dir) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 128, 32, 24, SDL_PIXELFORMAT_RGB24);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 128; ++x) {
      const bool hole = (x % 64 < 6) || (y > 24 && x % 64 > 40) || ((x / 8 + y / 8) % 3 == 0);
      const SDL_Rect pixel{x, y, 1, 1};
      SDL_FillRect(s, &pixel, hole ? 0 : SDL_MapRGB(s->format, x * 2, 255 - y * 7, (x * y) % 256));
    }
  const std::string path = dir.file("gradient.bmp");
  SDL_SaveBMP(s, path.c_str());
  SDL_FreeSurface(s);
  return path;
}

struct ScaledDraw {
  float x, y, scaleX, scaleY;
  uint32_t colour;
  int frame;
};

// The picture as a texture of SDL's own renderer, its key colour made transparent.
SDL_Texture* referenceTexture(SDL_Renderer* reference, const std::string& file, uint32_t key) {
  SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  for (int p = 0; key && p < argb->w * argb->h; ++p) {
    auto& pixel = static_cast<uint32_t*>(argb->pixels)[p];
    if ((pixel | 0xFF000000u) == key) pixel = 0;
  }
  SDL_Texture* texture = SDL_CreateTextureFromSurface(reference, argb);
  SDL_FreeSurface(argb);
  SDL_FreeSurface(loaded);
  return texture;
}

int differingPixels(SDL_Surface* a, SDL_Surface* b) {
  int differing = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (pixelAt(a, x, y) != pixelAt(b, x, y)) ++differing;
  return differing;
}
}  // namespace

// On the software renderer a scaled picture is stretched once and the copy kept. The screen must
// get exactly what SDL's own scaled drawing gives: keyed and opaque pictures, tinted and faded
// ones, pictures over the screen's edge, and more sizes than copies are kept of.
TEST_F(SheetDrawing, KeptScaledCopiesDrawExactlyWhatScalingEveryFrameDraws) {
  const std::string file = makeGradientPicture(dir);
  std::vector<ScaledDraw> draws = {
      {0, 0, 12.5f, 15.625f, 0xFFFFFFFF, 0},        {700, 500, 1.40625f, 2.0f, 0xFFFFFFFF, 1},
      {-30, 550, 2.3f, 1.7f, 0xFFFFFFFF, 0},        {760, -10, 1.9f, 1.3f, 0xFFFFFFFF, 1},
      {300.7f, 200.2f, 0.8f, 0.8f, 0xFFFFFFFF, 1}, {100, 100, 1.25f, 1.25f, 0x80FFFFFF, 0},
      {400, 300, 1.1f, 1.1f, 0xFFFF8040, 1},       {500, 120, 0.5f, 3.0f, 0x60FF8040, 0},
  };
  for (int i = 0; i < 24; ++i) draws.push_back({10.0f * i, 400, 1.0f + 0.07f * i, 0.9f, 0xFFFFFFFF, i % 2});
  const size_t once = draws.size();
  for (size_t i = 0; i < once; ++i) draws.push_back(draws[i]);  // the second time from the copies

  SDL_Surface* expected = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* reference = SDL_CreateSoftwareRenderer(expected);
  ASSERT_NE(reference, nullptr);
  for (const uint32_t key : {0xFF000000u, 0u}) {
    Texture picture;
    ASSERT_EQ(picture.Load(&graphics, file.c_str(), key, 25), 1);
    // The reference texture: the same pixels, drawn by SDL scaled on every draw.
    SDL_Texture* plain = referenceTexture(reference, file, key);

    SDL_SetRenderDrawColor(reference, 0, 0, 255, 255);
    SDL_RenderClear(reference);
    graphics.Clear(0xFF0000FF, 1);
    for (const ScaledDraw& d : draws) {
      const uint32_t c = d.colour;
      const bool faded = (c >> 24) != 0xFF;
      ASSERT_EQ(picture.Draw(d.x, d.y, 64 * d.frame, 0, 64, 32, d.scaleX, d.scaleY, c), 1);
      SDL_SetTextureBlendMode(plain, key || faded ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
      SDL_SetTextureColorMod(plain, (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
      SDL_SetTextureAlphaMod(plain, c >> 24);
      const SDL_Rect source{64 * d.frame, 0, 64, 32};
      const SDL_FRect target{d.x, d.y, 64 * d.scaleX, 32 * d.scaleY};
      SDL_RenderCopyF(reference, plain, &source, &target);
    }
    SDL_RenderPresent(reference);
    graphics.Present();
    EXPECT_EQ(differingPixels(expected, graphics.offscreen), 0) << (key ? "keyed" : "opaque");
    SDL_DestroyTexture(plain);
  }
  SDL_DestroyRenderer(reference);
  SDL_FreeSurface(expected);
}

// A keyed background drawn first on a black screen keeps its stretched copy laid on black and
// drawn opaque: it then hides the screen, and still gives exactly SDL's blended pixels.
TEST_F(SheetDrawing, AKeyedPictureLaidOnBlackMatchesBlendingOntoTheClearedScreen) {
  const std::string file = makeGradientPicture(dir);
  Texture background;
  ASSERT_EQ(background.Load(&graphics, file.c_str(), 0xFF000000u, 25), 1);
  EXPECT_FALSE(background.hidesWhatIsUnder());
  background.drawnOnBlack = true;
  EXPECT_TRUE(background.hidesWhatIsUnder());

  SDL_Surface* expected = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* reference = SDL_CreateSoftwareRenderer(expected);
  SDL_Texture* plain = referenceTexture(reference, file, 0xFF000000u);
  SDL_SetTextureBlendMode(plain, SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(reference, 0, 0, 0, 255);
  SDL_RenderClear(reference);
  const SDL_Rect source{0, 0, 128, 32};
  const SDL_FRect target{0, 0, 128 * 6.25f, 32 * 18.75f};
  SDL_RenderCopyF(reference, plain, &source, &target);
  SDL_RenderPresent(reference);

  for (int frame = 0; frame < 2; ++frame) {  // made, then drawn from the copy over the last frame
    graphics.Clear(frame ? 0xFF00FF00 : 0xFF000000, 1);
    ASSERT_EQ(background.Draw(0, 0, 0, 0, 0, 0, 6.25f, 18.75f, 0xFFFFFFFF), 1);
    graphics.Present();
    EXPECT_EQ(differingPixels(expected, graphics.offscreen), 0) << "frame " << frame;
  }
  SDL_DestroyTexture(plain);
  SDL_DestroyRenderer(reference);
  SDL_FreeSurface(expected);
}

// The game frees its screens' art in its destructor, after Cleanup has released the device; the
// renderer has freed their textures by then, and freeing them again would corrupt the heap.
TEST_F(SheetDrawing, ArtAndTextOutlivingTheDeviceAreLetGoSafely) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(GAME_DIR);
  TextFont font;
  ASSERT_EQ(font.Create(&graphics, "Arial", 16, 0, 0, 0, 0), 1);
  std::filesystem::current_path(previous);
  EXPECT_EQ(font.DrawText("Quest", 10, 10, 0, 0, 0xFFFFFFFF, 0), 1);
  SpriteSheet sheet;
  sheet.Create(&graphics, 1);
  ASSERT_EQ(sheet.Load(0, makeSheet(dir).c_str(), 64, 32, 0xFF000000, 25), 1);

  graphics.Release();
  EXPECT_EQ(sheet.DrawFrame(0, 0, 0, 0, 0xFFFFFFFF, 1, 1), 0);
  EXPECT_EQ(font.DrawText("Quest", 10, 10, 0, 0, 0xFFFFFFFF, 0), 0);
  EXPECT_EQ(graphics.SetAmbient(10, 20, 30), 0);
  EXPECT_EQ(graphics.ambientRed, 255);  // no device: nothing changes
  sheet.Destroy();
  font.Release();
}
