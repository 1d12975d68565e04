// Particles that fly apart when something breaks.
#include "draw/WorldDraw.h"

#include <cmath>

namespace artgen {

namespace {

// Runs draw rotated by turn about the frame's centre.
void spun(Canvas& c, double turn, const std::function<void()>& draw)
{
    cairo_t* cr = c.cr();
    const double cx = c.frameWidth() / 2.0, cy = c.frameHeight() / 2.0;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    draw();
    cairo_restore(cr);
}

void cog(Canvas& c, double r, Rgb metal)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        cairo_save(cr);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -r * 0.22, -r * 1.25, r * 0.44, r * 0.5);
        cairo_restore(cr);
    }
    c.ellipse(0, 0, r, r);
    c.setColour(metal);
    c.fillOutlined(1.3);
    c.blob(0, 0, r * 0.35, r * 0.35, darker(metal, 0.5), 1);
}

}  // namespace

void drawBurstParticle(Canvas& c, Shard shard, Tint colour)
{
    // Four frames of a tumbling bit; the game flies seven of them apart at different sizes. Eighth
    // turns keep every frame different even for the four-pointed spark.
    const double s = c.frameWidth() / 16.0;
    eachFrame(c, 4, [&](int k) {
        spun(c, k * kPi / 8, [&] {
            cairo_t* cr = c.cr();
            cairo_scale(cr, s, s);
            switch (shard) {
            case Shard::Chip:
                c.polygon({{-6, -4}, {6, -6}, {4, 5}, {-3, 6}});
                c.setVerticalGradient(-6, colour.light, 6, colour.dark);
                c.fillOutlined(1.3);
                break;
            case Shard::Spark:
                starPath(c, 0, 0, 4, 7, 2.5);
                c.setRadialGradient(0, 0, 7, hex(0xFFFFFF), colour.base);
                c.fillOutlined(1);
                break;
            case Shard::Star:
                starPath(c, 0, 0, 5, 7, 3.2);
                c.setRadialGradient(-1, -1, 7, colour.light, colour.base);
                c.fillOutlined(1.1);
                break;
            case Shard::Leaf:
                cairo_move_to(cr, -7, 0);
                cairo_curve_to(cr, -3, -6, 3, -6, 7, 0);
                cairo_curve_to(cr, 3, 6, -3, 6, -7, 0);
                cairo_close_path(cr);
                c.setVerticalGradient(-5, colour.light, 5, colour.dark);
                c.fillOutlined(1.1);
                break;
            }
        });
    });
}

void drawMachineSparks(Canvas& c)
{
    // Sixteen frames of a spinning cog flung out of a smashed machine, sparks flaring around it.
    eachFrame(c, 16, [&](int k) {
        spun(c, k * kPi / 16, [&] { cog(c, 8, hex(0xB8C2D0)); });
        const double a = k * kPi / 8;
        c.setColour(hex(0xFFE34A));
        starPath(c, 16 + std::cos(a) * 11, 16 + std::sin(a) * 11, 4, 4.5, 1.5);
        c.fillOutlined(0.9, hex(0xC05A10));
        if (k % 2 == 0)
            twinkle(c, 16 - std::cos(a) * 12, 16 - std::sin(a) * 12, 3.5, hex(0xFFF6B0));
    });
}

void drawRubble(Canvas& c, Tint stone)
{
    // A chunk of a broken block, tumbling over four frames.
    eachFrame(c, 4, [&](int k) {
        spun(c, k * kPi / 2.5, [&] {
            c.polygon({{-9, -6}, {2, -10}, {10, -3}, {7, 8}, {-4, 9}, {-10, 2}});
            c.setRadialGradient(-3, -4, 14, stone.light, stone.dark);
            c.fillOutlined(1.5);
            cairo_t* cr = c.cr();
            cairo_move_to(cr, -4, -3);
            cairo_line_to(cr, 2, 1);
            cairo_line_to(cr, 1, 6);
            c.setColour(stone.dark);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            c.highlight(-3, -5, 3, 2, 0.6);
        });
    });
}

}  // namespace artgen
