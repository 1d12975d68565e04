// Working things of the quests: levers, teleporters, catapults, machines, rocks, trampolines and the
// push button.
#include "draw/Draw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kWood = hex(0xC8843C);
constexpr Rgb kWoodDark = hex(0x7A4A22);
constexpr Rgb kIron = hex(0x8A94A8);
constexpr Rgb kIronDark = hex(0x3C4254);
constexpr Rgb kBeam = hex(0x7FE6FF);

void sparkle(Canvas& c, double x, double y, double r)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x, y, x, y, x + r, y);
    cairo_curve_to(cr, x, y, x, y, x, y + r);
    cairo_curve_to(cr, x, y, x, y, x - r, y);
    cairo_curve_to(cr, x, y, x, y, x, y - r);
    cairo_close_path(cr);
    c.setColour(hex(0xF0FDFF));
    c.fillOutlined(0.8, hex(0x2A9ED8));
}

void wheel(Canvas& c, double x, double y, double r)
{
    c.blob(x, y, r, r, kWoodDark, 1.5);
    c.blob(x, y, r * 0.35, r * 0.35, kIron, 1);
}

// The catapult's throwing arm: a beam from the pivot with a cup at the far end.
void catapultArm(Canvas& c, double angle)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 32, 19);
    cairo_rotate(cr, angle);
    c.box(-4, -2.5, 30, 5, 2.5, lighter(kWood, 0.2), kWoodDark, 1.5);
    cairo_arc(cr, 27, -3, 5.5, 0, kPi);
    cairo_close_path(cr);
    c.setColour(kIron);
    c.fillOutlined(1.5);
    cairo_restore(cr);
}

// Throwing to the left: at rest the cup lies on the right; thrown, the arm has swung over to the left.
void catapult(Canvas& c, bool thrown)
{
    c.box(10, 20, 44, 6, 2, lighter(kWood, 0.15), kWoodDark, 1.5);
    c.polygon({{26, 21}, {32, 11}, {38, 21}});
    c.setColour(kWoodDark);
    c.fillOutlined(1.5);
    catapultArm(c, thrown ? -2.6 : 0.28);
    c.blob(32, 19, 2.4, 2.4, kIron, 1.2);
    wheel(c, 17, 26.5, 4.5);
    wheel(c, 47, 26.5, 4.5);
    if (thrown)
        for (Point p : {Point{40, 6}, Point{46, 12}})
            sparkle(c, p.x, p.y, 2.5);
}

void rock(Canvas& c, double angle)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, angle);
    c.polygon({{-12, -4}, {-7, -12}, {3, -13}, {11, -8}, {13, 2}, {8, 11}, {-3, 13}, {-11, 8}});
    c.setRadialGradient(-4, -5, 18, hex(0xC8C0B4), hex(0x645C54));
    c.fillOutlined(1.8);
    cairo_move_to(cr, -3, -6);
    cairo_line_to(cr, 1, -1);
    cairo_line_to(cr, -1, 5);
    cairo_move_to(cr, 1, -1);
    cairo_line_to(cr, 7, 1);
    c.setColour(hex(0x3A342E));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.blob(-6, 6, 2.2, 1.6, hex(0x7A9A5A), 0);  // a patch of moss, so the turning shows
    cairo_restore(cr);
    c.highlight(11, 10, 4, 3, 0.5);
}

void arrowHead(Canvas& c, Point from, Point to, Rgb fill)
{
    cairo_t* cr = c.cr();
    const double a = std::atan2(to.y - from.y, to.x - from.x);
    cairo_save(cr);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x - 5 * std::cos(a), to.y - 5 * std::sin(a));
    c.setColour(kInk);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    c.setColour(fill);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_translate(cr, to.x, to.y);
    cairo_rotate(cr, a);
    c.polygon({{2, 0}, {-9, -7}, {-9, 7}});
    c.setColour(fill);
    c.fillOutlined(1.6);
    cairo_restore(cr);
}

}  // namespace

void drawThreeWayLever(Canvas& c)
{
    // Three positions: handle to the left, upright, to the right; a lamp on the base shows which.
    const double angles[3] = {-0.75, 0, 0.75};
    const Rgb lamps[3] = {hex(0xFF5A4A), hex(0xFFD23A), hex(0x5AE05A)};
    for (int k = 0; k < 3; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            cairo_translate(cr, 32, 46);
            cairo_rotate(cr, angles[k]);
            c.box(-2.5, -34, 5, 34, 2.5, hex(0xD8DEE8), kIronDark, 1.5);
            c.blob(0, -36, 6.5, 6.5, hex(0xE8323A), 1.8);
            c.highlight(-2, -38.5, 3, 2, 0.85);
            cairo_restore(cr);
            c.ellipse(32, 47, 12, 7);
            c.setColour(kIronDark);
            c.fillOutlined(1.8);
            c.box(8, 48, 48, 12, 4, hex(0x9AA4B8), kIronDark, 2);
            for (int i = 0; i < 3; ++i)
                c.blob(18 + i * 14, 54, 3, 3, i == k ? lamps[i] : hex(0x2A2E3A), 1.2);
        });
}

void drawTeleporterBeam(Canvas& c)
{
    // A column of light with rings rising through it.
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            cairo_pattern_t* p = cairo_pattern_create_linear(8, 0, 24, 0);
            cairo_pattern_add_color_stop_rgb(p, 0, 0.18, 0.62, 0.88);
            cairo_pattern_add_color_stop_rgb(p, 0.5, 0.94, 1.0, 1.0);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.18, 0.62, 0.88);
            cairo_set_source(cr, p);
            cairo_rectangle(cr, 9, 0, 14, 32);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
            for (int ring = 0; ring < 2; ++ring) {
                const double y = std::fmod(28 - k * 4 - ring * 16 + 32, 32);
                c.ellipse(16, y, 12, 3.2);
                c.setColour(kInk);
                cairo_set_line_width(cr, 3.6);
                cairo_stroke_preserve(cr);
                c.setColour(kBeam);
                cairo_set_line_width(cr, 1.8);
                cairo_stroke(cr);
            }
            sparkle(c, 6 + (k % 2) * 19, 8 + k * 5, 3);
        });
}

void drawTeleporterPad(Canvas& c)
{
    c.ellipse(16, 8.5, 15, 6.5);
    c.setVerticalGradient(2, hex(0xC8D0E0), 15, hex(0x4A5268));
    c.fillOutlined(1.5);
    c.ellipse(16, 8, 10, 3.8);
    c.setRadialGradient(16, 8, 10, hex(0xF0FFFF), hex(0x2EA8E6));
    c.fillOutlined(1.2);
}

void drawThrowingCatapult(Canvas& c)
{
    // 0 and 1 throw to the left (at rest, thrown), 2 and 3 are the same mirrored, throwing right.
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            if (k >= 2) {
                cairo_translate(cr, 64, 0);
                cairo_scale(cr, -1, 1);
            }
            catapult(c, k % 2 == 1);
            cairo_restore(cr);
        });
}

void drawBallMachine(Canvas& c)
{
    // A boiler on legs with a hatch on its left, where the balls roll out; it puffs while it works.
    for (int k = 0; k < 2; ++k)
        c.drawFrame(k, [&] {
            c.box(14, 8, 8, 16, 2, hex(0x8A94A8), kIronDark, 1.5);  // chimney
            c.box(3, 20, 26, 36, 6, hex(0xE86A4A), hex(0x8A2A22), 2);
            c.box(5, 57, 5, 6, 1, kIron, kIronDark, 1.2);
            c.box(22, 57, 5, 6, 1, kIron, kIronDark, 1.2);
            c.blob(11, 44, 6.5, 6.5, hex(0x2A2E3A), 1.8);  // the hatch
            c.blob(11, 44, 4, 4, k == 0 ? hex(0x4A5066) : hex(0xFFB03A), 0);
            c.blob(22, 28, 3, 3, k == 0 ? hex(0x5AE05A) : hex(0xFFE05A), 1.2);
            c.highlight(9, 25, 4, 2.5, 0.6);
            if (k == 1) {
                c.blob(20, 6, 5, 4, hex(0xE8ECF4), 1.3);
                c.blob(25, 3.5, 3.5, 3, hex(0xFFFFFF), 1.2);
            } else {
                c.blob(19, 6, 3, 2.5, hex(0xD0D6E2), 1.2);
            }
        });
}

void drawTumblingRock(Canvas& c)
{
    for (int k = 0; k < 16; ++k)
        c.drawFrame(k, [&] { rock(c, k * kPi / 8); });
}

void drawTiltingTrampoline(Canvas& c)
{
    // The three settings bounce right, straight up and left; the mat tilts and an arrow says where.
    const double tilts[3] = {-0.16, 0, 0.16};
    const Point arrowTo[3] = {{56, 8}, {32, 4}, {8, 8}};
    for (int k = 0; k < 3; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            for (double x : {12.0, 52.0})
                c.box(x - 2.5, 44, 5, 16, 2, kIron, kIronDark, 1.5);
            cairo_save(cr);
            cairo_translate(cr, 32, 42);
            cairo_rotate(cr, tilts[k]);
            c.box(-27, -4, 54, 8, 4, hex(0x5A6074), hex(0x2A2E3A), 1.8);
            for (int i = 0; i < 6; ++i)
                c.box(-22 + i * 8.5, -3, 3, 6, 1, hex(0xE8ECF4), hex(0xA0A8B8), 0.8);
            c.ellipse(0, -4, 25, 3);
            c.setColour(hex(0x3CC8E6));
            c.fillOutlined(1.5);
            cairo_restore(cr);
            arrowHead(c, {32, 34}, arrowTo[k], hex(0xFFD23A));
        });
}

void drawButtonOnTile(Canvas& c)
{
    // Shown without a key: a floor tile with a big red button on a metal collar.
    cairo_t* cr = c.cr();
    c.box(0, 0, 64, 64, 6, hex(0x9AA890), hex(0x5E6A58), 2);
    for (double y : {21.0, 43.0}) {
        cairo_move_to(cr, 3, y);
        cairo_line_to(cr, 61, y);
    }
    c.setColour(hex(0x4A5444), 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.ellipse(32, 40, 24, 13);
    c.setVerticalGradient(27, hex(0xD0D8E4), 53, hex(0x4A5266));
    c.fillOutlined(2);
    // The button is a short red cylinder: its side first, then its top.
    c.ellipse(32, 38, 17, 9);
    c.setColour(hex(0x9A1A22));
    c.fillOutlined(1.8);
    cairo_rectangle(cr, 15, 31, 34, 7);
    c.setColour(hex(0x9A1A22));
    cairo_fill(cr);
    cairo_move_to(cr, 15, 31);
    cairo_line_to(cr, 15, 38);
    cairo_move_to(cr, 49, 31);
    cairo_line_to(cr, 49, 38);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    c.ellipse(32, 31, 17, 9);
    c.setRadialGradient(27, 27, 18, hex(0xFF8C8C), hex(0xD81E2A));
    c.fillOutlined(2);
    c.highlight(26, 27, 7, 3.5, 0.8);
}

}  // namespace artgen
