#pragma once
#include <cstdint>
#include <memory>
#include <string>

class GraphicsDevice;
struct SDL_Texture;
typedef struct _TTF_Font TTF_Font;

// One font face and size. Rendered lines are kept in a small cache, so text that stays on screen
// is drawn each frame without being rendered again.
class TextFont {
 public:
  TextFont() = default;
  ~TextFont() { Release(); }
  TextFont(const TextFont&) = delete;
  TextFont& operator=(const TextFont&) = delete;

  TTF_Font* font = nullptr;

  // "Arial" and every other face name are drawn with Liberation Sans from the game's Data folder.
  int Create(GraphicsDevice* graphics, const char* face, int height, int bold, int italic, int underline,
             int strikeOut);
  int Begin() { return font ? 1 : 0; }
  int End() { return font ? 1 : 0; }
  // Draws text left-aligned from the top-left of the rectangle, clipped at its bottom; a height of 0
  // stands for 65536. Lines break only at '\n'.
  int DrawText(const char* text, int x, int y, int width, int height, uint32_t colour, uint32_t format);
  void Release();

 private:
  struct CachedLine {
    std::string text;
    uint32_t colour = 0;
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    uint32_t lastUse = 0;
  };
  static constexpr int kCacheSize = 48;

  CachedLine* find(const char* text, uint32_t colour);
  CachedLine* render(const char* text, uint32_t colour);

  GraphicsDevice* graphics = nullptr;
  std::weak_ptr<void> renderer;  // the cached lines die with it
  CachedLine cache[kCacheSize];
  uint32_t useCounter = 0;
};
