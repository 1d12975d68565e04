// The mouse pointer.
#include "draw/Draw.h"

namespace artgen {

void drawPointer(Canvas& c)
{
    // The game squeezes the pointer to 0.8 by 0.6 and puts its top-left pixel on the hotspot, so the
    // arrow is drawn in screen proportions, stretched back by the inverse scale, its tip at (0, 0).
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 1 / 0.8, 1 / 0.6);
    c.polygon({{0, 0}, {0, 25}, {6.2, 19.3}, {10.6, 28.6}, {15, 26.6}, {10.8, 17.6}, {18.5, 17.6}});
    c.setVerticalGradient(0, hex(0xFFF6C8), 28, hex(0xFFB43C));
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    c.polygon({{2.2, 5.5}, {2.2, 14}, {6.5, 10}});
    c.setColour(hex(0xFFFFFF), 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace artgen
