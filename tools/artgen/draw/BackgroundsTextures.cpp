// The surfaces of the backgrounds: floors, the mass beyond them and the wall faces. Each covers the
// whole field and relies on the caller's clip; stones, tufts and ripples are placed by grain(), so
// every run draws the same picture.
#include "draw/BackgroundDraw.h"

#include <cmath>
#include <functional>

namespace artgen {

namespace {

constexpr double kW = kFieldWidth, kH = kFieldHeight;

// The part of the field the clip lets through, widened by margin: textures skip what lies outside.
struct Area {
    double x0, y0, x1, y1;
};
Area clipArea(Canvas& c, double margin)
{
    Area a{};
    cairo_clip_extents(c.cr(), &a.x0, &a.y0, &a.x1, &a.y1);
    return {a.x0 - margin, a.y0 - margin, a.x1 + margin, a.y1 + margin};
}

void fillField(Canvas& c, const Material& m)
{
    cairo_rectangle(c.cr(), 0, 0, kW, kH);
    c.setVerticalGradient(0, m.light, kH, m.dark);
    cairo_fill(c.cr());
}

Rgb shade(const Material& m, double t) { return mix(m.light, m.dark, t); }

// Rows of slabs of varying length, each a little lighter or darker than its neighbours.
void slabs(Canvas& c, const Material& m, double rowHeight, double minLength, double maxLength, double radius, int seed)
{
    cairo_t* cr = c.cr();
    const Area area = clipArea(c, maxLength);
    int row = 0;
    for (double y = 0; y < kH; y += rowHeight, ++row) {
        if (y + rowHeight < area.y0 || y > area.y1)
            continue;
        double x = -grain(row, seed) * maxLength;
        for (int k = 0; x < kW; ++k) {
            const double length = minLength + grain(row * 131 + k, seed + 1) * (maxLength - minLength);
            if (x + length < area.x0 || x > area.x1) {
                x += length;
                continue;
            }
            c.roundedRect(x + 1, y + 1, length - 2, rowHeight - 2, radius);
            c.setColour(shade(m, 0.15 + 0.55 * grain(k, row + seed)));
            cairo_fill_preserve(cr);
            c.setColour(darker(m.dark, 0.35), 0.55);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            x += length;
        }
    }
}

void scatter(Canvas& c, double cell, int seed, const std::function<void(double, double, double)>& draw)
{
    const Area area = clipArea(c, 2 * cell);
    int j = 0;
    for (double y = 0; y < kH; y += cell, ++j) {
        int i = 0;
        for (double x = 0; x < kW; x += cell, ++i)
            if (x > area.x0 && x < area.x1 && y > area.y0 && y < area.y1)
                draw(x + grain(i, j * 7 + seed) * cell, y + grain(j, i * 5 + seed) * cell, grain(i + seed, j));
    }
}

void grass(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    scatter(c, 46, 3, [&](double x, double y, double r) {
        c.ellipse(x, y, 22, 10);
        c.setColour(r < 0.5 ? lighter(m.light, 0.15) : m.dark, 0.35);
        cairo_fill(cr);
    });
    scatter(c, 32, 5, [&](double x, double y, double r) {
        cairo_move_to(cr, x - 4, y - 6);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + 1, y - 8);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 5, y - 5);
        c.setColour(darker(m.dark, 0.2), 0.7);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        if (r > 0.9)
            c.blob(x + 6, y - 2, 2.6, 2.6, r > 0.95 ? hex(0xFFE14A) : hex(0xFFFFFF), 0.8);
    });
}

void sand(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    scatter(c, 38, 9, [&](double x, double y, double r) {
        cairo_move_to(cr, x - 14, y);
        cairo_curve_to(cr, x - 6, y - 5, x + 6, y - 5, x + 14, y);
        c.setColour(r < 0.5 ? lighter(m.light, 0.35) : m.dark, 0.6);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    });
}

void pebbles(Canvas& c, const Material& m, double cell, int seed, bool glowing)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    scatter(c, cell, seed, [&](double x, double y, double r) {
        c.ellipse(x, y, 3 + 4 * r, 2 + 2.5 * r);
        c.setColour(r < 0.5 ? darker(m.dark, 0.2) : lighter(m.light, 0.2), 0.7);
        cairo_fill(cr);
        if (glowing && r > 0.85)
            c.highlight(x + 8, y - 6, 4, 4, 0.8);
    });
}

void marble(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    const double tile = 40;
    for (int j = 0; j * tile < kH; ++j)
        for (int i = 0; i * tile < kW; ++i) {
            cairo_rectangle(cr, i * tile, j * tile, tile, tile);
            c.setColour((i + j) % 2 == 0 ? m.light : shade(m, 0.75));
            cairo_fill(cr);
        }
    scatter(c, 60, 11, [&](double x, double y, double r) {
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 10, y + 6 * r, x + 18, y - 4, x + 30, y + 3);
        c.setColour(m.dark, 0.35);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    });
}

void water(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    scatter(c, 34, 13, [&](double x, double y, double r) {
        cairo_move_to(cr, x - 10, y);
        cairo_curve_to(cr, x - 5, y - 4, x, y - 4, x + 4, y);
        cairo_curve_to(cr, x + 8, y + 3, x + 12, y + 3, x + 16, y);
        c.setColour(lighter(m.light, 0.5), 0.35 + 0.4 * r);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    });
}

void rockLumps(Canvas& c, const Material& m, double cell, int seed)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    scatter(c, cell, seed, [&](double x, double y, double r) {
        const double rx = cell * (0.35 + 0.25 * r), ry = rx * 0.7;
        c.ellipse(x, y, rx, ry);
        c.setRadialGradient(x - rx * 0.4, y - ry * 0.5, rx * 1.5, lighter(m.light, 0.15), m.dark);
        cairo_fill_preserve(cr);
        c.setColour(darker(m.dark, 0.4), 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
}

void leaves(Canvas& c, const Material& m, double cell, int seed)
{
    cairo_t* cr = c.cr();
    fillField(c, {m.dark, darker(m.dark, 0.2)});
    scatter(c, cell, seed, [&](double x, double y, double r) {
        const double radius = cell * (0.45 + 0.3 * r);
        c.ellipse(x, y, radius, radius * 0.85);
        c.setRadialGradient(x - radius * 0.3, y - radius * 0.4, radius * 1.3, m.light, m.dark);
        cairo_fill_preserve(cr);
        c.setColour(darker(m.dark, 0.45), 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
}

void dunes(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    for (int k = 0; k < 14; ++k) {
        const double y = k * 38 + 10 * grain(k, 17);
        cairo_move_to(cr, -20, y + 20);
        for (double x = -20; x < kW + 40; x += 80)
            cairo_curve_to(cr, x + 20, y - 12 * grain(k, int(x)), x + 50, y + 8, x + 80, y + 20 * grain(int(x), k));
        c.setColour(lighter(m.light, 0.3), 0.6);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
}

void clayRoofs(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    fillField(c, m);
    int row = 0;
    for (double y = 6; y < kH; y += 12, ++row)
        for (double x = (row % 2) * 9; x < kW; x += 18) {
            cairo_arc(cr, x, y, 9, 0, kPi);
            c.setColour(darker(m.dark, 0.2), 0.45);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
}

void wallTops(Canvas& c, const Material& m)
{
    fillField(c, m);
    slabs(c, m, 22, 40, 70, 3, 21);
}

void bricks(Canvas& c, const Material& m, double rowHeight, double length)
{
    cairo_t* cr = c.cr();
    int row = 0;
    for (double y = 0; y < kH; y += rowHeight, ++row)
        for (double x = (row % 2) * length / 2 - length; x < kW; x += length) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + rowHeight);
        }
    for (double y = 0; y < kH; y += rowHeight) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kW, y);
    }
    c.setColour(darker(m.dark, 0.3), 0.55);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

// Striped wallpaper; the wainscot below it is added per wall, since it follows each wall's foot.
void panels(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    for (double x = 0; x < kW; x += 14)
        cairo_rectangle(cr, x, 0, 6, kH);
    c.setColour(lighter(m.light, 0.4), 0.35);
    cairo_fill(cr);
    for (double x = 7; x < kW; x += 28) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, kH);
    }
    c.setColour(m.dark, 0.25);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void strata(Canvas& c, const Material& m)
{
    cairo_t* cr = c.cr();
    for (int k = 0; k < 60; ++k) {
        const double y = k * 9 + 4 * grain(k, 31);
        cairo_move_to(cr, 0, y);
        for (double x = 0; x < kW; x += 40)
            cairo_line_to(cr, x + 40, y + 5 * (grain(int(x), k) - 0.5));
    }
    c.setColour(darker(m.dark, 0.3), 0.45);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    scatter(c, 50, 33, [&](double x, double y, double) {
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 4, y + 7);
        cairo_line_to(cr, x + 1, y + 13);
    });
    c.setColour(darker(m.dark, 0.4), 0.6);
    cairo_stroke(cr);
}

}  // namespace

void paintFloorTexture(Canvas& c, const Look& look)
{
    const Material& m = look.floor;
    switch (look.floorPattern) {
    case FloorPattern::Flagstones:
        fillField(c, m);
        slabs(c, m, 26, 34, 58, 4, 1);
        break;
    case FloorPattern::Cobbles:
        fillField(c, m);
        slabs(c, m, 16, 16, 26, 6, 2);
        break;
    case FloorPattern::Parquet:
        fillField(c, m);
        slabs(c, m, 13, 60, 120, 1, 3);
        break;
    case FloorPattern::Marble:
        marble(c, m);
        break;
    case FloorPattern::Grass:
        grass(c, m);
        break;
    case FloorPattern::Sand:
        sand(c, m);
        break;
    case FloorPattern::Earth:
        pebbles(c, m, 30, 4, false);
        break;
    case FloorPattern::Crystal:
        pebbles(c, m, 34, 6, true);
        break;
    }
}

void paintMassTexture(Canvas& c, const Look& look)
{
    const Material& m = look.mass;
    switch (look.massPattern) {
    case MassPattern::WallTops:
        wallTops(c, m);
        break;
    case MassPattern::Rock:
        rockLumps(c, m, 44, 41);
        break;
    case MassPattern::Cavern:
        rockLumps(c, m, 60, 43);
        break;
    case MassPattern::Water:
        water(c, m);
        break;
    case MassPattern::Roofs:
        clayRoofs(c, m);
        break;
    case MassPattern::Dunes:
        dunes(c, m);
        break;
    case MassPattern::Hedge:
        leaves(c, m, 30, 45);
        break;
    case MassPattern::Forest:
        leaves(c, m, 48, 47);
        break;
    }
}

void paintFaceTexture(Canvas& c, const Look& look, bool falling)
{
    const Material& m = look.face;
    switch (falling ? FacePattern::Cliff : look.facePattern) {
    case FacePattern::Bricks:
        bricks(c, m, 11, 26);
        break;
    case FacePattern::Blocks:
        bricks(c, m, 18, 40);
        break;
    case FacePattern::Sandstone:
        bricks(c, m, 20, 52);
        break;
    case FacePattern::Panels:
        panels(c, m);
        break;
    case FacePattern::Cliff:
        strata(c, m);
        break;
    case FacePattern::Hedge:
        leaves(c, m, 20, 49);
        break;
    }
}

}  // namespace artgen
