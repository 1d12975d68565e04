// Paints a floor plan: the mass beyond the floors, the floors, the back walls rising above them and
// the banks falling below them, then every wall the dude meets, so that each one lies on an edge.
#include "draw/BackgroundDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

constexpr double kOutlineWidth = 3;

void addRect(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
}

// A wall face or bank: a strip of one band above or below a floor run.
struct Strip {
    double x0, y0, x1, y1;
};

std::vector<Strip> backWalls(const FloorPlan& plan, double height)
{
    std::vector<Strip> strips;
    for (const Band& band : plan.bands)
        for (std::size_t k = 1; k < band.runs.size(); ++k)
            if (band.runs[k].floor && !band.runs[k - 1].floor) {
                const double y = band.runs[k].y0;
                strips.push_back({double(band.x0), std::max<double>(band.runs[k - 1].y0, y - height),
                                  double(band.x1), y});
            }
    return strips;
}

std::vector<Strip> banks(const FloorPlan& plan, double height)
{
    std::vector<Strip> strips;
    for (const Band& band : plan.bands)
        for (std::size_t k = 0; k + 1 < band.runs.size(); ++k)
            if (band.runs[k].floor && !band.runs[k + 1].floor) {
                const double y = band.runs[k].y1;
                strips.push_back({double(band.x0), y, double(band.x1),
                                  std::min<double>(band.runs[k + 1].y1, y + height)});
            }
    return strips;
}

// The textures only draw what falls inside the clip's bounding box, so a plan that is mostly floor
// spends no time on stones of mass nobody sees.
void clipToMassBounds(cairo_t* cr, const FloorPlan& plan)
{
    double x0 = kFieldWidth, y0 = kFieldHeight, x1 = 0, y1 = 0;
    for (const Band& band : plan.bands)
        for (const Run& run : band.runs)
            if (!run.floor) {
                x0 = std::min<double>(x0, band.x0), x1 = std::max<double>(x1, band.x1);
                y0 = std::min<double>(y0, run.y0), y1 = std::max<double>(y1, run.y1);
            }
    addRect(cr, x0, y0, std::max(x0, x1), std::max(y0, y1));
    cairo_clip(cr);
}

// Rectangles snapped to whole pixels of the picture: a clip of such boxes is cheap for Cairo, while
// one with fractional edges costs a mask for every stone drawn through it.
void addPixelRect(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    x0 = std::round(x0), y0 = std::round(y0), x1 = std::round(x1), y1 = std::round(y1);
    cairo_device_to_user(cr, &x0, &y0);
    cairo_device_to_user(cr, &x1, &y1);
    addRect(cr, x0, y0, x1, y1);
}

void clipToFloor(cairo_t* cr, const FloorPlan& plan)
{
    for (const FieldRect& r : plan.floorRects())
        addPixelRect(cr, r.x0, r.y0, r.x1, r.y1);
    cairo_clip(cr);
}

void paintStrips(Canvas& c, const std::vector<Strip>& strips, const Look& look, bool falling)
{
    if (strips.empty())
        return;
    cairo_t* cr = c.cr();
    for (const Strip& s : strips) {
        addRect(cr, s.x0, s.y0, s.x1, s.y1);
        // Lit at the top edge, darker where it meets the ground or the water.
        c.setVerticalGradient(s.y0, falling ? look.face.light : lighter(look.face.light, 0.1), s.y1, look.face.dark);
        cairo_fill(cr);
    }
    cairo_save(cr);
    for (const Strip& s : strips)
        addPixelRect(cr, s.x0, s.y0, s.x1, s.y1);
    cairo_clip(cr);
    paintFaceTexture(c, look, falling);
    cairo_restore(cr);
    // The rim where the top of the wall turns into the face catches the light.
    for (const Strip& s : strips) {
        if (falling)
            continue;
        cairo_move_to(cr, s.x0, s.y0 + 1.5);
        cairo_line_to(cr, s.x1, s.y0 + 1.5);
    }
    c.setColour(lighter(look.face.light, 0.45), 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// Soft shadows the back walls and the left-hand walls cast on the floor, lit from the upper left.
void paintFloorShadows(Canvas& c, const FloorPlan& plan)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    clipToFloor(cr, plan);
    for (const FieldRect& line : plan.outline()) {
        cairo_pattern_t* p = nullptr;
        if (line.y0 == line.y1 && plan.isFloor((line.x0 + line.x1) / 2, line.y0)) {
            addRect(cr, line.x0, line.y0, line.x1, line.y0 + 16);
            p = cairo_pattern_create_linear(0, line.y0, 0, line.y0 + 16);
        } else if (line.x0 == line.x1 && plan.isFloor(line.x0, (line.y0 + line.y1) / 2)) {
            addRect(cr, line.x0, line.y0, line.x0 + 10, line.y1);
            p = cairo_pattern_create_linear(line.x0, 0, line.x0 + 10, 0);
        }
        if (!p)
            continue;
        cairo_pattern_add_color_stop_rgba(p, 0, kInk.r, kInk.g, kInk.b, 0.32);
        cairo_pattern_add_color_stop_rgba(p, 1, kInk.r, kInk.g, kInk.b, 0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_restore(cr);
}

// Where a wall runs through floor, it is a one-way ledge or a rail: a step face, a lip or a low
// balustrade is drawn along it.
void paintInnerWalls(Canvas& c, const FloorPlan& plan, const DudeLayout& dude, const Look& look)
{
    cairo_t* cr = c.cr();
    auto inFloor = [&](int x, int y, bool vertical) {
        return vertical ? plan.isFloor(x - 1, y) && plan.isFloor(x, y) : plan.isFloor(x, y - 1) && plan.isFloor(x, y);
    };
    const Rgb step = mix(look.face.light, look.floor.dark, 0.3);
    for (bool up : {true, false})
        for (const HorizontalWall& w : up ? dude.up : dude.down)
            for (const Band& band : plan.bands) {
                if (band.x0 < w.x1 || band.x1 > w.x2 || !inFloor((band.x0 + band.x1) / 2, w.y, false))
                    continue;
                // An up wall is the foot of a step the dude may walk down but not up; a down wall
                // is the lip of a step it may climb but not walk down.
                const double y0 = up ? w.y - 12 : w.y, y1 = up ? w.y : w.y + 8;
                addRect(cr, band.x0, y0, band.x1, y1);
                c.setVerticalGradient(y0, step, y1, darker(step, 0.25));
                cairo_fill(cr);
                cairo_move_to(cr, band.x0, w.y);
                cairo_line_to(cr, band.x1, w.y);
                cairo_move_to(cr, band.x0, up ? y0 : y1);
                cairo_line_to(cr, band.x1, up ? y0 : y1);
                c.setColour(kInk);
                cairo_set_line_width(cr, 2.5);
                cairo_stroke(cr);
            }
    // Narrow enough that the floor still shows on both sides of the wall's line once the picture
    // is scaled down; a wider rail reads as a dark band with no edge in it.
    constexpr double kRailHalfWidth = 1.5;
    const Rgb rail = darker(look.face.dark, 0.1);
    for (bool left : {true, false})
        for (const VerticalWall& w : left ? dude.left : dude.right) {
            for (int y = w.y1; y < w.y2; y += 4) {
                if (!inFloor(w.x, y, true) || !inFloor(w.x, std::min(y + 4, w.y2) - 1, true))
                    continue;
                addRect(cr, w.x - kRailHalfWidth, y, w.x + kRailHalfWidth, std::min(y + 4, w.y2));
            }
            c.setColour(rail);
            cairo_fill_preserve(cr);
            c.setColour(kInk);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
}

void strokeOutline(Canvas& c, const FloorPlan& plan)
{
    cairo_t* cr = c.cr();
    for (const FieldRect& line : plan.outline()) {
        cairo_move_to(cr, line.x0, line.y0);
        cairo_line_to(cr, line.x1, line.y1);
    }
    c.setColour(kInk);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
}

}  // namespace

std::vector<FieldRect> backWallRects(const FloorPlan& plan, double height)
{
    std::vector<Strip> strips = backWalls(plan, height);
    std::sort(strips.begin(), strips.end(), [](const Strip& a, const Strip& b) {
        return a.y1 != b.y1 ? a.y1 < b.y1 : a.y0 != b.y0 ? a.y0 < b.y0 : a.x0 < b.x0;
    });
    std::vector<FieldRect> rects;
    for (const Strip& s : strips) {
        const FieldRect r{int(s.x0), int(s.y0), int(s.x1), int(s.y1)};
        if (!rects.empty() && rects.back().x1 == r.x0 && rects.back().y0 == r.y0 && rects.back().y1 == r.y1)
            rects.back().x1 = r.x1;
        else
            rects.push_back(r);
    }
    return rects;
}

FloorPlan openPlan(int y)
{
    return {{{0, kFieldWidth, {{0, y, false, Bound::None, Bound::UpWall}, {y, kFieldHeight, true, Bound::UpWall, Bound::None}}}}};
}

double grain(int a, int b)
{
    std::uint32_t h = std::uint32_t(a) * 0x9E3779B1u ^ (std::uint32_t(b) + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0x1000000);
}

void paintPlan(Canvas& c, const FloorPlan& plan, const DudeLayout& dude, const Look& look)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    clipToMassBounds(cr, plan);
    paintMassTexture(c, look);
    cairo_restore(cr);

    cairo_save(cr);
    clipToFloor(cr, plan);
    paintFloorTexture(c, look);
    cairo_restore(cr);
    paintFloorShadows(c, plan);

    if (look.bankHeight > 0)
        paintStrips(c, banks(plan, look.bankHeight), look, true);
    if (look.faceHeight > 0)
        paintStrips(c, backWalls(plan, look.faceHeight), look, false);
    paintInnerWalls(c, plan, dude, look);
    strokeOutline(c, plan);
}

// A stretch of the floor plan that is really water or a chasm, crossed only where a bridge or a
// ladder is laid: painted like the look's mass, its banks inked at its sides (and across its ends,
// where it meets land there too).
void paintFord(Canvas& c, const FieldRect& ford, const Look& look, bool banksAcross)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, ford.x0, ford.y0, ford.x1 - ford.x0, ford.y1 - ford.y0);
    cairo_clip(cr);
    paintMassTexture(c, look);
    cairo_restore(cr);
    for (int x : {ford.x0, ford.x1}) {
        cairo_move_to(cr, x, ford.y0);
        cairo_line_to(cr, x, ford.y1);
    }
    if (banksAcross)
        for (int y : {ford.y0, ford.y1}) {
            cairo_move_to(cr, ford.x0, y);
            cairo_line_to(cr, ford.x1, y);
        }
    c.setColour(kInk);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
}

}  // namespace artgen
