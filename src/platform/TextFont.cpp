#include "platform/TextFont.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>

#include "platform/GameFileReport.h"
#include "platform/GraphicsDevice.h"

namespace {
constexpr const char* kRegularFace = "Data/LiberationSans-Regular.ttf";
constexpr const char* kBoldFace = "Data/LiberationSans-Bold.ttf";
}  // namespace

int TextFont::Create(GraphicsDevice* device, const char* face, int height, int bold, int italic, int underline,
                     int strikeOut) {
  Release();
  if (!device || !device->device || !face) return 0;
  if (!TTF_WasInit() && TTF_Init() != 0) return 0;
  const char* file = bold == 1 ? kBoldFace : kRegularFace;
  font = TTF_OpenFont(file, height);
  if (!font) {
    reportUnreadableGameFile(file, TTF_GetError());
    return 0;
  }
  int style = TTF_STYLE_NORMAL;
  if (italic) style |= TTF_STYLE_ITALIC;
  if (underline) style |= TTF_STYLE_UNDERLINE;
  if (strikeOut) style |= TTF_STYLE_STRIKETHROUGH;
  TTF_SetFontStyle(font, style);
  graphics = device;
  renderer = device->rendererLife();
  return 1;
}

TextFont::CachedLine* TextFont::find(const char* text, uint32_t colour) {
  for (CachedLine& line : cache)
    if (line.texture && line.colour == colour && line.text == text) return &line;
  return nullptr;
}

TextFont::CachedLine* TextFont::render(const char* text, uint32_t colour) {
  CachedLine* slot = std::min_element(std::begin(cache), std::end(cache),
                                      [](const CachedLine& a, const CachedLine& b) { return a.lastUse < b.lastUse; });
  if (slot->texture) SDL_DestroyTexture(slot->texture);
  slot->texture = nullptr;
  const SDL_Color sdlColour{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                            static_cast<Uint8>(colour), 255};
  SDL_Surface* surface = TTF_RenderUTF8_Blended_Wrapped(font, text, sdlColour, 0);
  if (!surface) return nullptr;
  slot->texture = SDL_CreateTextureFromSurface(graphics->device, surface);
  slot->width = surface->w;
  slot->height = surface->h;
  SDL_FreeSurface(surface);
  if (!slot->texture) return nullptr;
  SDL_SetTextureAlphaMod(slot->texture, colour >> 24);
  slot->text = text;
  slot->colour = colour;
  return slot;
}

int TextFont::DrawText(const char* text, int x, int y, int /*width*/, int height, uint32_t colour, uint32_t) {
  if (!font || !graphics || !graphics->device || renderer.expired() || !text || !*text) return 0;
  if (!graphics->drawing) return 1;
  CachedLine* line = find(text, colour);
  if (!line) line = render(text, colour);
  if (!line) return 0;
  line->lastUse = ++useCounter;
  // Lines are clipped at the bottom of their rectangle but not at its right edge: Liberation Sans
  // runs a few pixels wider than the rectangles some lines were laid out for.
  const int w = line->width;
  const int h = std::min(line->height, height ? height : 65536);
  const SDL_Rect source{0, 0, w, h};
  const SDL_Rect target{x, y, w, h};
  SDL_RenderCopy(graphics->device, line->texture, &source, &target);
  return 1;
}

void TextFont::Release() {
  const bool rendererAlive = !renderer.expired();
  for (CachedLine& line : cache) {
    if (line.texture && rendererAlive) SDL_DestroyTexture(line.texture);
    line = CachedLine{};
  }
  // After TTF_Quit the font's memory went with the library.
  if (font && TTF_WasInit()) TTF_CloseFont(font);
  font = nullptr;
  graphics = nullptr;
  renderer.reset();
}
