// The name alphabet: a name is a row of glyph codes, and each sheet holds one picture per code.
// 0 blank, 1 cursor, 2-27 a-z, 28-77 capitals as a left and a right half (I and J single), 78 full stop.
// A capital is drawn once across two slots and cut in two, so the halves placed side by side at the
// screen's slot spacing read as one letter.
#include "draw/Draw.h"

#include <cctype>

#include <algorithm>
#include <string>

namespace artgen {

namespace {

enum class PieceKind { Blank, Cursor, Single, LeftHalf, RightHalf, FullStop };

struct GlyphPiece {
    PieceKind kind;
    char letter;
};

GlyphPiece pieceOf(int code)
{
    if (code == 0)
        return {PieceKind::Blank, 0};
    if (code == 1)
        return {PieceKind::Cursor, 0};
    if (code <= 27)
        return {PieceKind::Single, char('a' + code - 2)};
    if (code == 44)
        return {PieceKind::Single, 'I'};
    if (code == 45)
        return {PieceKind::Single, 'J'};
    if (code == 78)
        return {PieceKind::FullStop, 0};
    const bool beforeI = code < 44;
    const int pair = beforeI ? code - 28 : code - 46;
    const char letter = char((beforeI ? 'A' : 'K') + pair / 2);
    return {pair % 2 == 0 ? PieceKind::LeftHalf : PieceKind::RightHalf, letter};
}

// How one sheet draws its glyphs, in frame pixels.
struct GlyphLook {
    double pitch;         // slot spacing on screen, in frame pixels
    double baseline;      // row the letters stand on
    double size;          // font size
    double outline;       // outline thickness
    double singleWiden;   // one-slot letters are stretched across a little, so a name reads as a word
    double maxSingle;     // widest ink of a one-slot glyph
    double capitalWiden;  // capitals are stretched across to fill their two slots better
    double maxCapital;    // widest ink of a capital over two slots
    double dotRadius;     // the full stop
};

TextStyle glyphStyle(const GlyphLook& look)
{
    TextStyle s;
    s.font = Font::Bold;
    s.size = look.size;
    s.top = hex(0xFFFFFF);
    s.bottom = hex(0xFFD86A);
    s.outlineWidth = look.outline;
    return s;
}

void drawPiece(Canvas& c, const GlyphPiece& piece, const GlyphLook& look)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth();
    const TextStyle style = glyphStyle(look);
    const std::string letter(1, piece.letter);
    switch (piece.kind) {
    case PieceKind::Blank:
        return;
    case PieceKind::Cursor: {
        // A caret at the left of the free slot, right after the last letter typed.
        const double capTop = look.baseline - look.size * 0.78;
        c.roundedRect(w * 0.18, capTop, look.size * 0.16, look.baseline - capTop + look.size * 0.12, look.size * 0.08);
        c.setVerticalGradient(capTop, hex(0xFFFFFF), look.baseline, hex(0x7FE6FF));
        c.fillOutlined(look.outline);
        return;
    }
    case PieceKind::Single: {
        // The narrow capitals I and J end where an "o" ends, so the capital that often follows
        // sits as close to them as to any other letter.
        double centre = w / 2;
        if (std::isupper(static_cast<unsigned char>(piece.letter))) {
            const double lowerInk = c.inkWidth("o", style, look.singleWiden, look.maxSingle);
            const double ink = c.inkWidth(letter, style, look.singleWiden, look.maxSingle);
            centre = w / 2 + (lowerInk - ink) / 2;
        }
        c.textOnBaseline(letter, centre, look.baseline, style, look.singleWiden, look.maxSingle);
        return;
    }
    case PieceKind::LeftHalf:
    case PieceKind::RightHalf: {
        // A capital mostly starts a word: it keeps the usual gap to the letter after it, and any
        // room left over goes to its left.
        const double span = look.pitch + w;
        const double lowerInk = c.inkWidth("o", style, look.singleWiden, look.maxSingle);
        const double rightEdge = look.pitch + w / 2 + lowerInk / 2;  // where an "o" in the right slot ends
        const double ink = c.inkWidth(letter, style, look.capitalWiden, look.maxCapital);
        const double centre = std::max(span / 2, rightEdge - ink / 2);
        cairo_save(cr);
        if (piece.kind == PieceKind::RightHalf)
            cairo_translate(cr, -look.pitch, 0);
        c.textOnBaseline(letter, centre, look.baseline, style, look.capitalWiden, look.maxCapital);
        cairo_restore(cr);
        return;
    }
    case PieceKind::FullStop: {
        const double r = look.dotRadius;
        c.ellipse(w * 0.4, look.baseline - r, r, r);
        c.setVerticalGradient(look.baseline - 2 * r, style.top, look.baseline, style.bottom);
        c.fillOutlined(2 * look.outline);
        return;
    }
    }
}

void drawGlyphSheet(Canvas& c, int firstCode, int lastCode, const GlyphLook& look)
{
    for (int code = firstCode; code <= lastCode; ++code)
        c.drawFrame(code - firstCode, [&] { drawPiece(c, pieceOf(code), look); });
}

// The name entry types into 16-pixel frames placed 14 pixels apart, at full size.
constexpr GlyphLook kTypedLook{14, 24, 25, 1.2, 1.12, 14, 1.55, 28.5, 2.8};

// The other screens draw 32 by 64 frames at 0.7, 22 screen pixels apart.
constexpr GlyphLook kShownLook{22 / 0.7, 50, 46, 2.4, 1.25, 31.5, 1.55, 61, 5.2};

}  // namespace

void drawTypedGlyphs(Canvas& c) { drawGlyphSheet(c, 0, 78, kTypedLook); }

void drawShownGlyphsLow(Canvas& c) { drawGlyphSheet(c, 0, 27, kShownLook); }

void drawShownGlyphsHigh(Canvas& c) { drawGlyphSheet(c, 28, 78, kShownLook); }

void drawHallDigits(Canvas& c)
{
    for (int d = 0; d <= 9; ++d)
        c.drawFrame(d, [&] {
            TextStyle s;
            s.size = 40;
            s.top = hex(0xFFF6B4);
            s.bottom = hex(0xFFA82A);
            s.outlineWidth = 2.2;
            c.textOnBaseline(std::to_string(d), 16, 30.5, s, 1.1, 31);
        });
}

}  // namespace artgen
