#pragma once

#include "game/InformationPages.h"

#include <cstdint>
#include <vector>

namespace artgen {

// A light plate under one text of an information page, in screen pixels.
struct TextPlate {
    double x0, y0, x1, y1;
};

// WCAG relative luminance of a 0xAARRGGBB colour, and the contrast ratio of two luminances.
double relativeLuminance(std::uint32_t argb);
double contrastRatio(double a, double b);

// How wide a page text is drawn (Liberation Sans, 22 pixels).
double textInkWidth(const char* text);

// A text colour this dark cannot reach 3:1 on any dark ground; it gets a light plate.
bool needsLightGround(std::uint32_t argb);

// The light plates of page 0 to 3, kept clear of the page's other texts.
std::vector<TextPlate> textPlates(int page);

}  // namespace artgen
