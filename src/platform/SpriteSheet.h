#pragma once
#include <cstdint>
#include <memory>

#include "platform/Texture.h"

// An array of textures, each cut into equal frames numbered left to right, then row by row. All art
// is addressed as (texture index, frame number).
class SpriteSheet {
 public:
  SpriteSheet() = default;
  ~SpriteSheet() { Destroy(); }
  SpriteSheet(const SpriteSheet&) = delete;
  SpriteSheet& operator=(const SpriteSheet&) = delete;

  GraphicsDevice* graphics = nullptr;
  int count = 0;
  std::unique_ptr<Texture[]> textures;
  std::unique_ptr<int[]> frameWidth, frameHeight, framesPerRow;

  int Create(GraphicsDevice* graphics, int count);
  // A frame size of 0 makes the whole texture one frame in that direction.
  int Load(int index, const char* file, int16_t frameWidth, int16_t frameHeight, uint32_t colourKey, int format);
  struct Rect {
    int x, y, width, height;
  };
  Rect frameRect(int index, int frame) const;
  int DrawFrame(int index, int frame, float x, float y, uint32_t colour, float scaleX, float scaleY) const;
  int SetAlphaTest(int on);
  void Release(int index);
  void Destroy();
};
