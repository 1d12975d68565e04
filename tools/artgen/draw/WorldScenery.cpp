// Props of single quests: castle gates and grates, paintings, statues, the throne, fences.
#include "draw/WorldDraw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kIron = hex(0x5B6478);
constexpr Rgb kSteel = hex(0xB8C2D0);
constexpr Rgb kMarble = hex(0xE8E4DC);
constexpr Rgb kGold = hex(0xF5C842);

// Iron bars crossing in a grid, spikes along the bottom edge when spiked.
void ironGrid(Canvas& c, double w, double h, double step, bool spiked)
{
    for (double x = step / 2; x < w; x += step) {
        c.limb({x, 2}, {x, spiked ? h - 8 : h - 2}, 3.5, kIron, 1.2);
        if (spiked) {
            c.polygon({{x - 3, h - 9}, {x + 3, h - 9}, {x, h - 1}});
            c.setColour(kSteel);
            c.fillOutlined(1.1);
        }
    }
    for (double y = step / 2; y < h - 6; y += step)
        c.limb({2, y}, {w - 2, y}, 3, kIron, 1.2);
    for (double x = step / 2; x < w; x += step)
        for (double y = step / 2; y < h - 6; y += step)
            c.blob(x, y, 1.6, 1.6, kSteel, 0.8);
}

void painting(Canvas& c, int which)
{
    cairo_t* cr = c.cr();
    c.box(1, 1, 62, 62, 3, hex(0xFFE9A0), hex(0xB07A1E), 1.8);
    c.box(7, 7, 50, 50, 1, hex(0x8AC8F0), hex(0xD8F0FF), 1.3);
    cairo_save(cr);
    cairo_rectangle(cr, 7, 7, 50, 50);
    cairo_clip(cr);
    switch (which) {
    case 0:  // hills under the sun
        c.blob(44, 20, 6, 6, hex(0xFFD23A), 1);
        c.blob(20, 62, 28, 18, hex(0x5AC84A), 1.3);
        c.blob(50, 64, 24, 16, hex(0x3A9A3A), 1.3);
        break;
    case 1:  // a lady with a crown
        c.box(7, 7, 50, 50, 0, hex(0x7A3A8A), hex(0x4A1E5A), 0);
        c.blob(32, 58, 16, 14, hex(0xE8404A), 1.4);
        c.blob(32, 32, 10, 11, hex(0xFBCDA2), 1.4);
        c.blob(32, 25, 11, 6, hex(0xF2B040), 1.2);
        starPath(c, 32, 18, 3, 6, 3);
        c.setColour(kGold);
        c.fillOutlined(1.1);
        c.blob(28.5, 33, 1.2, 1.5, hex(0x14101C), 0);
        c.blob(35.5, 33, 1.2, 1.5, hex(0x14101C), 0);
        break;
    case 2:  // flowers in a vase
        c.box(7, 7, 50, 50, 0, hex(0xFFF2CC), hex(0xE6CF9A), 0);
        for (int i = 0; i < 3; ++i) {
            c.limb({32, 44}, {22.0 + i * 10, 22}, 1.5, hex(0x4CC24A), 0.8);
            c.blob(22 + i * 10, 20, 5, 5, i == 1 ? hex(0xFF6AA0) : hex(0xFFD23A), 1.2);
        }
        c.box(25, 40, 14, 16, 4, hex(0x7AA8FF), hex(0x2A4AB0), 1.3);
        break;
    default:  // a sailing ship at sea
        cairo_rectangle(cr, 7, 40, 50, 17);
        c.setColour(hex(0x2A78C0));
        cairo_fill(cr);
        c.polygon({{18, 38}, {46, 38}, {42, 46}, {22, 46}});
        c.setColour(hex(0x8A5A2E));
        c.fillOutlined(1.2);
        c.limb({32, 38}, {32, 14}, 1.5, hex(0x5A3A1E), 0.8);
        c.polygon({{33, 16}, {45, 34}, {33, 34}});
        c.setColour(hex(0xFFFFFF));
        c.fillOutlined(1.1);
        break;
    }
    cairo_restore(cr);
    c.highlight(18, 14, 8, 3, 0.35);
}

}  // namespace

void drawPortcullis(Canvas& c)
{
    // The castle's portcullis; the gaps between the bars are see-through.
    ironGrid(c, 64, 64, 12.8, true);
}

void drawPaintings(Canvas& c)
{
    eachFrame(c, 4, [&](int k) { painting(c, k); });
}

void drawStatue(Canvas& c)
{
    // A knight in marble on a pedestal, holding a sword point down.
    c.box(14, 50, 36, 13, 2, kMarble, hex(0x9A9488), 1.6);
    c.box(22, 26, 20, 25, 5, kMarble, hex(0xB0AA9E), 1.6);
    c.blob(32, 18, 8, 8.5, kMarble, 1.6);
    c.box(24, 10, 16, 6, 2.5, hex(0xD0CABE), hex(0xA09A8E), 1.3);
    c.limb({32, 30}, {32, 50}, 3, hex(0xD0CABE), 1.2);
    c.limb({26, 33}, {38, 33}, 3, hex(0xD0CABE), 1.2);
    c.highlight(28, 15, 3, 3, 0.7);
}

void drawTallStatue(Canvas& c)
{
    // A robed figure on a high column.
    c.box(12, 96, 40, 30, 2, kMarble, hex(0x9A9488), 1.6);
    c.box(18, 90, 28, 8, 2, kMarble, hex(0xB0AA9E), 1.4);
    c.polygon({{20, 90}, {24, 40}, {40, 40}, {44, 90}});
    c.setVerticalGradient(40, kMarble, 90, hex(0xB0AA9E));
    c.fillOutlined(1.6);
    c.blob(32, 30, 9, 10, kMarble, 1.6);
    c.limb({26, 46}, {16, 22}, 4, kMarble, 1.3);
    c.blob(15, 18, 5, 5, hex(0xF5C842), 1.3);  // a golden orb held high
    c.highlight(28, 26, 3, 3, 0.7);
}

void drawUrnStatue(Canvas& c)
{
    c.box(16, 44, 32, 19, 2, kMarble, hex(0x9A9488), 1.6);
    c.ellipse(32, 30, 14, 13);
    c.setRadialGradient(28, 26, 18, kMarble, hex(0xA09A8E));
    c.fillOutlined(1.6);
    c.box(24, 12, 16, 6, 2, kMarble, hex(0xB0AA9E), 1.4);
    c.box(27, 40, 10, 6, 1, kMarble, hex(0xB0AA9E), 1.3);
    c.highlight(27, 25, 4, 5, 0.6);
}

void drawThrone(Canvas& c)
{
    // A royal red throne with a gold frame and a crown on its back.
    c.box(22, 24, 84, 82, 14, hex(0xFFE9A0), hex(0xB07A1E), 2.5);
    c.box(32, 32, 64, 60, 10, hex(0xE8404A), hex(0x901828), 2);
    c.box(14, 78, 100, 24, 6, hex(0xFFE9A0), hex(0xB07A1E), 2.5);
    c.box(24, 84, 80, 14, 5, hex(0xE8404A), hex(0x901828), 1.8);
    for (double x : {18.0, 104.0})
        c.box(x, 98, 8, 26, 3, hex(0xFFE9A0), hex(0xB07A1E), 2);
    c.polygon({{46, 28}, {50, 8}, {58, 20}, {64, 4}, {70, 20}, {78, 8}, {82, 28}});
    c.setVerticalGradient(4, hex(0xFFF2B0), 28, kGold);
    c.fillOutlined(2);
    c.blob(64, 22, 3.5, 3.5, hex(0x3FA0FF), 1.3);
    c.highlight(44, 44, 10, 6, 0.4);
}

void drawGateLeaves(Canvas& c)
{
    // Two wooden gate leaves, left and right, each with iron bands and a ring.
    eachFrame(c, 2, [&](int side) {
        cairo_t* cr = c.cr();
        cairo_rectangle(cr, 0, 0, 64, 32);
        c.setVerticalGradient(0, hex(0xC98A4B), 32, hex(0x7A4A26));
        cairo_fill(cr);
        for (double x = 8; x < 64; x += 8) {
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x, 32);
        }
        c.setColour(hex(0x5A3418));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (double y : {6.0, 24.0}) {
            cairo_rectangle(cr, 0, y, 64, 3);
            c.setColour(kIron);
            cairo_fill(cr);
        }
        c.blob(side == 0 ? 58 : 6, 16, 3.5, 3.5, kGold, 1.3);
        cairo_rectangle(cr, 0.5, 0.5, 63, 31);
        c.setColour(hex(0x14101C));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
}

void drawSlidingDoor(Canvas& c)
{
    // A heavy stone slab that slides up behind the wall.
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 32, 32);
    c.setVerticalGradient(0, hex(0xA89C88), 32, hex(0x6E6252));
    cairo_fill(cr);
    for (double y : {8.0, 16.0, 24.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 32, y);
    }
    c.setColour(hex(0x4A4032));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.blob(16, 12, 4, 3, hex(0xF5C842), 1.2);
}

void drawPaintedLadder(Canvas& c)
{
    // A ladder leaning on a wall, framed like a picture.
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 64, 64);
    c.setVerticalGradient(0, hex(0xCFC4AE), 64, hex(0x9A8E78));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 16, 0);
    drawLadder(c, tint(0xB07A3A), false);
    cairo_restore(cr);
    cairo_rectangle(cr, 0.5, 0.5, 63, 63);
    c.setColour(hex(0x14101C));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void drawFence(Canvas& c)
{
    // Pointed wooden pickets on two rails.
    for (double y : {10.0, 24.0})
        c.box(1, y, 126, 4, 1.5, hex(0xC98A4B), hex(0x8A5A2E), 1.2);
    for (double x = 3; x < 124; x += 12) {
        c.polygon({{x, 31}, {x, 6}, {x + 4, 1}, {x + 8, 6}, {x + 8, 31}});
        c.setVerticalGradient(1, hex(0xE8B070), 31, hex(0x9A6A3A));
        c.fillOutlined(1.3);
    }
}

void drawGrate(Canvas& c)
{
    ironGrid(c, 64, 64, 16, false);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 1.5, 1.5, 61, 61);
    c.setColour(hex(0x14101C));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

}  // namespace artgen
