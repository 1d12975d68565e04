// The plates under the pictures the game draws without a colour key. Such a picture shows its
// whole frame, so whatever a drawing routine leaves empty would come out as a dark box; the plate
// fills it in the colours of the place the picture is drawn on.
#include "OpaquePlates.h"

#include <string_view>

namespace artgen {

namespace {

struct PlateRow {
    const char* name;
    Plate plate;
};

constexpr Plate kNight{hex(0x2A3466), hex(0x171C3A), hex(0x0E1228)};       // the dark blue screens
constexpr Plate kWood{hex(0x9A6A40), hex(0x6A4424), hex(0x3E2614)};        // the wooden bar and menu

constexpr PlateRow kPlates[] = {
    {"ButtonBack", kNight},
    {"ButtonRestart", kWood},
    {"ButtonMainMenu", kWood},
    {"ButtonSave", kWood},
    {"ButtonCancle", kWood},
    {"ButtonQuit2", kWood},
    {"Back2", kWood},
    {"ButtonMenu", kWood},
    {"Info", kWood},
};

}  // namespace

const Plate* plateFor(const char* name)
{
    for (const PlateRow& row : kPlates)
        if (std::string_view(row.name) == name)
            return &row.plate;
    return nullptr;
}

void underlayPlate(Canvas& c, const Plate& plate, int frames)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth(), h = c.frameHeight();
    for (int k = 0; k < frames; ++k) {
        c.drawFrame(k, [&] {
            // Under what is drawn: first the rim, then the gradient beneath it.
            cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OVER);
            cairo_set_line_width(cr, 2);
            cairo_set_source_rgb(cr, plate.rim.r, plate.rim.g, plate.rim.b);
            cairo_rectangle(cr, 1, 1, w - 2, h - 2);
            cairo_stroke(cr);
            cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
            cairo_pattern_add_color_stop_rgb(fill, 0, plate.top.r, plate.top.g, plate.top.b);
            cairo_pattern_add_color_stop_rgb(fill, 1, plate.bottom.r, plate.bottom.g, plate.bottom.b);
            cairo_set_source(cr, fill);
            cairo_paint(cr);
            cairo_pattern_destroy(fill);
        });
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

}  // namespace artgen
