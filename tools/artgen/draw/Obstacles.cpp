// Things that stand in the dude's way: vases, blocks, doors, the store and suspicious walls.
#include "draw/Draw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kStoneLight = hex(0xC4C0B8);
constexpr Rgb kStone = hex(0x8C8880);
constexpr Rgb kStoneDark = hex(0x56524C);
constexpr Rgb kBrick = hex(0xB8664A);
constexpr Rgb kSignPlate = hex(0xF2D28A);
constexpr Rgb kSignMark = hex(0x3264E6);
constexpr Rgb kOddMark = hex(0x2EB84A);

void bricks(Canvas& c, double x0, double y0, double w, double h, double brickW, double brickH)
{
    cairo_t* cr = c.cr();
    c.setVerticalGradient(y0, lighter(kBrick, 0.15), y0 + h, darker(kBrick, 0.2));
    cairo_rectangle(cr, x0, y0, w, h);
    cairo_fill(cr);
    c.setColour(darker(kBrick, 0.5));
    cairo_set_line_width(cr, 1);
    for (int row = 0; y0 + row * brickH < y0 + h; ++row) {
        const double y = y0 + row * brickH;
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x0 + w, y);
        for (double x = x0 + (row % 2) * brickW / 2; x < x0 + w; x += brickW) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, std::min(y + brickH, y0 + h));
        }
    }
    cairo_stroke(cr);
}

// A sign as the player sees it at full size, 32 by 32 pixels: a plate with a mark. The one that
// opens the wall wears a star instead of the diamond.
void sign(Canvas& c, bool odd)
{
    c.box(3, 3, 26, 26, 5, lighter(kSignPlate, 0.3), darker(kSignPlate, 0.15), 2);
    for (Point p : {Point{7, 7}, Point{25, 7}, Point{7, 25}, Point{25, 25}})
        c.blob(p.x, p.y, 1.3, 1.3, hex(0x8A6A3A), 0);
    if (!odd) {
        c.polygon({{16, 8}, {23, 16}, {16, 24}, {9, 16}});
        c.setColour(kSignMark);
        c.fillOutlined(1.5);
        return;
    }
    cairo_t* cr = c.cr();
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5, r = i % 2 == 0 ? 9 : 4;
        const double x = 16 + r * std::cos(a), y = 16.5 + r * std::sin(a);
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    c.setColour(kOddMark);
    c.fillOutlined(1.5);
}

// The wall with its four signs, in a 64 by 64 picture. The sign panel stretches it 2.5 by 1.5625 and
// lays the signs of SuspiciousButton4 over it, so the signs are drawn where those land.
void signWall(Canvas& c, int oddSign)
{
    cairo_t* cr = c.cr();
    bricks(c, 0, 0, 64, 64, 16, 8);
    cairo_rectangle(cr, 1, 1, 62, 62);
    c.setColour(kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const Point signs[4] = {{12, 5.12}, {40.4, 5.12}, {12, 37.76}, {40.4, 37.76}};
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, signs[i].x, signs[i].y);
        cairo_scale(cr, 1 / 2.5, 1 / 1.5625);
        sign(c, i == oddSign);
        cairo_restore(cr);
    }
}

}  // namespace

void drawAmphora(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 11, 8);
    cairo_line_to(cr, 21, 8);
    cairo_curve_to(cr, 21, 16, 19, 17, 19, 20);
    cairo_curve_to(cr, 31, 26, 30, 48, 22, 58);
    cairo_line_to(cr, 10, 58);
    cairo_curve_to(cr, 2, 48, 1, 26, 13, 20);
    cairo_curve_to(cr, 13, 17, 11, 16, 11, 8);
    cairo_close_path(cr);
    c.setRadialGradient(11, 30, 24, hex(0xF0A060), hex(0xA8482A));
    c.fillOutlined(2);
    c.ellipse(16, 8, 7, 2.5);
    c.setColour(hex(0x5A2416));
    c.fillOutlined(1.5);
    // A painted band of waves.
    cairo_move_to(cr, 5, 36);
    for (int i = 0; i < 6; ++i)
        cairo_curve_to(cr, 5 + i * 3.7 + 1, 32, 5 + i * 3.7 + 2.7, 32, 5 + (i + 1) * 3.7, 36);
    c.setColour(hex(0xFFE6A0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.box(10, 57, 12, 4, 1.5, hex(0xA8482A), hex(0x6A2A18), 1.5);
    c.highlight(10, 30, 3, 7, 0.6);
}

void drawStoneBlock(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.box(1.5, 1.5, 29, 29, 4, kStoneLight, kStoneDark, 2);
    c.roundedRect(5, 5, 22, 22, 3);
    c.setVerticalGradient(5, kStone, 27, darker(kStone, 0.1));
    cairo_fill(cr);
    cairo_move_to(cr, 9, 10);
    cairo_line_to(cr, 13, 15);
    cairo_line_to(cr, 12, 20);
    cairo_move_to(cr, 21, 19);
    cairo_line_to(cr, 24, 23);
    c.setColour(kStoneDark);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.highlight(9, 7, 6, 2.5, 0.6);
}

void drawLockedDoor(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 3, 31);
    cairo_line_to(cr, 3, 12);
    cairo_arc(cr, 16, 12, 13, kPi, 2 * kPi);
    cairo_line_to(cr, 29, 31);
    cairo_close_path(cr);
    c.setVerticalGradient(0, hex(0xD08A44), 31, hex(0x7A4420));
    c.fillOutlined(2);
    for (double x : {11.0, 21.0}) {
        cairo_move_to(cr, x, 3);
        cairo_line_to(cr, x, 30);
    }
    c.setColour(hex(0x5A3018));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double y : {10.0, 24.0})
        c.box(3.5, y - 1.5, 25, 3, 1, hex(0x9AA4B8), hex(0x4A5066), 1);
    c.blob(22, 17, 3, 3, hex(0xF2C94C), 1.2);
    c.polygon({{21.2, 17}, {22.8, 17}, {23.3, 20.5}, {20.7, 20.5}});
    c.setColour(kInk);
    cairo_fill(cr);
    c.blob(22, 16.5, 1.2, 1.2, kInk, 0);
}

void drawShopHouse(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.box(3, 24, 26, 38, 2, hex(0xFFF0D0), hex(0xD8B888), 2);  // walls
    c.polygon({{0, 25}, {16, 6}, {32, 25}});  // roof
    c.setVerticalGradient(6, hex(0x5A8AE6), 25, hex(0x2A4AA0));
    c.fillOutlined(2);
    for (int i = 0; i < 5; ++i) {  // striped awning
        cairo_rectangle(cr, 2 + i * 5.6, 30, 5.6, 7);
        c.setColour(i % 2 == 0 ? hex(0xE8323A) : hex(0xFFFFFF));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 2, 30, 28, 7);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    c.box(6, 40, 20, 9, 1.5, hex(0x8A5A30), hex(0x5A3A1E), 1.5);  // counter
    c.blob(11, 38.5, 2.5, 2.5, hex(0xE8323A), 1);  // wares on it
    c.blob(17, 38.5, 2.5, 2.5, hex(0xF2C94C), 1);
    c.blob(22.5, 38.5, 2.5, 2.5, hex(0x5AC84A), 1);
    c.box(11, 51, 10, 11, 1.5, hex(0x9A6A3A), hex(0x6A4220), 1.5);  // door
    c.blob(16, 17.5, 4.5, 4.5, hex(0xF2C94C), 1.4);  // a coin sign under the roof
    TextStyle s;
    s.size = 8;
    s.top = hex(0x8A5A10);
    s.bottom = hex(0x8A5A10);
    s.outlineWidth = 0;
    c.text("$", 16, 17.5, s);
}

void drawSignWall(Canvas& c) { signWall(c, -1); }

void drawWallSign(Canvas& c)
{
    for (int k = 0; k < 2; ++k)
        c.drawFrame(k, [&] { sign(c, k == 1); });
}

void drawSignWallLesson(Canvas& c)
{
    // The help page's picture: the wall with one sign different and a glove touching it. The page
    // draws it where its third line of text ends, so the left strip stays see-through.
    cairo_t* cr = c.cr();
    c.roundedRect(16, 0, 112, 128, 8);
    c.setVerticalGradient(0, hex(0x1C2450), 128, hex(0x0E1230));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 20, 6);
    cairo_scale(cr, 100 / 64.0, 108 / 64.0);
    signWall(c, 3);
    cairo_restore(cr);
    // Sparkles around the odd sign.
    for (Point p : {Point{118, 66}, Point{79, 117}, Point{120, 112}}) {
        cairo_move_to(cr, p.x, p.y - 5);
        cairo_line_to(cr, p.x, p.y + 5);
        cairo_move_to(cr, p.x - 5, p.y);
        cairo_line_to(cr, p.x + 5, p.y);
    }
    c.setColour(hex(0xFFF6A0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // A pointing glove from the lower left.
    cairo_save(cr);
    cairo_translate(cr, 64, 106);
    cairo_rotate(cr, -0.35);
    c.box(-30, -7, 26, 14, 5, hex(0x5A6EC8), hex(0x2A3A8A), 1.6);
    c.box(-8, -9, 16, 18, 6, hex(0xFFFFFF), hex(0xC8CCE6), 1.6);
    c.box(4, -5, 20, 7, 3.5, hex(0xFFFFFF), hex(0xD8DCEE), 1.5);
    cairo_restore(cr);
}

}  // namespace artgen
