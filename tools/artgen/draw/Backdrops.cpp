// Full-screen backdrops.
#include "draw/Draw.h"

#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

// A small fixed sequence, so the stars land in the same places on every build.
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

void hill(Canvas& c, double baseY, double amplitude, double phase, Rgb top, Rgb bottom)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 0, 600);
    for (int x = 0; x <= 800; x += 20)
        cairo_line_to(cr, x, baseY - amplitude * std::sin(x / 800.0 * 2 * kPi * 1.3 + phase) -
                                 amplitude * 0.4 * std::sin(x / 800.0 * 2 * kPi * 3.1 + phase * 2));
    cairo_line_to(cr, 800, 600);
    cairo_close_path(cr);
    c.setVerticalGradient(baseY - amplitude, top, 600, bottom);
    c.fillOutlined(3);
}

}  // namespace

void drawCreditsBackdrop(Canvas& c)
{
    // A calm dusk over hills. The game stretches the picture to the whole screen, so it is drawn in
    // screen coordinates; the sky stays dark where the coloured credit lines are written
    // (x 150 to 690, y 120 to 450) so that blue and red text read as well as yellow and white.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 256.0 / 800, 256.0 / 600);

    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.04, 0.03, 0.12);
    cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.09, 0.06, 0.2);
    cairo_pattern_add_color_stop_rgb(sky, 0.85, 0.3, 0.14, 0.32);
    cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.55, 0.25, 0.3);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    Scatter scatter(15);
    for (int i = 0; i < 90; ++i) {
        const double x = scatter.next() * 800, y = scatter.next() * 470, size = 1.5 + scatter.next() * 2.5;
        const bool behindText = x > 130 && x < 710 && y > 105 && y < 460;
        c.ellipse(x, y, size, size);
        c.setColour(hex(0xFFF6D8), behindText ? 0.25 : 0.85);
        cairo_fill(cr);
    }

    // A crescent moon in the top-left corner, clear of the text and of the Back button.
    c.ellipse(85, 70, 30, 30);
    c.setColour(hex(0xFFF0B4));
    cairo_fill(cr);
    c.ellipse(100, 60, 27, 27);
    c.setColour(hex(0x0B0820));
    cairo_fill(cr);

    hill(c, 505, 18, 0.5, hex(0x3C2E6E), hex(0x1E1840));
    hill(c, 540, 22, 2.2, hex(0x1E4A4A), hex(0x0E2828));
    hill(c, 575, 14, 4.0, hex(0x163A2A), hex(0x0A1E16));
    for (double x : {612.0, 640.0, 180.0}) {  // lit cottage windows far away
        cairo_rectangle(cr, x, 548, 5, 5);
        c.setColour(hex(0xFFD25A));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace artgen
