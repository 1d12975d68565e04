#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// Colour keys the game loads pictures with (opaque ARGB; 0 means the picture has no key).
inline constexpr std::uint32_t kKeyNone = 0;
inline constexpr std::uint32_t kKeyBlack = 0xFF000000;
inline constexpr std::uint32_t kKeyRed = 0xFFFF0000;
inline constexpr std::uint32_t kKeyGreen = 0xFF00FF00;
inline constexpr std::uint32_t kKeyWhite = 0xFFFFFFFF;

// Soft edges are blended over this before the alpha cut; it matches the ink of the outlines.
inline constexpr std::uint8_t kMatte[3] = {20, 16, 28};

// The picture as packed 8-bit R, G, B triples, row by row, following the key rule:
// pixels less than half covered become exactly the key colour, every other pixel is blended over
// the matte and, should it land on the key colour, nudged one step off it so it stays visible.
// Without a key everything is blended over the matte and nothing is transparent.
std::vector<std::uint8_t> flattenToRgb(cairo_surface_t* surface, std::uint32_t colourKey);

// Writes packed RGB pixels as a 24-bit BMP; false with a reason in error when that fails.
bool writeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height, const std::string& path,
                std::string& error);

}  // namespace artgen
