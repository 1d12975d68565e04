// The main menu's night scene: sky things, the palace, plants and the stone frame of the buttons.
#include "draw/Draw.h"

#include <cmath>
#include <vector>

namespace artgen {

namespace {

constexpr Rgb kStoneLight = hex(0xEFE2C6);
constexpr Rgb kStone = hex(0xD2BD96);
constexpr Rgb kStoneDark = hex(0x9C8466);
constexpr Rgb kLeaf = hex(0x4CC24A);
constexpr Rgb kLeafDark = hex(0x1F7A3A);
constexpr Rgb kWindowLight = hex(0xFFE27A);

void starPath(Canvas& c, double cx, double cy, int points, double outer, double inner, double turn = 0)
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

struct Circle {
    double x, y, r;
};

// Overlapping circles with one outline around the whole cluster, like a cartoon bush or crown.
void cluster(Canvas& c, const std::vector<Circle>& circles, Rgb light, Rgb dark, double top, double bottom)
{
    cairo_t* cr = c.cr();
    for (const Circle& k : circles)
        c.ellipse(k.x, k.y, k.r, k.r);
    c.setColour(kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (const Circle& k : circles)
        c.ellipse(k.x, k.y, k.r, k.r);
    c.setVerticalGradient(top, light, bottom, dark);
    cairo_fill(cr);
}

// An onion dome whose base spans width at baseY, tapering to a point at tipY, with a gold spire.
void onionDome(Canvas& c, double cx, double baseY, double width, double tipY, Rgb light, Rgb dark)
{
    cairo_t* cr = c.cr();
    const double h = baseY - tipY, w = width / 2;
    cairo_move_to(cr, cx - w * 0.8, baseY);
    cairo_curve_to(cr, cx - w * 1.25, baseY - h * 0.35, cx - w * 0.55, baseY - h * 0.7, cx, tipY);
    cairo_curve_to(cr, cx + w * 0.55, baseY - h * 0.7, cx + w * 1.25, baseY - h * 0.35, cx + w * 0.8, baseY);
    cairo_close_path(cr);
    c.setRadialGradient(cx - w * 0.4, baseY - h * 0.5, width, light, dark);
    c.fillOutlined(1.5);
    c.highlight(cx - w * 0.4, baseY - h * 0.45, w * 0.25, h * 0.2, 0.6);
}

void spire(Canvas& c, double x, double fromY, double toY)
{
    c.limb({x, fromY}, {x, toY}, 1.6, hex(0xF5C842), 0.8);
    c.blob(x, toY, 2, 2, hex(0xFFE27A), 1);
}

// A lit window with a rounded top.
void archWindow(Canvas& c, double x, double y, double w, double h)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + w / 2);
    cairo_arc(cr, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    c.setVerticalGradient(y, hex(0xFFF6C0), y + h, hex(0xFFB43C));
    c.fillOutlined(1.3);
}

void tower(Canvas& c, double x, double top, double w, double bottom)
{
    c.box(x, top, w, bottom - top, 1.5, hex(0xF2ECFF), hex(0xA99CD8), 1.8);
    archWindow(c, x + w / 2 - 3.5, top + 14, 7, 12);
    archWindow(c, x + w / 2 - 3.5, top + 40, 7, 12);
    c.box(x - 2, top - 4, w + 4, 6, 1, hex(0xFFFFFF), hex(0xC8BEEA), 1.5);  // cornice under the dome
}

}  // namespace

void drawSun(Canvas& c)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6, len = i % 2 == 0 ? 30.5 : 26;
        cairo_save(cr);
        cairo_translate(cr, 32, 32);
        cairo_rotate(cr, a);
        c.polygon({{-5, -17}, {0, -len}, {5, -17}});
        c.setVerticalGradient(-len, hex(0xFFE066), -17, hex(0xFF8C1E));
        c.fillOutlined(1.5);
        cairo_restore(cr);
    }
    c.ellipse(32, 32, 19, 19);
    c.setRadialGradient(27, 26, 24, hex(0xFFFCD2), hex(0xFFB428));
    c.fillOutlined(2);
    c.highlight(26, 24, 7, 5, 0.7);
    // A sleepy smile: it is night, after all.
    cairo_set_line_width(cr, 1.6);
    c.setColour(hex(0x8C3C14));
    cairo_arc(cr, 26, 31, 3, 0.15 * kPi, 0.85 * kPi);
    cairo_stroke(cr);
    cairo_arc(cr, 38, 31, 3, 0.15 * kPi, 0.85 * kPi);
    cairo_stroke(cr);
    cairo_arc(cr, 32, 36, 5, 0.2 * kPi, 0.8 * kPi);
    cairo_stroke(cr);
    c.ellipse(22.5, 37, 2.5, 1.6);
    c.setColour(hex(0xFF7850), 0.6);
    cairo_fill(cr);
    c.ellipse(41.5, 37, 2.5, 1.6);
    cairo_fill(cr);
}

void drawTwinkleStar(Canvas& c)
{
    starPath(c, 16, 17, 5, 14.5, 6.5);
    c.setRadialGradient(14, 13, 16, hex(0xFFFFF0), hex(0xFFC83C));
    c.fillOutlined(1.6);
    c.highlight(13, 12, 4, 3, 0.8);
}

void drawSmallStar(Canvas& c)
{
    // Too small for an outline: a bright four-pointed glint.
    c.polygon({{4, 0}, {4.9, 3.1}, {8, 4}, {4.9, 4.9}, {4, 8}, {3.1, 4.9}, {0, 4}, {3.1, 3.1}});
    c.setColour(hex(0xFFF0A0));
    cairo_fill(c.cr());
    cairo_rectangle(c.cr(), 3, 3, 2, 2);
    c.setColour(hex(0xFFFFF4));
    cairo_fill(c.cr());
}

void drawTinyStar(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 1, 0, 2, 4);
    cairo_rectangle(cr, 0, 1, 4, 2);
    c.setColour(hex(0xB4A46E));
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 1, 2, 2);
    c.setColour(hex(0xFFFCE6));
    cairo_fill(cr);
}

void drawMoon(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double cx = 30, cy = 33, r = 26;  // the lit disc
    const double bx = 44, by = 24, br = 22;  // the shadow that carves the crescent
    cairo_push_group(cr);
    c.ellipse(cx, cy, r + 1.2, r + 1.2);
    c.setColour(kInk);
    cairo_fill(cr);
    c.ellipse(cx, cy, r - 1, r - 1);
    c.setRadialGradient(cx - 10, cy + 4, r * 1.3, hex(0xFFFBE0), hex(0xF0D278));
    cairo_fill(cr);
    cairo_save(cr);
    c.ellipse(cx, cy, r, r);
    cairo_clip(cr);
    for (const Circle& k : {Circle{18, 42, 3.5}, Circle{14, 28, 2.5}, Circle{25, 53, 2.2}, Circle{30, 46, 1.8}})
        c.blob(k.x, k.y, k.r, k.r, hex(0xE2BE64), 0);
    c.ellipse(bx, by, br + 1.2, br + 1.2);
    c.setColour(kInk);
    cairo_fill(cr);
    cairo_restore(cr);
    c.ellipse(bx, by, br - 1, br - 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    c.highlight(14, 36, 4, 8, 0.55);
}

void drawComet(Canvas& c)
{
    // Comets fall down and to the left: the head is low on the left, the tail streams to the upper right.
    cairo_t* cr = c.cr();
    const double hx = 30, hy = 98;
    const double ux = std::sqrt(0.5), uy = -std::sqrt(0.5);  // along the tail
    const double nx = std::sqrt(0.5), ny = std::sqrt(0.5);   // across it

    struct Layer {
        double length, width;
        std::uint32_t colour;
    };
    for (const Layer& l : {Layer{118, 17, 0xFF8C28}, Layer{98, 12, 0xFFD23C}, Layer{70, 7, 0xFFF8D2}}) {
        const double tx = hx + ux * l.length, ty = hy + uy * l.length;
        cairo_move_to(cr, hx + nx * l.width, hy + ny * l.width);
        cairo_curve_to(cr, hx + nx * l.width + ux * l.length * 0.4, hy + ny * l.width + uy * l.length * 0.4,
                       tx + nx * 2, ty + ny * 2, tx, ty);
        cairo_curve_to(cr, tx - nx * 2, ty - ny * 2, hx - nx * l.width + ux * l.length * 0.4,
                       hy - ny * l.width + uy * l.length * 0.4, hx - nx * l.width, hy - ny * l.width);
        cairo_arc_negative(cr, hx, hy, l.width, 1.25 * kPi, 0.25 * kPi);  // round the back of the head
        cairo_close_path(cr);
        c.setColour(hex(l.colour));
        c.fillOutlined(l.colour == 0xFF8C28 ? 2 : 0);
    }
    c.ellipse(hx, hy, 11, 11);
    c.setRadialGradient(hx - 3, hy - 3, 13, hex(0xFFFFFF), hex(0xFFE27A));
    c.fillOutlined(2);
    c.highlight(hx - 3, hy - 4, 4, 3, 0.9);
    for (const Circle& s : {Circle{68, 84, 2.2}, Circle{52, 58, 1.8}, Circle{90, 60, 1.6}, Circle{76, 30, 1.5}})
        c.blob(s.x, s.y, s.r, s.r, hex(0xFFF4B4), 1);
}

void drawPalace(Canvas& c)
{
    // Ilvy's palace: two slim towers flanking a hall under a great pink onion dome, every window lit.
    cairo_t* cr = c.cr();
    // Grassy mound it stands on.
    cairo_move_to(cr, 0, 128);
    cairo_curve_to(cr, 10, 114, 118, 114, 128, 128);
    cairo_close_path(cr);
    c.setVerticalGradient(114, hex(0x3C8C46), 128, hex(0x1E5A32));
    c.fillOutlined(2);

    for (double x : {11.0, 99.0}) {
        tower(c, x, 46, 18, 122);
        onionDome(c, x + 9, 42, 20, 20, hex(0xFFC0DC), hex(0xD2508C));
        spire(c, x + 9, 20, 12);
    }
    c.box(28, 72, 72, 50, 1.5, hex(0xF6F0FF), hex(0xB0A4DC), 1.8);
    // Battlements along the hall's roof.
    for (int i = 0; i < 7; ++i)
        c.box(30 + i * 10, 66, 6, 7, 1, hex(0xFFFFFF), hex(0xD6CCF0), 1.3);
    c.box(42, 56, 44, 16, 2, hex(0xFFFFFF), hex(0xC4B8E6), 1.8);  // drum under the dome
    onionDome(c, 64, 58, 48, 18, hex(0xFFC8E2), hex(0xC8407E));
    spire(c, 64, 18, 6);
    // Pennant on the spire.
    c.polygon({{65, 7}, {76, 10}, {65, 13}});
    c.setColour(hex(0xFF5A8C));
    c.fillOutlined(1);
    for (double x : {48.0, 60.5, 73.0})
        c.blob(x + 3.5, 64, 2.2, 2.6, kWindowLight, 1);
    archWindow(c, 35, 84, 9, 15);
    archWindow(c, 84, 84, 9, 15);
    // Great door with warm light inside.
    archWindow(c, 55, 94, 18, 28);
    cairo_move_to(cr, 64, 96);
    cairo_line_to(cr, 64, 122);
    c.setColour(hex(0xC8782A));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Steps.
    c.box(50, 121, 28, 4, 1, hex(0xE6DCF5), hex(0xA89CCC), 1.3);
}

void drawSmallTree(Canvas& c)
{
    c.box(13, 34, 6, 28, 2, hex(0xA8703C), hex(0x6E4424), 1.6);
    cluster(c, {{16, 14, 11}, {8.5, 26, 7.5}, {23.5, 26, 7.5}, {16, 30, 9}, {16, 22, 10}}, hex(0x9CF06E), kLeafDark,
            3, 40);
    c.highlight(12, 11, 5, 4, 0.5);
    for (const Circle& f : {Circle{10, 22, 1.6}, Circle{21, 17, 1.6}, Circle{18, 31, 1.6}})
        c.blob(f.x, f.y, f.r, f.r, hex(0xFF6E8C), 0.9);
}

void drawBush(Canvas& c)
{
    cluster(c, {{8, 22, 7}, {16, 17, 9}, {24, 22, 7}, {16, 24, 8}}, lighter(kLeaf, 0.35), kLeafDark, 8, 31);
    c.highlight(13, 13, 4, 3, 0.5);
    for (const Circle& f : {Circle{9, 20, 1.5}, Circle{20, 15, 1.5}, Circle{24, 24, 1.5}})
        c.blob(f.x, f.y, f.r, f.r, hex(0xFFE066), 0.9);
}

// The three stone pieces are stretched by the game (column 3.28 tall, lintel 2.344 wide, shelf 2 by 1.5),
// so each is drawn in its on-screen size and squeezed into the picture; outlines come out even on screen.

void drawMenuColumn(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 1, 128.0 / 420);
    auto sideLit = [&](double x0, double x1) {
        cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, kStone.r, kStone.g, kStone.b);
        cairo_pattern_add_color_stop_rgb(p, 0.3, kStoneLight.r, kStoneLight.g, kStoneLight.b);
        cairo_pattern_add_color_stop_rgb(p, 1, kStoneDark.r, kStoneDark.g, kStoneDark.b);
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
    };
    cairo_rectangle(cr, 5, 26, 22, 368);  // shaft
    sideLit(5, 27);
    c.fillOutlined(2);
    for (double x : {10.5, 16.0, 21.5}) {
        cairo_move_to(cr, x, 32);
        cairo_line_to(cr, x, 388);
        c.setColour(kStoneDark, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    c.roundedRect(2, 12, 28, 15, 5);  // rounded cushion of the capital
    sideLit(2, 30);
    c.fillOutlined(2);
    cairo_rectangle(cr, 1, 1, 30, 11);  // square slab on top
    sideLit(1, 31);
    c.fillOutlined(2);
    cairo_rectangle(cr, 3, 392, 26, 10);  // base
    sideLit(3, 29);
    c.fillOutlined(2);
    cairo_rectangle(cr, 1, 402, 30, 17);
    sideLit(1, 31);
    c.fillOutlined(2);
    cairo_restore(cr);
}

void drawMenuLintel(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 128.0 / 300, 1);
    c.box(6, 8, 288, 22, 2, kStoneLight, kStoneDark, 2);
    c.box(1, 1, 298, 9, 2, hex(0xFFF6E0), kStone, 2);  // cornice
    for (double x : {100.0, 200.0}) {
        cairo_move_to(cr, x, 11);
        cairo_line_to(cr, x, 28);
        c.setColour(kStoneDark);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 3; ++i)
        c.blob(50 + i * 100, 19.5, 4.5, 4.5, hex(0xF5C842), 1.5);  // gold studs
    cairo_restore(cr);
}

void drawMenuShelf(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 0.5, 1 / 1.5);
    c.polygon({{4, 1}, {252, 1}, {255, 8}, {1, 8}});  // top face
    c.setVerticalGradient(1, hex(0xFFF6E0), 8, kStoneLight);
    c.fillOutlined(2);
    c.box(1, 8, 254, 9, 1.5, kStone, kStoneDark, 2);
    c.polygon({{14, 17}, {242, 17}, {236, 23}, {20, 23}});  // shadowed underside
    c.setColour(darker(kStoneDark, 0.2));
    c.fillOutlined(1.5);
    cairo_restore(cr);
}

}  // namespace artgen
