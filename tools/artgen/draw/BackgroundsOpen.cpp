// The open scenery of a quest whose walls are still to be laid out: a worn path from the bottom of
// the field to the goal, and columns, trees or boulders along both sides, so the picture is a
// place without promising walls that the layout may not have.
#include "draw/BackgroundDraw.h"

#include <cmath>

namespace artgen {

namespace {

void column(Canvas& c, double cx, double top, double bottom, const Material& stone)
{
    c.box(cx - 16, bottom - 12, 32, 12, 2, lighter(stone.light, 0.2), stone.dark, 2);
    c.box(cx - 11, top + 10, 22, bottom - top - 22, 2, lighter(stone.light, 0.3), stone.dark, 2);
    c.box(cx - 16, top, 32, 12, 2, lighter(stone.light, 0.4), stone.light, 2);
    c.highlight(cx - 5, (top + bottom) / 2, 2.5, (bottom - top) / 4, 0.4);
}

void leafyTree(Canvas& c, double cx, double bottom, double size, const Material& leaves)
{
    c.box(cx - size * 0.1, bottom - size * 0.6, size * 0.2, size * 0.6, 3, hex(0xA0682E), hex(0x5A3418), 2);
    c.blob(cx, bottom - size * 0.85, size * 0.5, size * 0.4, leaves.light, 2.5);
    c.blob(cx - size * 0.28, bottom - size * 0.7, size * 0.28, size * 0.22, mix(leaves.light, leaves.dark, 0.4), 2);
    c.blob(cx + size * 0.3, bottom - size * 0.72, size * 0.28, size * 0.22, mix(leaves.light, leaves.dark, 0.4), 2);
    c.highlight(cx - size * 0.18, bottom - size * 1.05, size * 0.18, size * 0.07, 0.5);
}

void boulder(Canvas& c, double cx, double bottom, double size, const Material& rock)
{
    c.ellipse(cx, bottom - size * 0.45, size * 0.6, size * 0.45);
    c.setRadialGradient(cx - size * 0.2, bottom - size * 0.7, size, lighter(rock.light, 0.25), rock.dark);
    c.fillOutlined(2.5);
    c.highlight(cx - size * 0.2, bottom - size * 0.7, size * 0.15, size * 0.08, 0.5);
}

void sideThing(Canvas& c, const Look& look, double cx, double bottom, int k)
{
    switch (look.massPattern) {
    case MassPattern::WallTops:
    case MassPattern::Roofs:
        column(c, cx, bottom - 96, bottom, look.face);
        break;
    case MassPattern::Hedge:
    case MassPattern::Forest:
        leafyTree(c, cx, bottom, 70 + 20 * grain(k, 61), look.mass);
        break;
    case MassPattern::Rock:
    case MassPattern::Cavern:
    case MassPattern::Dunes:
    case MassPattern::Water:
        boulder(c, cx, bottom, 44 + 24 * grain(k, 63), look.face);
        break;
    }
}

// A worn path from the bottom middle of the field up to the goal.
void path(Canvas& c, const Look& look, const GoalArea& goal)
{
    cairo_t* cr = c.cr();
    const double gx = goal.x + goal.width / 2.0, gy = goal.y + goal.height;
    const double fromX = kFieldWidth / 2.0, fromY = kFieldHeight + 10;
    cairo_move_to(cr, fromX, fromY);
    cairo_curve_to(cr, fromX, (fromY + gy) / 2, gx, (fromY + gy) / 2 + 40, gx, gy);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    c.setColour(darker(look.floor.dark, 0.1), 0.45);
    cairo_set_line_width(cr, 54);
    cairo_stroke_preserve(cr);
    c.setColour(lighter(look.floor.light, 0.25), 0.5);
    cairo_set_line_width(cr, 40);
    cairo_stroke(cr);
}

}  // namespace

void paintOpenScene(Canvas& c, const Look& look, const GoalArea& goal, double floorTop)
{
    path(c, look, goal);
    int k = 0;
    for (double y = floorTop + 110; y < kFieldHeight + 60; y += 130, ++k)
        for (double x : {34.0, kFieldWidth - 34.0}) {
            // Nothing stands in front of the goal.
            const bool nearGoal = x + 40 > goal.x && x - 40 < goal.x + goal.width && y + 20 > goal.y &&
                                  y - 100 < goal.y + goal.height;
            if (!nearGoal)
                sideThing(c, look, x, y, k * 2 + (x > 400));
        }
}

}  // namespace artgen
