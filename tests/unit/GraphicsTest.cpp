#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/GraphicsDevice.h"
#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"

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
