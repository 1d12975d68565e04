#include "persistence/NameGlyphs.h"

#include <cstring>

#include "platform/SpriteSheet.h"

namespace {
constexpr int kLetterI = 8;
constexpr int kLetterJ = 9;
// Glyphs take slots up to 19 at the most: slot 20 is for the cursor after a full name.
constexpr int kLastGlyphSlot = 19;

bool isSingleSlot(uint8_t glyph) {
  return glyph < kGlyphFirstCapital || glyph == kGlyphFullStop || glyph == kGlyphCapitalI || glyph == kGlyphCapitalJ;
}

// The left half of a capital; its right half is the next code. I and J have one narrow code.
uint8_t capitalLeftCode(int letter) {
  if (letter < kLetterI) return static_cast<uint8_t>(kGlyphFirstCapital + 2 * letter);
  return static_cast<uint8_t>(46 + 2 * (letter - 10));
}
}  // namespace

void clearName(Name name) {
  std::memset(name, kGlyphBlank, kNameSlots);
  name[0] = kGlyphCursor;
}

int cursorSlot(const Name name) {
  for (int i = 0; i < kNameSlots; ++i)
    if (name[i] == kGlyphCursor) return i;
  return kNameSlots - 1;
}

int lastGlyphIndex(const Name name) {
  for (int i = kNameSlots - 1; i > 0; --i)
    if (name[i] != 0) return i;
  return 0;
}

bool typeGlyph(Name name, uint8_t glyph) {
  const int d = cursorSlot(name);
  // The narrow capitals and the full stop keep one slot in reserve, as the capitals do.
  const bool narrow = glyph == kGlyphCapitalI || glyph == kGlyphCapitalJ || glyph == kGlyphFullStop;
  if (d > (narrow ? kLastGlyphSlot - 1 : kLastGlyphSlot)) return false;
  name[d] = glyph;
  name[d + 1] = kGlyphCursor;
  return true;
}

bool typeLetter(Name name, int letter, bool capital) {
  if (!capital) return typeGlyph(name, static_cast<uint8_t>(kGlyphFirstLower + letter));
  if (letter == kLetterI) return typeGlyph(name, kGlyphCapitalI);
  if (letter == kLetterJ) return typeGlyph(name, kGlyphCapitalJ);
  const int d = cursorSlot(name);
  if (d > kLastGlyphSlot - 1) return false;
  const uint8_t left = capitalLeftCode(letter);
  name[d] = left;
  name[d + 1] = static_cast<uint8_t>(left + 1);
  name[d + 2] = kGlyphCursor;
  return true;
}

bool deleteGlyph(Name name) {
  const int d = cursorSlot(name);
  if (d == 0) return false;
  if (isSingleSlot(name[d - 1])) {
    name[d - 1] = kGlyphCursor;
    name[d] = kGlyphBlank;
    return true;
  }
  if (d < 2) return false;
  name[d - 2] = kGlyphCursor;
  name[d - 1] = kGlyphBlank;
  name[d] = kGlyphBlank;
  return true;
}

void drawName(const SpriteSheet& low, const SpriteSheet& high, const Name name, int centreX, int y, float scaleY) {
  const int last = lastGlyphIndex(name);
  for (int i = 0; i < kNameSlots; ++i) {
    const uint8_t g = name[i];
    const float x = static_cast<float>(centreX + 22 * i - 11 * last);
    if (g == kGlyphCursor) continue;
    if (g < kGlyphFirstCapital)
      low.DrawFrame(0, g, x, static_cast<float>(y), kWhite, 0.7f, scaleY);
    else
      high.DrawFrame(0, g - kGlyphFirstCapital, x, static_cast<float>(y), kWhite, 0.7f, scaleY);
  }
}
