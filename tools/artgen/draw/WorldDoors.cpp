// Doors and the keys that open them, blocks, suspicious walls with their signs, trap doors.
#include "draw/WorldDraw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kIron = hex(0x5B6478);
constexpr Rgb kStone = hex(0xB9B2A6);

// The door's leaf: planks under an arch, iron bands, and a plate in the colour of its key.
void doorLeaf(Canvas& c, const DoorLook& look, double x0, double y0, double x1, double y1)
{
    cairo_t* cr = c.cr();
    const double w = x1 - x0, r = w / 2;
    auto arch = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y1);
        cairo_line_to(cr, x0, y0 + r * 0.7);
        cairo_curve_to(cr, x0, y0 - r * 0.2, x1, y0 - r * 0.2, x1, y0 + r * 0.7);
        cairo_line_to(cr, x1, y1);
        cairo_close_path(cr);
    };
    arch();
    c.setVerticalGradient(y0, look.wood.light, y1, look.wood.dark);
    cairo_fill(cr);
    cairo_save(cr);
    arch();
    cairo_clip(cr);
    for (double x = x0 + w / 4; x < x1 - 1; x += w / 4) {  // plank seams
        cairo_move_to(cr, x, y0);
        cairo_line_to(cr, x, y1);
    }
    c.setColour(look.wood.dark);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    for (double y : {y0 + (y1 - y0) * 0.3, y0 + (y1 - y0) * 0.78}) {  // iron bands with rivets
        cairo_rectangle(cr, x0, y - 1.6, w, 3.2);
        c.setColour(kIron);
        cairo_fill(cr);
        for (double x = x0 + 2.5; x < x1; x += w / 4)
            c.blob(x, y, 0.8, 0.8, hex(0xC4CAD6), 0);
    }
    cairo_restore(cr);
    arch();
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The lock plate, the same colour as its key, so the player sees which key fits.
    const double cx = (x0 + x1) / 2, cy = y0 + (y1 - y0) * 0.55;
    c.box(cx - 5, cy - 5.5, 10, 11, 2.5, lighter(look.emblem, 0.45), look.emblem, 1.2);
    c.blob(cx, cy - 1.3, 1.6, 1.6, kInk, 0);
    c.polygon({{cx - 1, cy - 1}, {cx + 1, cy - 1}, {cx + 1.4, cy + 3}, {cx - 1.4, cy + 3}});
    c.setColour(kInk);
    cairo_fill(cr);
    c.highlight(cx - 2, cy - 3.5, 2.5, 1.5, 0.8);
}

void brickCourses(Canvas& c, double x, double y, double w, double h, int rows, Rgb mortar)
{
    cairo_t* cr = c.cr();
    const double rowH = h / rows;
    for (int i = 1; i < rows; ++i) {
        cairo_move_to(cr, x, y + i * rowH);
        cairo_line_to(cr, x + w, y + i * rowH);
    }
    for (int i = 0; i < rows; ++i) {
        const double offset = i % 2 == 0 ? w / 2 : w / 4;
        for (double bx = x + offset; bx < x + w - 1; bx += w / 2) {
            cairo_move_to(cr, bx, y + i * rowH);
            cairo_line_to(cr, bx, y + (i + 1) * rowH);
        }
    }
    c.setColour(mortar);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

void drawDoor(Canvas& c, const DoorLook& look)
{
    // Shown about 45 pixels square. Pictures with a key get a free-standing door in a stone arch;
    // the unkeyed one fills its frame with the wall around the door.
    cairo_t* cr = c.cr();
    if (look.inFrame) {
        cairo_rectangle(cr, 0, 0, 32, 32);
        c.setVerticalGradient(0, lighter(kStone, 0.2), 32, darker(kStone, 0.2));
        cairo_fill(cr);
        brickCourses(c, 0, 0, 32, 32, 4, darker(kStone, 0.35));
        doorLeaf(c, look, 6, 4, 26, 32);
        return;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 1.5, 31.5);
    cairo_line_to(cr, 1.5, 12);
    cairo_curve_to(cr, 1.5, -3, 30.5, -3, 30.5, 12);
    cairo_line_to(cr, 30.5, 31.5);
    cairo_close_path(cr);
    c.setVerticalGradient(0, lighter(kStone, 0.25), 32, darker(kStone, 0.15));
    c.fillOutlined(1.5);
    doorLeaf(c, look, 5.5, 5, 26.5, 31.5);
}

void drawKey(Canvas& c, Tint metal, Rgb jewel, bool royal)
{
    // An upright key, bow on top, bit at the foot; the shine runs along it over the four frames.
    eachFrame(c, 4, [&](int k) {
        cairo_t* cr = c.cr();
        const double bob = k == 1 || k == 2 ? -0.8 : 0;
        cairo_save(cr);
        cairo_translate(cr, 0, bob);
        c.limb({8, 12}, {8, 29}, 3.6, metal.base, 1.2);
        c.polygon({{9.2, 22}, {13.6, 22}, {13.6, 24.5}, {11.6, 24.5}, {11.6, 26}, {13.6, 26}, {13.6, 29.5},
                   {9.2, 29.5}});
        c.setVerticalGradient(22, metal.light, 30, metal.dark);
        c.fillOutlined(1.1);
        if (royal) {
            starPath(c, 8, 7.5, 6, 7, 4.6);
            c.setRadialGradient(6, 5, 9, metal.light, metal.dark);
            c.fillOutlined(1.2);
            c.blob(8, 7.5, 2.6, 2.6, jewel, 1);
            c.highlight(7.2, 6.6, 1.2, 1, 0.9);
        } else {
            c.ellipse(8, 7.5, 6.3, 6);
            c.setRadialGradient(6, 5, 9, metal.light, metal.dark);
            c.fillOutlined(1.3);
            c.blob(8, 7.5, 2.4, 2.2, kInk, 0);  // the hole of the bow
            c.blob(8, 1.8, 1.6, 1.3, jewel, 0.9);
        }
        const double shineY = 5 + k * 6.5;
        twinkle(c, 9.5, shineY, 3.2, hex(0xFFFFFF), 0.95);
        cairo_restore(cr);
    });
}

void drawBlock(Canvas& c, Tint stone, BlockPattern pattern, bool fillFrame)
{
    // Shown 1.1 wide by 1.7 tall, so round details are drawn squashed to come out round.
    cairo_t* cr = c.cr();
    const double inset = fillFrame ? 0 : 1;
    const double x = inset + 0.5, y = inset + 0.5, w = 31 - 2 * inset, h = 31 - 2 * inset;
    c.box(x, y, w, h, fillFrame ? 0.5 : 3, stone.light, stone.dark, 1.5);
    c.roundedRect(x + 2.5, y + 2, w - 5, h - 5, 2);
    c.setVerticalGradient(y, lighter(stone.base, 0.15), y + h, stone.base);
    cairo_fill(cr);
    switch (pattern) {
    case BlockPattern::Bricks:
        brickCourses(c, x + 2.5, y + 2, w - 5, h - 5, 3, stone.dark);
        break;
    case BlockPattern::Crate:
        cairo_rectangle(cr, x + 2.5, y + 2, w - 5, h - 5);
        cairo_move_to(cr, x + 3, y + 2.5);
        cairo_line_to(cr, x + w - 3, y + h - 3.5);
        cairo_move_to(cr, x + w - 3, y + 2.5);
        cairo_line_to(cr, x + 3, y + h - 3.5);
        c.setColour(stone.dark);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        break;
    case BlockPattern::Metal:
        for (Point p : {Point{x + 5, y + 4}, Point{x + w - 5, y + 4}, Point{x + 5, y + h - 5.5},
                        Point{x + w - 5, y + h - 5.5}})
            c.blob(p.x, p.y, 1.8, 1.2, stone.light, 0.9);
        cairo_rectangle(cr, x + 8, y + h / 2 - 2.5, w - 16, 4);
        c.setColour(stone.dark);
        cairo_fill(cr);
        break;
    case BlockPattern::Crystal:
        c.polygon({{x + w / 2, y + 3}, {x + w - 4, y + h / 2}, {x + w / 2, y + h - 5}, {x + 4, y + h / 2}});
        c.setVerticalGradient(y, stone.light, y + h, stone.base);
        c.fillOutlined(1, stone.dark);
        twinkle(c, x + w * 0.35, y + h * 0.3, 4);
        break;
    case BlockPattern::Boulder:
        for (const Puff& p : {Puff{x + 9, y + 9, 4}, Puff{x + 21, y + 12, 5}, Puff{x + 12, y + 20, 4.5}})
            c.blob(p.x, p.y, p.r, p.r * 0.65, darker(stone.base, 0.12), 0.9);
        break;
    }
    c.highlight(x + 8, y + 5, 6, 3, 0.55);
}

void drawSuspiciousSign(Canvas& c)
{
    // Frame 0 is the sign the wall shows four times; frame 1 is the one that differs.
    eachFrame(c, 2, [&](int k) {
        const bool odd = k == 1;
        c.box(2, 2, 28, 28, 5, odd ? hex(0xFFF2A8) : hex(0xE8E2D6), odd ? hex(0xF0B030) : hex(0xA89F90), 1.8);
        if (odd) {
            starPath(c, 16, 16.5, 5, 10, 4.2);
            c.setColour(hex(0xE8362E));
        } else {
            c.polygon({{16, 6.5}, {24, 16}, {16, 25.5}, {8, 16}});
            c.setColour(hex(0x4A7BD0));
        }
        c.fillOutlined(1.5);
        c.highlight(11, 9, 6, 3, 0.6);
    });
}

void drawSuspiciousWall(Canvas& c)
{
    // A stone wall with four sign plaques. In the panel it is stretched over 160 by 100 pixels and the
    // hovered sign is drawn over the plaque at 12..25 / 40..53 across and 5..26 / 38..58 down.
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 64, 64);
    c.setVerticalGradient(0, hex(0xC9C0AE), 64, hex(0x8D8474));
    cairo_fill(cr);
    brickCourses(c, 0, 0, 64, 64, 6, hex(0x6E6658));
    for (Point p : {Point{12, 5}, Point{40, 5}, Point{12, 38}, Point{40, 38}}) {
        c.box(p.x - 1, p.y - 1, 15, 23, 2.5, hex(0xEFE8D8), hex(0xB4AA98), 1.3);
        c.polygon({{p.x + 6.5, p.y + 4}, {p.x + 11, p.y + 10.5}, {p.x + 6.5, p.y + 17}, {p.x + 2, p.y + 10.5}});
        c.setColour(hex(0x4A7BD0));
        c.fillOutlined(1);
    }
    cairo_rectangle(cr, 0.5, 0.5, 63, 63);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // A crack: something is odd about this wall.
    cairo_move_to(cr, 30, 0);
    cairo_line_to(cr, 33, 10);
    cairo_line_to(cr, 29, 19);
    cairo_line_to(cr, 34, 30);
    c.setColour(kInk, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void drawTrapDoor(Canvas& c)
{
    // Closed, opening, nearly open, open: two wooden flaps fold down into a dark pit.
    eachFrame(c, 4, [&](int k) {
        cairo_t* cr = c.cr();
        c.box(2, 6, 60, 22, 4, hex(0x9C9486), hex(0x6B6458), 1.5);
        c.roundedRect(7, 9, 50, 16, 3);
        c.setVerticalGradient(9, hex(0x05040A), 25, hex(0x2A2235));
        cairo_fill(cr);
        const double open = k / 3.0;               // 0 closed .. 1 open
        const double flap = 25 * (1 - open) + 2;  // each flap's visible width
        for (int side = 0; side < 2; ++side) {
            const double x = side == 0 ? 7 : 57 - flap;
            c.box(x, 9 + open * 2, flap, 16 - open * 4, 1.5, hex(0xC98A4B), hex(0x7A4A26), 1.2);
            if (flap > 6) {
                cairo_move_to(cr, x + flap / 2, 10);
                cairo_line_to(cr, x + flap / 2, 24);
                c.setColour(hex(0x5A3418));
                cairo_set_line_width(cr, 0.8);
                cairo_stroke(cr);
            }
        }
        if (k == 0)
            c.blob(32, 17, 2, 2, kIron, 1);
    });
}

}  // namespace artgen
