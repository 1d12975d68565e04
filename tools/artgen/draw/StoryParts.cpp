// Pieces of the quest pictures.
#include "draw/StoryParts.h"

#include "draw/StoryLook.h"

#include <cmath>

namespace artgen {

void sky(Canvas& c, Rgb top, Rgb bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.frameHeight());
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(c.cr(), p);
    cairo_paint(c.cr());
    cairo_pattern_destroy(p);
}

void sun(Canvas& c, double x, double y, double r)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        cairo_move_to(cr, x + std::cos(a) * r * 1.3, y + std::sin(a) * r * 1.3);
        cairo_line_to(cr, x + std::cos(a) * r * 1.8, y + std::sin(a) * r * 1.8);
    }
    c.setColour(hex(0xFFE066));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    c.ellipse(x, y, r, r);
    c.setRadialGradient(x - r * 0.3, y - r * 0.3, r * 1.4, hex(0xFFFCC0), hex(0xFFB020));
    c.fillOutlined(1.3);
}

void cloud(Canvas& c, double x, double y, double scale)
{
    cairo_t* cr = c.cr();
    const double s = scale;
    for (int pass = 0; pass < 2; ++pass) {
        c.ellipse(x - 6 * s, y + 1 * s, 5 * s, 4 * s);
        c.ellipse(x, y - 1.5 * s, 6 * s, 5 * s);
        c.ellipse(x + 6 * s, y + 1 * s, 5 * s, 4 * s);
        if (pass == 0) {
            c.setColour(kInk);
            cairo_set_line_width(cr, 2.4);
            cairo_stroke(cr);
        } else {
            c.setVerticalGradient(y - 6 * s, hex(0xFFFFFF), y + 5 * s, hex(0xD8E8FF));
            cairo_fill(cr);
        }
    }
}

void meadow(Canvas& c, double topY, Rgb top, Rgb bottom)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth(), h = c.frameHeight();
    cairo_move_to(cr, -2, h + 2);
    cairo_line_to(cr, -2, topY + 1);
    cairo_curve_to(cr, w * 0.3, topY - 3, w * 0.6, topY + 3, w + 2, topY - 1);
    cairo_line_to(cr, w + 2, h + 2);
    cairo_close_path(cr);
    c.setVerticalGradient(topY - 2, top, h, bottom);
    c.fillOutlined(1.5);
}

void path(Canvas& c, double cx, double baseY, double width, double length, Rgb colour)
{
    c.polygon({{cx - width * 0.2, baseY - length}, {cx + width * 0.2, baseY - length}, {cx + width / 2, baseY + 1},
               {cx - width / 2, baseY + 1}});
    c.setVerticalGradient(baseY - length, darker(colour, 0.1), baseY, colour);
    c.fillOutlined(1.2);
}

void rockFace(Canvas& c, double topY, Rgb light, Rgb deep)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth(), h = c.frameHeight();
    cairo_move_to(cr, -2, h + 2);
    cairo_line_to(cr, -2, topY + 10);
    cairo_curve_to(cr, w * 0.1, topY - 2, w * 0.3, topY + 6, w * 0.45, topY);
    cairo_curve_to(cr, w * 0.6, topY - 6, w * 0.8, topY + 4, w + 2, topY + 8);
    cairo_line_to(cr, w + 2, h + 2);
    cairo_close_path(cr);
    c.setVerticalGradient(topY, light, h, deep);
    c.fillOutlined(1.6);
    // A few cracks and boulders give it grain.
    Scatter s(7);
    for (int i = 0; i < 7; ++i) {
        const double x = s.next() * w, y = topY + 8 + s.next() * (h - topY - 14);
        cairo_move_to(cr, x - 3, y);
        cairo_line_to(cr, x, y + 2);
        cairo_line_to(cr, x + 3, y + 1);
        c.setColour(darker(deep, 0.3), 0.7);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void stoneRoom(Canvas& c, Rgb light, Rgb deep)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth(), h = c.frameHeight();
    sky(c, light, mix(light, deep, 0.6));
    // Rows of bricks, each row shifted by half a brick.
    for (int row = 0; row < 6; ++row) {
        const double y = row * 8.5;
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y);
        for (double x = (row % 2) * 6; x < w; x += 12) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + 8.5);
        }
    }
    c.setColour(darker(deep, 0.2), 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The floor.
    cairo_rectangle(cr, -2, h * 0.78, w + 4, h);
    c.setVerticalGradient(h * 0.78, mix(light, deep, 0.4), h, deep);
    c.fillOutlined(1.5);
}

void castleWall(Canvas& c, double topY, double baseY, double crenel, Rgb light, Rgb deep)
{
    cairo_t* cr = c.cr();
    const double w = c.frameWidth() * 2;  // wide enough for pictures drawn under a squeeze
    cairo_move_to(cr, -2, baseY);
    cairo_line_to(cr, -2, topY);
    for (double x = -2; x < w; x += crenel) {
        cairo_line_to(cr, x + crenel * 0.5, topY);
        cairo_line_to(cr, x + crenel * 0.5, topY + crenel * 0.4);
        cairo_line_to(cr, x + crenel, topY + crenel * 0.4);
        cairo_line_to(cr, x + crenel, topY);
    }
    cairo_line_to(cr, w, baseY);
    cairo_close_path(cr);
    c.setVerticalGradient(topY, light, baseY, deep);
    c.fillOutlined(1.6);
}

void moss(Canvas& c)
{
    Scatter s(21);
    for (int i = 0; i < 9; ++i) {
        const double x = s.next() * c.frameWidth(), y = 14 + s.next() * 40;
        c.blob(x, y, 2.5 + s.next() * 2, 1.6, hex(0x8EE070), 0.8);
    }
}

void sparkle(Canvas& c, double x, double y, double size, Rgb colour)
{
    const double s = size, t = size * 0.3;
    c.polygon({{x, y - s}, {x + t, y - t}, {x + s, y}, {x + t, y + t}, {x, y + s}, {x - t, y + t}, {x - s, y},
               {x - t, y - t}});
    c.setColour(colour);
    c.fillOutlined(0.8);
}

namespace {

// An opening with a round top, as the current path.
void archPath(Canvas& c, double cx, double baseY, double width, double height)
{
    cairo_t* cr = c.cr();
    const double r = width / 2;
    cairo_move_to(cr, cx - r, baseY);
    cairo_line_to(cr, cx - r, baseY - height + r);
    cairo_arc(cr, cx, baseY - height + r, r, kPi, 2 * kPi);
    cairo_line_to(cr, cx + r, baseY);
    cairo_close_path(cr);
}

}  // namespace

void archway(Canvas& c, double cx, double baseY, double width, double height, Rgb stone, Rgb inside)
{
    cairo_t* cr = c.cr();
    const double rim = width * 0.16;
    archPath(c, cx, baseY, width + 2 * rim, height + rim);
    c.setVerticalGradient(baseY - height - rim, lighter(stone, 0.25), baseY, darker(stone, 0.2));
    c.fillOutlined(1.6);
    // Stones of the arch.
    for (int i = 0; i <= 6; ++i) {
        const double a = kPi + i * kPi / 6, r = width / 2;
        const double ox = cx + std::cos(a) * r, oy = baseY - height + r + std::sin(a) * r;
        cairo_move_to(cr, ox, oy);
        cairo_line_to(cr, ox + std::cos(a) * rim, oy + std::sin(a) * rim);
    }
    c.setColour(kInk, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    archPath(c, cx, baseY, width, height);
    c.setVerticalGradient(baseY - height, inside, baseY, lighter(inside, 0.15));
    c.fillOutlined(1.6);
}

void cave(Canvas& c, double cx, double baseY, double width, double height, Rgb glow)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, cx - width / 2, baseY);
    cairo_curve_to(cr, cx - width / 2, baseY - height * 0.8, cx - width * 0.25, baseY - height, cx, baseY - height);
    cairo_curve_to(cr, cx + width * 0.3, baseY - height, cx + width / 2, baseY - height * 0.7, cx + width / 2, baseY);
    cairo_close_path(cr);
    c.setRadialGradient(cx, baseY - height * 0.35, width * 0.6, glow, hex(0x120A20));
    c.fillOutlined(1.8);
}

void door(Canvas& c, double cx, double baseY, double width, double height, Rgb light, Rgb deep, bool arched)
{
    cairo_t* cr = c.cr();
    if (arched)
        archPath(c, cx, baseY, width, height);
    else
        c.roundedRect(cx - width / 2, baseY - height, width, height, 2);
    c.setVerticalGradient(baseY - height, light, baseY, deep);
    c.fillOutlined(1.6);
    // Planks, the middle seam and two rings.
    for (double f : {-0.25, 0.25}) {
        cairo_move_to(cr, cx + f * width, baseY - height + (arched ? width * 0.08 : 2));
        cairo_line_to(cr, cx + f * width, baseY - 1);
    }
    c.setColour(darker(deep, 0.2), 0.7);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, baseY - height + 1);
    cairo_line_to(cr, cx, baseY);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double f : {-0.12, 0.12})
        c.blob(cx + f * width, baseY - height * 0.42, width * 0.05 + 0.6, width * 0.05 + 0.6, kGoldLight, 0.9);
}

void portcullis(Canvas& c, double cx, double topY, double width, double height)
{
    cairo_t* cr = c.cr();
    for (double x = cx - width / 2 + 3; x < cx + width / 2; x += 4) {
        cairo_move_to(cr, x, topY);
        cairo_line_to(cr, x, topY + height);
    }
    cairo_move_to(cr, cx - width / 2 + 1, topY + height * 0.5);
    cairo_line_to(cr, cx + width / 2 - 1, topY + height * 0.5);
    c.setColour(kInk);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0x9AA0B0));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void pillar(Canvas& c, double x, double topY, double baseY, Rgb light, Rgb deep)
{
    c.box(x - 4, topY + 3, 8, baseY - topY - 5, 1, light, deep, 1.4);
    c.box(x - 6, topY, 12, 4, 1, light, deep, 1.4);
    c.box(x - 6, baseY - 3, 12, 4, 1, light, deep, 1.4);
}

void banner(Canvas& c, double x, double topY, Rgb colour)
{
    c.polygon({{x - 4, topY}, {x + 4, topY}, {x + 4, topY + 16}, {x, topY + 13}, {x - 4, topY + 16}});
    c.setVerticalGradient(topY, lighter(colour, 0.3), topY + 16, colour);
    c.fillOutlined(1.2);
    c.blob(x, topY + 6, 1.6, 1.6, kGoldLight, 0.7);
}

void torch(Canvas& c, double x, double y)
{
    c.box(x - 1.5, y, 3, 9, 1, hex(0xA8703C), hex(0x6E4424), 1.1);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - 8);
    cairo_curve_to(cr, x + 4, y - 4, x + 4, y + 1, x, y + 1);
    cairo_curve_to(cr, x - 4, y + 1, x - 4, y - 4, x, y - 8);
    c.setVerticalGradient(y - 8, hex(0xFFF0A0), y + 1, hex(0xFF7A1E));
    c.fillOutlined(1);
    c.highlight(x, y - 3, 7, 7, 0.25);
}

void stairs(Canvas& c, double cx, double topY, double width, double height, Rgb light)
{
    // Steps going down into the dark, each narrower and darker than the one before.
    cairo_t* cr = c.cr();
    archway(c, cx, topY + height, width, height, light, hex(0x0E0A16));
    const int steps = 5;
    for (int i = 0; i < steps; ++i) {
        const double t = double(i) / steps;
        const double w = width * (0.9 - 0.12 * i), y = topY + height - (i + 1) * height * 0.13;
        cairo_rectangle(cr, cx - w / 2, y, w, height * 0.13);
        c.setColour(mix(light, hex(0x0E0A16), t * 0.9));
        c.fillOutlined(1);
    }
}

void pit(Canvas& c, double cx, double cy, double rx, double ry)
{
    c.ellipse(cx, cy, rx + 3, ry + 2);
    c.setColour(hex(0x6A5A50));
    c.fillOutlined(1.5);
    c.ellipse(cx, cy, rx, ry);
    c.setRadialGradient(cx, cy + ry * 0.5, rx, hex(0x000000), hex(0x2A2030));
    c.fillOutlined(1.2);
}

void ladder(Canvas& c, double cx, double topY, double baseY, double width, Rgb wood)
{
    for (double y = topY + 4; y < baseY; y += 5)
        c.limb({cx - width / 2, y}, {cx + width / 2, y}, 1.6, darker(wood, 0.1), 0.8);
    for (double side : {-1.0, 1.0})
        c.limb({cx + side * width / 2, topY}, {cx + side * width / 2, baseY}, 2.4, wood, 1);
}

void vase(Canvas& c, double cx, double baseY, double scale, Rgb colour)
{
    cairo_t* cr = c.cr();
    const double s = scale;
    cairo_move_to(cr, cx - 5 * s, baseY - 22 * s);
    cairo_curve_to(cr, cx - 14 * s, baseY - 14 * s, cx - 10 * s, baseY - 2 * s, cx - 6 * s, baseY);
    cairo_line_to(cr, cx + 6 * s, baseY);
    cairo_curve_to(cr, cx + 10 * s, baseY - 2 * s, cx + 14 * s, baseY - 14 * s, cx + 5 * s, baseY - 22 * s);
    cairo_close_path(cr);
    c.setRadialGradient(cx - 3 * s, baseY - 14 * s, 14 * s, lighter(colour, 0.45), darker(colour, 0.35));
    c.fillOutlined(1.5);
    c.box(cx - 6.5 * s, baseY - 25 * s, 13 * s, 4 * s, 1.5, lighter(colour, 0.3), darker(colour, 0.2), 1.3);
    cairo_move_to(cr, cx - 9.5 * s, baseY - 12 * s);
    cairo_curve_to(cr, cx - 3 * s, baseY - 9 * s, cx + 3 * s, baseY - 15 * s, cx + 9.5 * s, baseY - 12 * s);
    c.setColour(kGoldLight);
    cairo_set_line_width(cr, 1.4 * s);
    cairo_stroke(cr);
    c.highlight(cx - 4 * s, baseY - 16 * s, 2.5 * s, 4 * s, 0.6);
}

void appleTree(Canvas& c, double cx, double baseY, double scale)
{
    cairo_t* cr = c.cr();
    const double s = scale;
    c.box(cx - 3 * s, baseY - 20 * s, 6 * s, 20 * s, 2, hex(0xA8703C), hex(0x6E4424), 1.5);
    struct Puff {
        double x, y, r;
    };
    const Puff puffs[] = {{0, -30, 13}, {-11, -24, 9}, {11, -24, 9}, {-6, -38, 9}, {7, -38, 9}};
    for (int pass = 0; pass < 2; ++pass) {
        for (const Puff& p : puffs)
            c.ellipse(cx + p.x * s, baseY + p.y * s, p.r * s, p.r * s);
        if (pass == 0) {
            c.setColour(kInk);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        } else {
            c.setVerticalGradient(baseY - 47 * s, hex(0x9CF06E), baseY - 16 * s, hex(0x2E8A3A));
            cairo_fill(cr);
        }
    }
    c.highlight(cx - 6 * s, baseY - 40 * s, 6 * s, 4 * s, 0.4);
    for (Point a : {Point{-8, -28}, Point{5, -33}, Point{10, -22}, Point{-2, -22}, Point{-5, -39}, Point{13, -30}}) {
        c.blob(cx + a.x * s, baseY + a.y * s, 2.6 * s, 2.6 * s, hex(0xE8303A), 1);
        c.highlight(cx + (a.x - 0.8) * s, baseY + (a.y - 0.8) * s, 1 * s, 0.8 * s, 0.9);
    }
}

}  // namespace artgen
