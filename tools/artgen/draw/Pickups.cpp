// Things the dude picks up: hearts, coins, weights, food, keys and hammers.
#include "draw/Draw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kGoldLight = hex(0xFFF0A0);
constexpr Rgb kGold = hex(0xF2B630);
constexpr Rgb kGoldDark = hex(0xB06E1A);

// A four-pointed glint, the sign that something is worth picking up.
void glint(Canvas& c, double x, double y, double r)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x, y, x, y, x + r, y);
    cairo_curve_to(cr, x, y, x, y, x, y + r);
    cairo_curve_to(cr, x, y, x, y, x - r, y);
    cairo_curve_to(cr, x, y, x, y, x, y - r);
    cairo_close_path(cr);
    c.setColour(hex(0xFFFFFF));
    c.fillOutlined(0.8);
}

void heartPath(Canvas& c, double cx, double top, double w, double h)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, cx, top + h * 0.28);
    cairo_curve_to(cr, cx - w * 0.1, top - h * 0.05, cx - w * 0.55, top - h * 0.02, cx - w * 0.5, top + h * 0.35);
    cairo_curve_to(cr, cx - w * 0.46, top + h * 0.62, cx - w * 0.12, top + h * 0.8, cx, top + h);
    cairo_curve_to(cr, cx + w * 0.12, top + h * 0.8, cx + w * 0.46, top + h * 0.62, cx + w * 0.5, top + h * 0.35);
    cairo_curve_to(cr, cx + w * 0.55, top - h * 0.02, cx + w * 0.1, top - h * 0.05, cx, top + h * 0.28);
    cairo_close_path(cr);
}

}  // namespace

void drawHeart(Canvas& c)
{
    heartPath(c, 16, 4, 28, 25);
    c.setVerticalGradient(4, hex(0xFF8C9A), 29, hex(0xD0182E));
    c.fillOutlined(2);
    c.highlight(10.5, 10, 4.5, 3.2, 0.85);
}

void drawCoin(Canvas& c)
{
    // Half a turn in four steps: face, turning, edge-on, the back turning towards us (its rim on the
    // other side and a star in place of the dollar).
    const double widths[4] = {1.0, 0.62, 0.16, 0.62};
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            const double w = widths[k];
            const double rim = w < 0.5 ? 0 : (k == 3 ? -1.2 : 1.2);
            c.ellipse(16, 16, 13 * w + 1.2, 13);
            c.setColour(kGoldDark);
            c.fillOutlined(1.8);
            c.ellipse(16 - rim, 16, 13 * w, 13);
            c.setRadialGradient(12, 11, 16, kGoldLight, kGold);
            cairo_fill(cr);
            if (w > 0.5) {
                cairo_save(cr);
                cairo_translate(cr, 16 - rim, 16);
                cairo_scale(cr, w, 1);
                c.ellipse(0, 0, 9, 9);
                c.setColour(kGoldDark, 0.8);
                cairo_set_line_width(cr, 1.3);
                cairo_stroke(cr);
                TextStyle s;
                s.size = 15;
                s.top = hex(0xFFF6C8);
                s.bottom = hex(0xE8A020);
                s.outline = kGoldDark;
                s.outlineWidth = 1;
                c.text(k == 3 ? "*" : "$", 0, k == 3 ? 2.5 : 0.5, s);
                cairo_restore(cr);
                c.highlight(11, 9, 4 * w, 3, 0.8);
            }
        });
}

void weightPicture(Canvas& c)
{
    // An iron weight with a handle and its mass on it, in a 32 by 32 square.
    cairo_t* cr = c.cr();
    cairo_arc(cr, 16, 9, 6, kPi, 2 * kPi);
    c.setColour(kInk);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0x6A7286));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    c.polygon({{8, 11}, {24, 11}, {29, 29}, {3, 29}});
    c.setVerticalGradient(11, hex(0x7C8498), 29, hex(0x2E3344));
    c.fillOutlined(1.8);
    TextStyle s;
    s.size = 10;
    s.top = hex(0xFFFFFF);
    s.bottom = hex(0xD0D8E8);
    s.outlineWidth = 1;
    c.text("1kg", 16, 21, s, 20);
}

void drawWeight(Canvas& c)
{
    // A glint travels over the weight.
    const Point glints[4] = {{9, 13}, {15, 11}, {23, 15}, {19, 26}};
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            weightPicture(c);
            glint(c, glints[k].x, glints[k].y, 3.8);
        });
}

void drawMushroom(Canvas& c)
{
    // Food: a spotted mushroom that bobs gently.
    for (int k = 0; k < 2; ++k)
        c.drawFrame(k, [&] {
            const double squash = k == 0 ? 0 : 1.5;
            c.box(11, 36, 10, 24, 4, hex(0xFFF6E4), hex(0xE0C8A0), 1.8);
            c.ellipse(16, 58.5, 9, 2.5);
            c.setColour(hex(0x4A9A3A));
            c.fillOutlined(1.3);
            cairo_t* cr = c.cr();
            const double top = 18 + squash, rim = 39;
            const double half = 14 + squash * 0.6;
            cairo_move_to(cr, 16 - half, rim);
            cairo_curve_to(cr, 16 - half, top - 2, 16 + half, top - 2, 16 + half, rim);
            cairo_close_path(cr);
            c.setVerticalGradient(top, hex(0xFF6A5A), rim, hex(0xC0202A));
            c.fillOutlined(1.8);
            for (Point p : {Point{10, 31}, Point{18, 26}, Point{23, 34}})
                c.blob(p.x, p.y + squash * 0.6, 2.4, 2, hex(0xFFFFFF), 0.8);
            if (k == 1)
                glint(c, 27, 20, 4);
        });
}

void drawGoldKey(Canvas& c)
{
    // A golden key standing on its bit; a glint runs down it.
    const double glintY[4] = {7, 14, 21, 27};
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            c.box(6.5, 11, 3.4, 19, 1.5, kGoldLight, kGoldDark, 1.4);
            c.polygon({{9.5, 22}, {13.5, 22}, {13.5, 25}, {11.5, 25}, {11.5, 27}, {13.5, 27}, {13.5, 30}, {9.5, 30}});
            c.setColour(kGold);
            c.fillOutlined(1.3);
            c.ellipse(8.2, 7.5, 6, 5.8);
            c.setRadialGradient(6.5, 5.5, 7, kGoldLight, kGold);
            c.fillOutlined(1.5);
            c.ellipse(8.2, 7.5, 2.2, 2);
            c.setColour(kInk);
            cairo_fill(cr);
            glint(c, k == 0 ? 4.5 : 8.2, glintY[k], 3.2);
        });
}

void drawMallet(Canvas& c)
{
    // A mallet that rocks on the ground.
    const double tilts[4] = {0, 0.18, 0, -0.18};
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            cairo_translate(cr, 32, 58);
            cairo_rotate(cr, tilts[k] - 0.35);
            c.box(-3.5, -44, 7, 42, 3, hex(0xD8A060), hex(0x8A5428), 1.8);
            c.box(-17, -54, 34, 16, 4, hex(0xA8B0C4), hex(0x4A5066), 2);
            c.box(-19, -55, 6, 18, 2, hex(0xC8CED8), hex(0x5A6074), 1.6);
            c.box(13, -55, 6, 18, 2, hex(0xC8CED8), hex(0x5A6074), 1.6);
            c.highlight(-4, -50, 8, 2.5, 0.8);
            if (k == 2)
                glint(c, 8, -48, 4.5);
            cairo_restore(cr);
        });
}

}  // namespace artgen
