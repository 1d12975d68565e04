// Things painted over a floor plan: ornaments on the back walls and the places a quest leads to
// (doorways, archways, cave mouths, stairs, rugs, pedestals).
#include "draw/BackgroundDraw.h"
#include "draw/WorldDraw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

void archedWindow(Canvas& c, double cx, double top, double bottom, Rgb glass)
{
    cairo_t* cr = c.cr();
    const double w = 16;
    cairo_move_to(cr, cx - w / 2, bottom);
    cairo_line_to(cr, cx - w / 2, top + w / 2);
    cairo_arc(cr, cx, top + w / 2, w / 2, kPi, 2 * kPi);
    cairo_line_to(cr, cx + w / 2, bottom);
    cairo_close_path(cr);
    c.setVerticalGradient(top, lighter(glass, 0.5), bottom, glass);
    c.fillOutlined(2);
    cairo_move_to(cr, cx, top + 2);
    cairo_line_to(cr, cx, bottom);
    cairo_move_to(cr, cx - w / 2, (top + bottom) / 2 + 2);
    cairo_line_to(cr, cx + w / 2, (top + bottom) / 2 + 2);
    c.setColour(kInk, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    c.highlight(cx - 3, top + 8, 2.5, 4, 0.7);
}

void torch(Canvas& c, double cx, double top)
{
    c.box(cx - 3, top + 12, 6, 14, 2, hex(0x8A5A2E), hex(0x4A2E16), 1.5);
    c.setRadialGradient(cx, top + 6, 22, hex(0xFFE9A0), hex(0xFFB040));
    cairo_t* cr = c.cr();
    cairo_save(cr);
    c.ellipse(cx, top + 6, 20, 16);
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, top + 6, 2, cx, top + 6, 20);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.4, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.7, 0.3, 0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
    c.polygon({{cx - 5, top + 12}, {cx - 3, top + 4}, {cx, top - 2}, {cx + 3, top + 4}, {cx + 5, top + 12}});
    c.setVerticalGradient(top - 2, hex(0xFFF2A0), top + 12, hex(0xFF7A1E));
    c.fillOutlined(1.3);
}

void banner(Canvas& c, double cx, double top, double bottom, Rgb cloth)
{
    const double w = 18;
    c.polygon({{cx - w / 2, top}, {cx + w / 2, top}, {cx + w / 2, bottom}, {cx, bottom - 7}, {cx - w / 2, bottom}});
    c.setVerticalGradient(top, lighter(cloth, 0.25), bottom, darker(cloth, 0.2));
    c.fillOutlined(1.8);
    c.limb({cx - w / 2 - 3, top}, {cx + w / 2 + 3, top}, 3, hex(0xF5C842), 1.2);
    starPath(c, cx, (top + bottom) / 2 - 3, 5, 5, 2.2);
    c.setColour(hex(0xFFE27A));
    c.fillOutlined(1);
}

void crystal(Canvas& c, double x, double bottom, double size, Rgb colour)
{
    c.polygon({{x - size * 0.35, bottom}, {x - size * 0.4, bottom - size * 0.6}, {x, bottom - size},
               {x + size * 0.4, bottom - size * 0.6}, {x + size * 0.35, bottom}});
    c.setVerticalGradient(bottom - size, lighter(colour, 0.6), bottom, colour);
    c.fillOutlined(1.5);
    c.highlight(x - size * 0.12, bottom - size * 0.6, size * 0.08, size * 0.2, 0.8);
}

// Tufts of moss hanging from the top of a wall, kept clear of the wall's edges so its outline shows.
void moss(Canvas& c, const FieldRect& wall)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, wall.x0 + 3, wall.y0 + 3, wall.x1 - wall.x0 - 6, wall.y1 - wall.y0 - 6);
    cairo_clip(cr);
    const double y = wall.y0 + 8;
    for (double x = wall.x0 + 4; x < wall.x1 - 4; x += 9) {
        const double r = 3 + 3 * grain(int(x), int(y));
        c.ellipse(x, y, r + 2, r);
        c.setColour(mix(hex(0x6AC04A), hex(0x3A8A3A), grain(int(y), int(x))), 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void glyphs(Canvas& c, double x0, double x1, double top, double bottom, Rgb ink)
{
    cairo_t* cr = c.cr();
    const double mid = (top + bottom) / 2;
    int k = 0;
    for (double x = x0 + 10; x < x1 - 10; x += 16, ++k) {
        switch (int(grain(k, int(top)) * 4)) {
        case 0:  // an eye
            c.ellipse(x, mid, 5, 3);
            break;
        case 1:  // a bird's body and beak
            cairo_move_to(cr, x - 4, mid + 5);
            cairo_line_to(cr, x, mid - 5);
            cairo_line_to(cr, x + 5, mid - 3);
            break;
        case 2:  // waves
            cairo_move_to(cr, x - 5, mid);
            cairo_curve_to(cr, x - 2, mid - 4, x + 2, mid + 4, x + 5, mid);
            break;
        default:  // an ankh-like loop and cross
            c.ellipse(x, mid - 3, 2.5, 3);
            cairo_move_to(cr, x, mid);
            cairo_line_to(cr, x, mid + 7);
            cairo_move_to(cr, x - 4, mid + 2);
            cairo_line_to(cr, x + 4, mid + 2);
            break;
        }
    }
    c.setColour(ink, 0.75);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// Wooden panelling along the foot of a wall, under a gilded rail.
void wainscot(Canvas& c, const FieldRect& wall)
{
    cairo_t* cr = c.cr();
    const double top = wall.y1 - 28;
    cairo_rectangle(cr, wall.x0, top, wall.x1 - wall.x0, wall.y1 - top);
    c.setVerticalGradient(top, hex(0xB87A44), wall.y1, hex(0x7A4A26));
    cairo_fill(cr);
    for (double x = wall.x0 + 8; x + 40 < wall.x1; x += 50) {
        c.roundedRect(x, top + 6, 40, wall.y1 - top - 12, 2);
        c.setColour(hex(0x5A3418), 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, wall.x0, top);
    cairo_line_to(cr, wall.x1, top);
    c.setColour(hex(0xF5C842));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

}  // namespace

void clipToMass(Canvas& c, const FloorPlan& plan, double faceHeight)
{
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, kFieldWidth, kFieldHeight);
    for (const FieldRect& r : plan.floorRects())
        cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    if (faceHeight > 0)
        for (const FieldRect& r : backWallRects(plan, faceHeight))
            cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void ornamentBackWalls(Canvas& c, const FloorPlan& plan, const Look& look, Ornament ornament)
{
    if (ornament == Ornament::None)
        return;
    int k = 0;
    for (const FieldRect& wall : backWallRects(plan, look.faceHeight)) {
        const double h = wall.y1 - wall.y0, w = wall.x1 - wall.x0;
        if (h < 24 || w < 40)
            continue;
        const int count = std::max(1, int(w / 110));
        const double step = w / count;
        for (int i = 0; i < count; ++i, ++k) {
            const double cx = wall.x0 + step * (i + 0.5);
            const double top = wall.y0 + h * 0.18, bottom = wall.y1 - h * 0.22;
            switch (ornament) {
            case Ornament::Windows:
                if (k % 2 == 0)
                    archedWindow(c, cx, top, bottom, hex(0x6AB8F0));
                else
                    torch(c, cx, top + 2);
                break;
            case Ornament::Banners:
                banner(c, cx, wall.y0 + 3, wall.y1 - 6, k % 2 == 0 ? hex(0xD8324A) : hex(0x4A6AE0));
                break;
            case Ornament::Crystals:
                crystal(c, cx + 20 * (grain(k, 3) - 0.5), wall.y1 - 2, 12 + 12 * grain(k, 5),
                        k % 3 == 0 ? hex(0xFF7AE0) : k % 3 == 1 ? hex(0x6AE0FF) : hex(0xB08AFF));
                break;
            case Ornament::Moss:
            case Ornament::Wainscot:
                break;
            case Ornament::Glyphs:
                glyphs(c, cx - step / 2 + 6, cx + step / 2 - 6, top, bottom, darker(look.face.dark, 0.4));
                break;
            case Ornament::None:
                break;
            }
        }
        if (ornament == Ornament::Moss)
            moss(c, wall);
        if (ornament == Ornament::Wainscot)
            wainscot(c, wall);
    }
}

void stoneArch(Canvas& c, double x0, double x1, double sillY, double height, Rgb stone)
{
    cairo_t* cr = c.cr();
    const double pillar = 14, top = sillY - height;
    for (double px : {x0 - pillar, x1})
        c.box(px, top, pillar, height + 8, 2, lighter(stone, 0.3), darker(stone, 0.2), 2.5);
    // The lintel: an arch resting on the pillars, its key stone at the top.
    const double cx = (x0 + x1) / 2, r = (x1 - x0) / 2 + pillar;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, top + 6, r, kPi, 2 * kPi);
    cairo_arc_negative(cr, cx, top + 6, r - pillar, 2 * kPi, kPi);
    cairo_close_path(cr);
    c.setVerticalGradient(top + 6 - r, lighter(stone, 0.35), top + 6, stone);
    c.fillOutlined(2.5);
    c.box(cx - 7, top + 6 - r - 2, 14, pillar + 4, 2, lighter(stone, 0.5), stone, 2);
}

void doorway(Canvas& c, double x0, double x1, double bottom, double height, Rgb frame, Rgb inside)
{
    cairo_t* cr = c.cr();
    const double w = x1 - x0, r = w / 2, top = bottom - height;
    auto opening = [&](double inset) {
        cairo_move_to(cr, x0 + inset, bottom);
        cairo_line_to(cr, x0 + inset, top + r);
        cairo_arc(cr, x0 + r, top + r, r - inset, kPi, 2 * kPi);
        cairo_line_to(cr, x1 - inset, bottom);
        cairo_close_path(cr);
    };
    opening(-7);
    c.setVerticalGradient(top - 7, lighter(frame, 0.3), bottom, darker(frame, 0.15));
    c.fillOutlined(2.5);
    opening(0);
    c.setVerticalGradient(top, inside, bottom, darker(inside, 0.6));
    c.fillOutlined(2);
}

void carpet(Canvas& c, double x0, double y0, double x1, double y1, Rgb cloth)
{
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    c.setVerticalGradient(y0, lighter(cloth, 0.15), y1, darker(cloth, 0.15));
    cairo_fill(cr);
    for (double x : {x0 + 5, x1 - 5}) {
        cairo_move_to(cr, x, y0);
        cairo_line_to(cr, x, y1);
    }
    c.setColour(hex(0xF5C842));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void magicCircle(Canvas& c, double cx, double cy, double rx, double ry, Rgb glow)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1.25);
    cairo_pattern_add_color_stop_rgba(p, 0, glow.r, glow.g, glow.b, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, glow.r, glow.g, glow.b, 0);
    cairo_arc(cr, 0, 0, 1.25, 0, 2 * kPi);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    c.ellipse(cx, cy, rx, ry);
    c.setColour(glow);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    c.ellipse(cx, cy, rx * 0.8, ry * 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // A star drawn with the circle, flattened like the floor it lies on.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, ry / rx);
    starPath(c, 0, 0, 5, rx * 0.78, rx * 0.3);
    cairo_restore(cr);
    c.setColour(lighter(glow, 0.3), 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void pedestal(Canvas& c, double cx, double bottom, Rgb stone, Rgb glow)
{
    magicCircle(c, cx, bottom - 4, 34, 12, glow);
    c.box(cx - 18, bottom - 14, 36, 12, 3, lighter(stone, 0.3), darker(stone, 0.2), 2);
    c.box(cx - 12, bottom - 38, 24, 26, 2, lighter(stone, 0.4), stone, 2);
    c.box(cx - 17, bottom - 44, 34, 8, 3, lighter(stone, 0.5), stone, 2);
}

void stairsDown(Canvas& c, double x0, double x1, double top, double bottom, Rgb stone)
{
    cairo_t* cr = c.cr();
    c.box(x0 - 8, top - 8, x1 - x0 + 16, bottom - top + 8, 4, lighter(stone, 0.25), darker(stone, 0.2), 2.5);
    // Steps going down and away, each narrower and darker, each lit along its edge.
    const int steps = 4;
    const double h = (bottom - top) / steps;
    for (int i = 0; i < steps; ++i) {
        const double inset = i * (x1 - x0) * 0.06, y = top + i * h;
        cairo_rectangle(cr, x0 + inset, y, x1 - x0 - 2 * inset, h);
        c.setColour(mix(lighter(stone, 0.15), hex(0x1A1424), (i + 1.0) / (steps + 1)));
        c.fillOutlined(1.5);
        cairo_move_to(cr, x0 + inset + 2, y + 2);
        cairo_line_to(cr, x1 - inset - 2, y + 2);
        c.setColour(lighter(stone, 0.5), 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, x0, top, x1 - x0, bottom - top);
    c.setColour(kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void caveMouth(Canvas& c, double x0, double x1, double bottom, double height, Rgb rock)
{
    cairo_t* cr = c.cr();
    const double cx = (x0 + x1) / 2, w = x1 - x0;
    cairo_move_to(cr, x0 - 18, bottom);
    cairo_curve_to(cr, x0 - 22, bottom - height * 1.2, x1 + 22, bottom - height * 1.2, x1 + 18, bottom);
    cairo_close_path(cr);
    c.setVerticalGradient(bottom - height * 1.2, lighter(rock, 0.25), bottom, darker(rock, 0.2));
    c.fillOutlined(2.5);
    cairo_move_to(cr, x0, bottom);
    cairo_curve_to(cr, x0 - 4, bottom - height, x1 + 4, bottom - height, x1, bottom);
    cairo_close_path(cr);
    c.setVerticalGradient(bottom - height, hex(0x0A0810), bottom, hex(0x2A2236));
    c.fillOutlined(2);
    c.highlight(cx - w * 0.3, bottom - height * 0.9, w * 0.15, 4, 0.4);
}

void ladderPit(Canvas& c, double x0, double y0, double x1, double y1, Rgb rim)
{
    c.box(x0 - 6, y0 - 6, x1 - x0 + 12, y1 - y0 + 12, 6, lighter(rim, 0.2), darker(rim, 0.2), 2.5);
    c.box(x0, y0, x1 - x0, y1 - y0, 4, hex(0x0A0810), hex(0x2A2236), 2);
}

void orchardTree(Canvas& c, double cx, double bottom, double size)
{
    c.box(cx - size * 0.1, bottom - size * 0.7, size * 0.2, size * 0.7, 3, hex(0xA0682E), hex(0x5A3418), 2);
    c.blob(cx, bottom - size * 0.95, size * 0.55, size * 0.42, hex(0x4CC24A), 2.5);
    c.blob(cx - size * 0.3, bottom - size * 0.8, size * 0.3, size * 0.25, hex(0x3AA83A), 2);
    c.blob(cx + size * 0.32, bottom - size * 0.82, size * 0.3, size * 0.25, hex(0x3AA83A), 2);
    c.highlight(cx - size * 0.2, bottom - size * 1.15, size * 0.2, size * 0.08, 0.5);
    for (int k = 0; k < 7; ++k)
        c.blob(cx + size * (grain(k, 71) - 0.5) * 0.9, bottom - size * (0.7 + 0.45 * grain(k, 73)), 4, 4,
               hex(0xE8303A), 1.3);
}

}  // namespace artgen
