#pragma once
#include <cstdint>

class SpriteSheet;

// Player names are 21 glyph codes that index picture sheets, never text:
// 0 blank (also the space), 1 the cursor, 2..27 a..z, 28..77 the capitals as left and right halves
// (I and J are the single narrow codes 44 and 45), 78 the full stop.
constexpr int kNameSlots = 21;
constexpr uint8_t kGlyphBlank = 0;
constexpr uint8_t kGlyphCursor = 1;
constexpr uint8_t kGlyphFirstLower = 2;
constexpr uint8_t kGlyphFirstCapital = 28;
constexpr uint8_t kGlyphCapitalI = 44;
constexpr uint8_t kGlyphCapitalJ = 45;
constexpr uint8_t kGlyphFullStop = 78;

using Name = uint8_t[kNameSlots];

// The empty name: the cursor in slot 0, then blanks.
void clearName(Name name);
// The slot holding the cursor (20 when there is none, which a well-formed name never has).
int cursorSlot(const Name name);
// The index of the last non-zero glyph, 0 when there is none.
int lastGlyphIndex(const Name name);

// Typing: each returns whether the glyph fitted; one that does not fit is dropped.
bool typeGlyph(Name name, uint8_t glyph);          // blank, a lower-case letter, I, J or the full stop
bool typeLetter(Name name, int letter, bool capital);  // letter 0..25 for a..z
bool deleteGlyph(Name name);                        // the glyph before the cursor, a capital whole

// Draws a name centred on centreX: glyph i at centreX + 22 i - 11 L (L the last non-zero index), scale
// 0.7; blanks and lower-case letters from `low` (frame = code), capitals and the full stop from `high`
// (frame = code - 28); the cursor is not drawn. Lettering that grows in passes its own height.
void drawName(const SpriteSheet& low, const SpriteSheet& high, const Name name, int centreX, int y,
              float scaleY = 0.7f);
