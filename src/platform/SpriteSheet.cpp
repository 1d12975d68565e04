#include "platform/SpriteSheet.h"

#include "platform/GraphicsDevice.h"

int SpriteSheet::Create(GraphicsDevice* device, int n) {
  Destroy();
  if (!device || n <= 0) return 0;
  graphics = device;
  count = n;
  textures = std::make_unique<Texture[]>(n);
  frameWidth = std::make_unique<int[]>(n);
  frameHeight = std::make_unique<int[]>(n);
  framesPerRow = std::make_unique<int[]>(n);
  return 1;
}

int SpriteSheet::Load(int index, const char* file, int16_t fw, int16_t fh, uint32_t colourKey, int format) {
  if (index < 0 || index >= count) return 0;
  Texture& texture = textures[index];
  texture.Release();
  if (!texture.Load(graphics, file, colourKey, format)) return 0;
  frameWidth[index] = fw > 0 ? fw : texture.width;
  frameHeight[index] = fh > 0 ? fh : texture.height;
  framesPerRow[index] = texture.width / frameWidth[index];
  if (framesPerRow[index] < 1) framesPerRow[index] = 1;
  return 1;
}

SpriteSheet::Rect SpriteSheet::frameRect(int index, int frame) const {
  const int perRow = framesPerRow[index];
  return {(frame % perRow) * frameWidth[index], (frame / perRow) * frameHeight[index], frameWidth[index],
          frameHeight[index]};
}

// The colour is not used: sheet frames are always drawn unmodulated.
int SpriteSheet::DrawFrame(int index, int frame, float x, float y, uint32_t, float scaleX, float scaleY) const {
  if (!graphics || index < 0 || index >= count) return 0;
  const Texture& texture = textures[index];
  if (!texture.texture) return 0;  // never loaded: its frame sizes mean nothing
  const Rect r = frameRect(index, frame);
  return texture.Draw(x, y, r.x, r.y, r.width, r.height, scaleX, scaleY, kWhite);
}

int SpriteSheet::SetAlphaTest(int on) { return graphics ? graphics->SetAlphaTest(on) : 0; }

void SpriteSheet::Release(int index) {
  if (index >= 0 && index < count) textures[index].Release();
}

void SpriteSheet::Destroy() {
  textures.reset();
  frameWidth.reset();
  frameHeight.reset();
  framesPerRow.reset();
  count = 0;
}
