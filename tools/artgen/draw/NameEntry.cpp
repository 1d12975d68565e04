// The name entry: the boxed line the name is typed into and the pieces that gather around it.
// Every piece is drawn in screen pixels and squeezed into its picture by the scale the screen draws it
// at, so that it looks right stretched: the box is a gold frame around a night-blue field, two
// jewelled rails slide in above and below it, two posts part to stand at its ends, and two gloved
// hands in butler's sleeves come in to present the Clear and Ready buttons on their palm and tray.
#include "draw/Draw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kGoldLight = hex(0xFFF0A0);
constexpr Rgb kGold = hex(0xF2B630);
constexpr Rgb kGoldDark = hex(0xA8661A);
constexpr Rgb kSleeve = hex(0x3A4FB8);
constexpr Rgb kCuff = hex(0xF4F4FF);
constexpr Rgb kGlove = hex(0xFFFFFF);

// Draws in screen pixels of a picture that the game stretches by (sx, sy).
void inScreenPixels(Canvas& c, double sx, double sy, const std::function<void()>& draw)
{
    cairo_save(c.cr());
    cairo_scale(c.cr(), 1 / sx, 1 / sy);
    draw();
    cairo_restore(c.cr());
}

// The cross-section of the gold frame: ink, shaded gold, a bright middle, shaded gold, ink.
void goldRodProfile(Canvas& c, bool horizontal)
{
    cairo_t* cr = c.cr();
    const double length = horizontal ? c.width() : c.height();
    const double thick = horizontal ? c.height() : c.width();
    cairo_pattern_t* p = horizontal ? cairo_pattern_create_linear(0, 0, 0, thick)
                                    : cairo_pattern_create_linear(0, 0, thick, 0);
    const struct {
        double at;
        Rgb colour;
    } stops[] = {{0.0, kInk}, {0.13, kInk},       {0.14, kGoldDark}, {0.35, kGold},
                 {0.5, kGoldLight}, {0.68, kGold}, {0.86, kGoldDark}, {0.87, kInk}, {1.0, kInk}};
    for (const auto& s : stops)
        cairo_pattern_add_color_stop_rgb(p, s.at, s.colour.r, s.colour.g, s.colour.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, horizontal ? length : thick, horizontal ? thick : length);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void star(Canvas& c, double cx, double cy, double r, Rgb fill)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double radius = i % 2 == 0 ? r : r * 0.48;
        const double x = cx + radius * std::cos(a), y = cy + radius * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    c.setVerticalGradient(cy - r, lighter(fill, 0.55), cy + r, fill);
    c.fillOutlined(1.6);
}

// A white glove held flat under something, seen from the front: the palm with four fingertips along
// its top edge and the thumb at its left, at (x, y) with the given width and height.
void flatGlove(Canvas& c, double x, double y, double w, double h)
{
    c.box(x, y, w, h, h * 0.45, kGlove, hex(0xC8CCE6), 1.5);
    const double tip = h * 0.18;
    for (int i = 0; i < 4; ++i)
        c.blob(x + w * (0.2 + i * 0.2), y + tip, w * 0.09, tip, kGlove, 1.2);
    c.ellipse(x + w * 0.02, y + h * 0.55, w * 0.1, h * 0.3);
    c.setColour(kGlove);
    c.fillOutlined(1.2);
}

// A sleeve along +x ending in a white cuff at x = length.
void sleeve(Canvas& c, double length, double thick)
{
    c.box(-10, -thick / 2, length + 10, thick, thick * 0.3, lighter(kSleeve, 0.25), darker(kSleeve, 0.2), 1.6);
    c.box(length - thick * 0.45, -thick * 0.58, thick * 0.55, thick * 1.16, 2.5, kCuff, hex(0xC0C6E0), 1.5);
    c.blob(length * 0.45, 0, 2.2, 2.2, kGold, 1);  // a gold button
}

}  // namespace

void drawNameBoxFill(Canvas& c)
{
    // Stretched 9.5 by 1.3 into the field behind the typed name: only the vertical shading survives.
    c.setVerticalGradient(0, hex(0x0C1030), c.height(), hex(0x26336E));
    cairo_paint(c.cr());
    cairo_rectangle(c.cr(), 0, 0, c.width(), 3);
    c.setColour(kInk, 0.5);
    cairo_fill(c.cr());
}

void drawNameBoxTopBottom(Canvas& c) { goldRodProfile(c, true); }

void drawNameBoxSide(Canvas& c) { goldRodProfile(c, false); }

void drawNameRail(Canvas& c)
{
    // Drawn 2.117 times wider: 352 screen pixels from the left post to the right one.
    inScreenPixels(c, 2.117, 1, [&] {
        c.box(6, 13, 340, 6, 3, kGoldLight, kGoldDark, 1.5);
        static const std::uint32_t colours[] = {0xE8325A, 0xF07A1E, 0xF0C21E, 0x3CB43C, 0x1EA8B4,
                                                0x3264E6, 0x8246DC, 0xD23CB4, 0xE8325A};
        for (int i = 0; i < 9; ++i)
            star(c, 22 + i * 38.5, 16, 11.5, hex(colours[i]));
        c.blob(6, 16, 5, 5, kGold, 1.5);
        c.blob(346, 16, 5, 5, kGold, 1.5);
    });
}

void drawNamePost(Canvas& c)
{
    // Two gold studs, one on each rail of the name box, that slide along it. The middle stays
    // see-through: the studs pass over the name being typed and must not hide it.
    for (double y : {5.0, 59.0}) {
        c.ellipse(8, y, 6.5, 3.8);
        c.setRadialGradient(6, y - 2, 7, kGoldLight, kGold);
        c.fillOutlined(1.5);
        c.blob(8, y, 2.2, 2, hex(0x2ED1E0), 0.8);
    }
}

void drawLeftSleeve(Canvas& c)
{
    // Comes in from the left edge; the arm it holds out continues in the next picture at x 64.
    cairo_save(c.cr());
    cairo_translate(c.cr(), 0, 19);
    sleeve(c, 62, 20);
    cairo_restore(c.cr());
}

void drawLeftGlove(Canvas& c)
{
    // Grows out of the sleeve to 1.1 times its width; the palm ends under the Clear button.
    inScreenPixels(c, 1.1, 1, [&] {
        c.box(-4, 3, 86, 11, 5, lighter(kSleeve, 0.25), darker(kSleeve, 0.2), 1.5);  // the arm reaching out
        flatGlove(c, 84, 1.5, 54, 15);
    });
}

void drawRisingArm(Canvas& c)
{
    // Rises from below the screen and holds the tray of the Ready button on its fingertips.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 16, 70);
    cairo_rotate(cr, -kPi / 2);
    sleeve(c, 50, 20);
    cairo_restore(cr);
    flatGlove(c, 4, 1, 25, 16);
}

void drawTray(Canvas& c)
{
    // A silver platter seen from the side.
    cairo_t* cr = c.cr();
    c.ellipse(64, 9, 61, 5.5);
    c.setVerticalGradient(3, hex(0xFFFFFF), 15, hex(0x8A90B0));
    c.fillOutlined(1.6);
    c.ellipse(64, 7.6, 52, 2.4);
    c.setColour(hex(0xD8DCF0));
    cairo_fill(cr);
    c.highlight(40, 8, 18, 2, 0.9);
}

void drawLightning(Canvas& c)
{
    // Four bolts that strike one after another behind the box, each drawn 2.8 by 2.34 times larger
    // and then squeezed sideways as it fades.
    struct Bolt {
        std::uint32_t core, glow;
        double x[9];  // where the zigzag turns, every 75 screen pixels down
    };
    static const Bolt bolts[4] = {
        {0xFFF6A0, 0xF0A020, {60, 110, 70, 120, 80, 130, 75, 105, 95}},
        {0xC8FFFF, 0x2EA8E6, {120, 70, 115, 60, 110, 55, 100, 70, 80}},
        {0xFFD8F4, 0xD23CB4, {80, 125, 65, 110, 55, 115, 70, 100, 90}},
        {0xE4FFB0, 0x4CC83C, {100, 55, 110, 65, 125, 70, 110, 60, 85}},
    };
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            inScreenPixels(c, 2.8, 2.34375, [&] {
                cairo_t* cr = c.cr();
                const Bolt& b = bolts[k];
                auto zigzag = [&](double widthScale) {
                    for (int i = 0; i <= 8; ++i) {
                        const double w = (20 - i * 2.1) * widthScale;
                        const double y = i * 75.0;
                        i == 0 ? cairo_move_to(cr, b.x[i] - w, y) : cairo_line_to(cr, b.x[i] - w, y);
                    }
                    for (int i = 8; i >= 0; --i)
                        cairo_line_to(cr, b.x[i] + (20 - i * 2.1) * widthScale, i * 75.0);
                    cairo_close_path(cr);
                };
                // A short fork off the third turn, behind the bolt.
                const double side = b.x[2] < 90 ? -1 : 1;
                c.polygon({{b.x[2] - 8, 140}, {b.x[2] + side * 44, 215}, {b.x[2] + side * 30, 222},
                           {b.x[2] + side * 40, 290}, {b.x[2] + side * 14, 222}, {b.x[2] + side * 26, 216}, {b.x[2] + 8, 165}});
                c.setColour(hex(b.glow));
                c.fillOutlined(3);
                zigzag(1.6);
                c.setColour(hex(b.glow));
                c.fillOutlined(3);
                zigzag(0.75);
                c.setColour(hex(b.core));
                cairo_fill(cr);
            });
        });
}

void drawTypeYourName(Canvas& c)
{
    TextStyle s;
    s.size = 25;
    s.top = hex(0xFFF6B4);
    s.bottom = hex(0xFF9A2A);
    s.outlineWidth = 2;
    s.shadowDx = 1.5, s.shadowDy = 2;
    s.shadow = hex(0x5A1E78);
    c.text("Type your name:", 128, 16, s, 250);
}

}  // namespace artgen
