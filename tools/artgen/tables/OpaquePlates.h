#pragma once

#include "Canvas.h"

namespace artgen {

// A frame-filling plate: a vertical gradient with a rim.
struct Plate {
    Rgb top, bottom, rim;
};

// The plate of a picture drawn without a colour key, or null.
const Plate* plateFor(const char* name);

// Paints the plate beneath what is already drawn in the first `frames` frames.
void underlayPlate(Canvas& c, const Plate& plate, int frames);

}  // namespace artgen
