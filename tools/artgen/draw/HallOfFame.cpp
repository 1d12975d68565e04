// The hall of fame: one background stretched over the whole screen, with a plaque for each of the
// five places. The screen writes each score at the top of its plaque and the name below it, so the
// plaques are drawn around those places and the heading stands in the free column on the left.
#include "draw/Draw.h"

#include <cmath>
#include <string>

namespace artgen {

namespace {

// Where the screen writes row k: the score's top and the names' top (glyphs 45 pixels tall).
constexpr double kScoreY[5] = {17, 131, 246, 362, 478};
constexpr double kNameY[5] = {50, 165, 279, 399, 520};
constexpr double kPlaqueLeft = 153, kPlaqueRight = 649;  // room for twenty glyphs centred on x 401

void hallBackdrop(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.07, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.09, 0.25);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    // Soft light falling on the plaques from above.
    c.highlight(401, 40, 330, 420, 0.10);
    // Curtains at both sides.
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0 : 800;
        const double dir = side == 0 ? 1 : -1;
        for (int fold = 0; fold < 3; ++fold) {
            const double x = x0 + dir * (fold * 14);
            cairo_move_to(cr, x, 0);
            cairo_curve_to(cr, x + dir * 34, 200, x + dir * 14, 420, x + dir * 26, 600);
            cairo_line_to(cr, x0, 600);
            cairo_line_to(cr, x0, 0);
            cairo_close_path(cr);
            c.setColour(mix(hex(0xB8283C), hex(0x5A0E24), fold / 2.0), 1);
            c.fillOutlined(2);
        }
    }
}

void plaque(Canvas& c, int row)
{
    cairo_t* cr = c.cr();
    const double top = kScoreY[row] - 9, bottom = kNameY[row] + 54;
    const double w = kPlaqueRight - kPlaqueLeft;
    c.box(kPlaqueLeft, top, w, bottom - top, 14, hex(0xFFE27A), hex(0xC07A1E), 2.5);
    c.box(kPlaqueLeft + 6, top + 6, w - 12, bottom - top - 12, 10, hex(0x1C2A66), hex(0x101638), 2);
    // A darker tab behind the score, so the gold digits stand out from the name band.
    c.box(343, top + 3, 116, kScoreY[row] + 26 - top, 8, hex(0x0A0E28), hex(0x161E4A), 1.5);
    // Rivets.
    for (double x : {kPlaqueLeft + 3.5, kPlaqueRight - 3.5})
        c.blob(x, (top + bottom) / 2, 3, 3, hex(0xFFF0B0), 1.2);
    cairo_new_path(cr);
}

void medal(Canvas& c, int row)
{
    static const std::uint32_t colours[5][2] = {
        {0xFFF0A0, 0xE8A81E}, {0xF4F6FF, 0x9AA3BC}, {0xFFC8A0, 0xB8642A}, {0xB8E0FF, 0x3264E6}, {0xC8F4C0, 0x3CA03C}};
    const double cx = 700, cy = (kScoreY[row] + kNameY[row] + 45) / 2;
    cairo_t* cr = c.cr();
    // Ribbon tails.
    for (double dx : {-9.0, 9.0}) {
        c.polygon({{cx + dx - 7, cy}, {cx + dx + 7, cy}, {cx + dx * 1.6 + 6, cy + 38}, {cx + dx * 1.6, cy + 30},
                   {cx + dx * 1.6 - 6, cy + 38}});
        c.setColour(hex(0xD2324A));
        c.fillOutlined(1.8);
    }
    c.ellipse(cx, cy, 24, 24);
    c.setRadialGradient(cx - 7, cy - 8, 30, hex(colours[row][0]), hex(colours[row][1]));
    c.fillOutlined(2.5);
    c.ellipse(cx, cy, 18, 18);
    c.setColour(kInk, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle s;
    s.size = 26;
    s.top = hex(0xFFFFFF);
    s.bottom = hex(0xFFFFFF);
    s.outlineWidth = 2;
    c.text(std::to_string(row + 1), cx, cy, s);
}

void heading(Canvas& c)
{
    TextStyle s;
    s.font = Font::BoldItalic;
    s.size = 44;
    s.top = hex(0xFFF6B4);
    s.bottom = hex(0xFF9A2A);
    s.outlineWidth = 3;
    s.shadowDx = 2, s.shadowDy = 3;
    s.shadow = hex(0x2A0A40);
    // A trophy over the words.
    cairo_t* cr = c.cr();
    const double x = 88;
    c.box(x - 26, 186, 52, 12, 4, hex(0x9A5A2A), hex(0x5A3218), 2);
    c.box(x - 6, 160, 12, 28, 3, hex(0xFFE27A), hex(0xC07A1E), 2);
    for (double dx : {-1.0, 1.0}) {
        cairo_arc(cr, x + dx * 32, 108, 13, 0, 2 * kPi);
        c.setColour(kInk);
        cairo_set_line_width(cr, 9);
        cairo_stroke_preserve(cr);
        c.setColour(hex(0xF2B630));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x - 38, 84);
    cairo_line_to(cr, x + 38, 84);
    cairo_curve_to(cr, x + 38, 140, x + 18, 164, x, 164);
    cairo_curve_to(cr, x - 18, 164, x - 38, 140, x - 38, 84);
    cairo_close_path(cr);
    c.setVerticalGradient(84, hex(0xFFF0A0), 164, hex(0xD08A1E));
    c.fillOutlined(2.5);
    c.highlight(x - 16, 104, 8, 18, 0.8);
    c.text("Hall", x, 250, s, 150);
    s.size = 34;
    c.text("of", x, 304, s, 150);
    s.size = 44;
    c.text("Fame", x, 358, s, 150);
    // Three small stars under the words.
    for (int i = 0; i < 3; ++i) {
        const double sx = x - 34 + i * 34, sy = 420 + (i == 1 ? -8 : 0);
        for (int p = 0; p < 10; ++p) {
            const double a = -kPi / 2 + p * kPi / 5, r = p % 2 == 0 ? 13 : 5.5;
            p == 0 ? cairo_move_to(cr, sx + r * std::cos(a), sy + r * std::sin(a))
                   : cairo_line_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
        }
        cairo_close_path(cr);
        c.setColour(hex(0xFFE27A));
        c.fillOutlined(2);
    }
}

}  // namespace

void drawHallOfFameBackdrop(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, c.width() / 800.0, c.height() / 600.0);
    hallBackdrop(c);
    for (int row = 0; row < 5; ++row) {
        plaque(c, row);
        medal(c, row);
    }
    heading(c);
    cairo_restore(cr);
}

}  // namespace artgen
