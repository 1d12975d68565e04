#pragma once

// What the story screens' drawing files share: the colour schemes, the lettering style and the
// colours of the briefing's paper.
#include "draw/StoryDraw.h"

#include <cstdint>

namespace artgen {

struct GildingColours {
    Rgb light, deep, shadow;
};

const GildingColours& gildingColours(Gilding look);

// Bold lettering of the given size in a scheme, outlined, with a drop shadow in the scheme's shade.
TextStyle letteringStyle(Gilding look, double size);

// Width and height of the ink of text in font f at the given size, before any outline.
Point inkSize(const char* text, Font f, double size);

// The briefing's paper: every opaque picture drawn on it paints its corners in this colour.
inline constexpr Rgb kPaper = hex(0xF6E9C8);
inline constexpr Rgb kPaperShade = hex(0xEAD8AE);

// Gold of frames, settings and chains.
inline constexpr Rgb kGoldLight = hex(0xFFF1A0);
inline constexpr Rgb kGold = hex(0xF2B62E);
inline constexpr Rgb kGoldDeep = hex(0xB06F10);

// A small fixed sequence, so scattered things land in the same places on every build.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t state_;
};

}  // namespace artgen
