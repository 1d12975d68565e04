// Small shapes shared by the quests' pictures.
#include "draw/WorldDraw.h"

#include <cmath>

namespace artgen {

Tint tint(std::uint32_t rgb)
{
    const Rgb base = hex(rgb);
    return {lighter(base, 0.4), base, darker(base, 0.35)};
}

void eachFrame(Canvas& c, int frames, const std::function<void(int)>& draw)
{
    for (int k = 0; k < frames; ++k)
        c.drawFrame(k, [&] { draw(k); });
}

void starPath(Canvas& c, double cx, double cy, int points, double outer, double inner, double turn)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 2 * points; ++i) {
        const double a = turn - kPi / 2 + i * kPi / points;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void twinkle(Canvas& c, double x, double y, double r, Rgb fill, double alpha)
{
    // A four-pointed glint with concave sides, the shine on metal and gems.
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x, y, x, y, x + r, y);
    cairo_curve_to(cr, x, y, x, y, x, y + r);
    cairo_curve_to(cr, x, y, x, y, x - r, y);
    cairo_curve_to(cr, x, y, x, y, x, y - r);
    cairo_close_path(cr);
    c.setColour(fill, alpha);
    cairo_fill(cr);
}

void mirrored(Canvas& c, double frameWidth, const std::function<void()>& draw)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, frameWidth, 0);
    cairo_scale(cr, -1, 1);
    draw();
    cairo_restore(cr);
}

}  // namespace artgen
