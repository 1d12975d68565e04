// Digit sheets: the quest ordinal, the score, the points, the seconds and the slot numbers.
#include "draw/StoryLook.h"

#include <string>

namespace artgen {

void drawDigits(Canvas& c, Gilding look, double widthShare, double heightShare)
{
    // Digits are often drawn at a third of their size, so they are chunky: widened to the share of the
    // frame they are given, with an outline that stays visible when shrunk.
    const double w = c.frameWidth(), h = c.frameHeight();
    const Point ink = inkSize("0", Font::Bold, 100);  // measured large: tiny sizes round badly
    const double size = h * heightShare / (ink.y / 100);
    const double widen = (w * widthShare) / (ink.x / 100 * size);
    TextStyle s = letteringStyle(look, size);
    s.outlineWidth = h / 22;
    s.shadowDx = 0, s.shadowDy = h / 32;
    for (int d = 0; d < 10; ++d)
        c.drawFrame(d, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            cairo_translate(cr, w / 2, h / 2);
            cairo_scale(cr, widen, 1);
            c.text(std::to_string(d), 0, 0, s);
            cairo_restore(cr);
        });
}

}  // namespace artgen
