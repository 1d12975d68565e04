// The mission pages' things: princess Ilvy's necklace, its nine gems and the ending's rock chips.
#include "draw/StoryLook.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <vector>

namespace artgen {

namespace {

enum class Cut { Round, Star, Oval, Crystal, Pearl, Square, Brilliant, Pear, Opal };

struct GemLook {
    int frameW, frameH;
    Cut cut;
    Rgb light, base, dark;
    double rx, ry;                  // half the gem's size inside its frame
    double screenX, screenY, scale; // where the briefing and the ending put it on the necklace
};

// Gem1 to Gem9. The places are the game's; the necklace's settings are drawn from them. The quests
// name some of them: the gem of light (2), of health (3), of power (4), the white pearl (5), the
// crystal gem (7), the green gem (8) and the gem of wonder (9).
const GemLook kGems[9] = {
    {32, 32, Cut::Round, hex(0xFFA8B0), hex(0xE0283C), hex(0x70081C), 12.5, 12.5, 67, 160, 1.1},
    {32, 32, Cut::Star, hex(0xFFFCD0), hex(0xFFC81E), hex(0xA86E00), 14, 14, 166, 444, 1.2},
    {64, 32, Cut::Oval, hex(0xFFD4EA), hex(0xF0609C), hex(0x8A1450), 28, 13.5, 547, 452, 1},
    {32, 64, Cut::Crystal, hex(0xEED4FF), hex(0x9A4AE8), hex(0x40147A), 11.5, 28.5, 665, 150, 1},
    {64, 64, Cut::Pearl, hex(0xFFFFFF), hex(0xF0E8F2), hex(0xA898BC), 24, 24, 350, 526, 1},
    {64, 64, Cut::Square, hex(0xB8DCFF), hex(0x2A6AE8), hex(0x0C2470), 25, 25, 286, 504, 0.9},
    {64, 64, Cut::Brilliant, hex(0xFFFFFF), hex(0x9CEBFF), hex(0x2A8AB8), 27, 25, 420, 504, 0.9},
    {64, 64, Cut::Pear, hex(0xD0FFD0), hex(0x2EC45A), hex(0x0A5A24), 21, 27, 87, 314, 0.7},
    {64, 64, Cut::Opal, hex(0xFFFFFF), hex(0xA8E8F4), hex(0x5A46B8), 25, 25, 634, 314, 0.7},
};

// The necklace picture is drawn at (50, 0) and 1.3 times its size.
constexpr double kNecklaceX = 50, kNecklaceScale = 1.3;

// Outline of a cut on a unit square (x and y from -1 to 1), clockwise from the top.
std::vector<Point> cutOutline(Cut cut)
{
    std::vector<Point> pts;
    auto ring = [&](int n, double turn) {
        for (int i = 0; i < n; ++i) {
            const double a = turn + 2 * kPi * i / n;
            pts.push_back({std::sin(a), -std::cos(a)});
        }
    };
    switch (cut) {
    case Cut::Round:
        ring(8, kPi / 8);
        break;
    case Cut::Oval:
        ring(10, kPi / 10);
        break;
    case Cut::Square:
        ring(8, kPi / 8);
        break;
    case Cut::Crystal:
        pts = {{0, -1}, {1, -0.62}, {1, 0.62}, {0, 1}, {-1, 0.62}, {-1, -0.62}};
        break;
    case Cut::Star:
        for (int i = 0; i < 16; ++i) {
            const double a = 2 * kPi * i / 16, r = i % 2 == 0 ? 1.0 : 0.62;
            pts.push_back({r * std::sin(a), -r * std::cos(a)});
        }
        break;
    case Cut::Brilliant:
        pts = {{-0.5, -0.75}, {0.5, -0.75}, {1, -0.22}, {0, 1}, {-1, -0.22}};
        break;
    case Cut::Pear:
        // A drop: round below, drawn to a point at the top.
        for (int i = 0; i < 14; ++i) {
            const double a = 2 * kPi * i / 14;
            const double y = -std::cos(a), x = std::sin(a) * (0.55 + 0.45 * std::pow((1 + y) / 2, 0.6));
            pts.push_back({x, y * 0.9 + 0.1});
        }
        pts[0] = {0, -1};
        break;
    case Cut::Pearl:
    case Cut::Opal:
        ring(24, 0);
        break;
    }
    return pts;
}

void outlinePath(Canvas& c, const std::vector<Point>& pts, Point centre, double rx, double ry)
{
    cairo_t* cr = c.cr();
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const double x = centre.x + pts[i].x * rx, y = centre.y + pts[i].y * ry;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

// A four-pointed glint.
void glint(Canvas& c, double x, double y, double size)
{
    const double s = size, t = size * 0.22;
    c.polygon({{x, y - s}, {x + t, y - t}, {x + s, y}, {x + t, y + t}, {x, y + s}, {x - t, y + t}, {x - s, y},
               {x - t, y - t}});
    c.setColour(hex(0xFFFFFF), 0.95);
    cairo_fill(c.cr());
    c.highlight(x, y, s * 0.6, s * 0.6, 0.8);
}

// A cut stone: rim facets shaded by the light from the upper left, a bright table in the middle.
void facetedStone(Canvas& c, const GemLook& g, Point centre, double line)
{
    cairo_t* cr = c.cr();
    const double rx = g.rx, ry = g.ry;
    const std::vector<Point> outer = cutOutline(g.cut);
    outlinePath(c, outer, centre, rx, ry);
    c.setRadialGradient(centre.x - rx * 0.3, centre.y - ry * 0.3, std::max(rx, ry) * 1.3, g.base, g.dark);
    c.fillOutlined(line);

    const double inner = g.cut == Cut::Star ? 0.45 : 0.55;
    const Point table{centre.x - rx * 0.06, centre.y - ry * 0.06};
    const std::size_t n = outer.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = outer[i], b = outer[(i + 1) % n];
        const double nx = b.y - a.y, ny = a.x - b.x;  // outward, as the outline runs clockwise
        const double lit = std::clamp(0.5 + 0.5 * (-nx * 0.6 - ny * 0.8) / std::hypot(nx, ny), 0.0, 1.0);
        cairo_move_to(cr, centre.x + a.x * rx, centre.y + a.y * ry);
        cairo_line_to(cr, centre.x + b.x * rx, centre.y + b.y * ry);
        cairo_line_to(cr, table.x + b.x * rx * inner, table.y + b.y * ry * inner);
        cairo_line_to(cr, table.x + a.x * rx * inner, table.y + a.y * ry * inner);
        cairo_close_path(cr);
        c.setColour(mix(g.dark, g.light, 0.15 + 0.7 * lit), 0.85);
        cairo_fill_preserve(cr);
        c.setColour(g.light, 0.45);
        cairo_set_line_width(cr, line * 0.4);
        cairo_stroke(cr);
    }
    outlinePath(c, outer, table, rx * inner, ry * inner);
    c.setVerticalGradient(table.y - ry * inner, g.light, table.y + ry * inner, g.base);
    cairo_fill(cr);
    outlinePath(c, outer, centre, rx, ry);
    c.setColour(kInk);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}

// A round stone with a soft sheen: the pearl, or, with coloured flecks that drift, the opal.
void roundStone(Canvas& c, const GemLook& g, Point centre, double line, int frame)
{
    cairo_t* cr = c.cr();
    const double r = g.rx;
    c.ellipse(centre.x, centre.y, r, r);
    c.setRadialGradient(centre.x - r * 0.35, centre.y - r * 0.4, r * 1.5, g.light, g.dark);
    c.fillOutlined(line);
    cairo_save(cr);
    c.ellipse(centre.x, centre.y, r - line / 2, r - line / 2);
    cairo_clip(cr);
    if (g.cut == Cut::Opal) {
        static const std::uint32_t flecks[6] = {0xFF6FA8, 0xFFD84A, 0x5AE07A, 0x4AB0FF, 0xB070FF, 0xFF8A4A};
        for (int i = 0; i < 6; ++i) {
            const double a = i * kPi / 3 + frame * 0.18;
            const double d = r * (0.35 + 0.12 * (i % 2));
            cairo_save(cr);
            cairo_translate(cr, centre.x + d * std::cos(a), centre.y + d * std::sin(a));
            cairo_rotate(cr, a);
            c.ellipse(0, 0, r * 0.32, r * 0.16);
            c.setColour(hex(flecks[i]), 0.55);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    } else {
        c.ellipse(centre.x + r * 0.3, centre.y + r * 0.45, r * 0.7, r * 0.4);
        c.setColour(hex(0xFFC8E0), 0.45);
        cairo_fill(cr);
        c.ellipse(centre.x - r * 0.5, centre.y + r * 0.2, r * 0.3, r * 0.5);
        c.setColour(hex(0xC8E0FF), 0.4);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    c.highlight(centre.x - r * 0.35, centre.y - r * 0.4, r * 0.45, r * 0.3, 0.95);
}

// Where gem g sits on the necklace picture, and how much smaller it is drawn there than in its file.
Point settingCentre(const GemLook& g)
{
    return {(g.screenX + g.frameW * g.scale / 2 - kNecklaceX) / kNecklaceScale,
            (g.screenY + g.frameH * g.scale / 2) / kNecklaceScale};
}

double onNecklace(const GemLook& g) { return g.scale / kNecklaceScale; }

// An empty setting: a gold rim and prongs around a dark hollow in the shape of its gem, so the player
// sees where each gem belongs and which are still missing. The gem drawn over it fills the hollow.
void setting(Canvas& c, const GemLook& g)
{
    cairo_t* cr = c.cr();
    const Point at = settingCentre(g);
    const double k = onNecklace(g), rx = g.rx * k, ry = g.ry * k;
    const std::vector<Point> outer = cutOutline(g.cut);
    const double rim = 4.5;
    outlinePath(c, outer, at, rx + rim, ry + rim);
    c.setVerticalGradient(at.y - ry - rim, kGoldLight, at.y + ry + rim, kGoldDeep);
    c.fillOutlined(2);
    outlinePath(c, outer, at, rx, ry);
    c.setRadialGradient(at.x, at.y - ry * 0.3, std::max(rx, ry) * 1.2, hex(0x5A4668), hex(0x221A2C));
    c.fillOutlined(1.5);
    // The gem's table, faintly, like an imprint in its colour.
    outlinePath(c, outer, at, rx * 0.55, ry * 0.55);
    c.setColour(mix(hex(0x5A4668), g.base, 0.45), 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4 + i * kPi / 2;
        c.blob(at.x + std::cos(a) * (rx + rim * 0.4), at.y + std::sin(a) * (ry + rim * 0.4), 2.6, 2.6, kGoldLight,
               1.2);
    }
}

// Catmull-Rom point between p1 and p2.
Point spline(Point p0, Point p1, Point p2, Point p3, double t)
{
    const double t2 = t * t, t3 = t2 * t;
    auto f = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (3 * b - a - 3 * c + d) * t3);
    };
    return {f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)};
}

// The chain: round gold links every few pixels along a smooth curve through the points.
void chain(Canvas& c, const std::vector<Point>& through)
{
    cairo_t* cr = c.cr();
    std::vector<Point> curve;
    for (std::size_t i = 0; i + 1 < through.size(); ++i) {
        const Point p0 = through[i == 0 ? 0 : i - 1], p3 = through[std::min(i + 2, through.size() - 1)];
        for (int s = 0; s < 24; ++s)
            curve.push_back(spline(p0, through[i], through[i + 1], p3, s / 24.0));
    }
    curve.push_back(through.back());

    const double spacing = 7.5;
    double travelled = spacing;
    int link = 0;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const Point a = curve[i - 1], b = curve[i];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        travelled += len;
        if (travelled < spacing)
            continue;
        travelled = 0;
        cairo_save(cr);
        cairo_translate(cr, b.x, b.y);
        cairo_rotate(cr, std::atan2(b.y - a.y, b.x - a.x));
        const bool flat = link++ % 2 == 0;
        c.ellipse(0, 0, 5.5, flat ? 3.6 : 1.6);
        c.setColour(kInk);
        cairo_set_line_width(cr, flat ? 4.2 : 3.6);
        cairo_stroke_preserve(cr);
        c.setColour(flat ? kGold : kGoldLight);
        cairo_set_line_width(cr, flat ? 2 : 1.6);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

}  // namespace

void drawNecklace(Canvas& c)
{
    // The settings in order along the chain, from the upper left, down round the bottom, and up again.
    static const int alongChain[9] = {1, 8, 2, 6, 5, 7, 3, 9, 4};
    std::vector<Point> through = {{20, -12}, {22, 50}};
    for (int n : alongChain)
        through.push_back(settingCentre(kGems[n - 1]));
    through.push_back({492, 50});
    through.push_back({494, -12});
    chain(c, through);
    // Beads halfway between neighbouring settings.
    for (std::size_t i = 2; i + 2 < through.size(); ++i) {
        const Point a = through[i], b = through[i + 1];
        c.blob((a.x + b.x) / 2, (a.y + b.y) / 2 + 3, 4.5, 4.5, kGold, 1.5);
        c.highlight((a.x + b.x) / 2 - 1.5, (a.y + b.y) / 2 + 1.5, 2, 1.5, 0.9);
    }
    for (const GemLook& g : kGems)
        setting(c, g);
}

void drawNecklaceGem(Canvas& c, int number)
{
    const GemLook& g = kGems[number - 1];
    const double line = std::min(g.frameW, g.frameH) <= 32 ? 1.5 : 2.2;
    for (int frame = 0; frame < 4; ++frame)
        c.drawFrame(frame, [&] {
            const Point centre{g.frameW / 2.0, g.frameH / 2.0};
            if (g.cut == Cut::Pearl || g.cut == Cut::Opal)
                roundStone(c, g, centre, line, frame);
            else
                facetedStone(c, g, centre, line);
            // The glint grows from frame 0 to frame 3 and wanders along the upper left edge.
            glint(c, centre.x - g.rx * (0.45 - 0.12 * frame), centre.y - g.ry * (0.5 - 0.08 * frame),
                  std::min(g.rx, g.ry) * (0.25 + 0.13 * frame));
        });
}

void drawRockChips(Canvas& c)
{
    // A chip of rock tumbling a sixteenth of a turn per frame.
    for (int frame = 0; frame < 16; ++frame)
        c.drawFrame(frame, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            cairo_translate(cr, 8, 8);
            cairo_rotate(cr, frame * kPi / 8);
            c.polygon({{-5, -4}, {1, -6.5}, {6, -2}, {5, 4}, {-1, 6}, {-6, 2}});
            c.setRadialGradient(-2, -3, 9, hex(0xC8B496), hex(0x6E5A44));
            c.fillOutlined(1.3);
            c.polygon({{-3, -3}, {1, -4.5}, {3, -1.5}, {-1, -0.5}});
            c.setColour(hex(0xE4D6BC), 0.8);
            cairo_fill(cr);
            cairo_restore(cr);
        });
}

// The game's icon: the necklace's red gem in its gold setting, hung on the chain under a night sky,
// with two smaller gems beside it where the icon is large enough to show them. Drawn on a 256 unit
// square scaled to size; outlines keep about a pixel at the smallest sizes.
void drawGameEmblem(Canvas& c, int size)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, size / 256.0, size / 256.0);
    const double line = std::max(3.0, 256.0 / size * 1.2);

    c.roundedRect(6, 6, 244, 244, 52);
    c.setRadialGradient(128, 70, 230, hex(0x4A3690), hex(0x120C28));
    c.fillOutlined(line);
    if (size >= 48) {
        const Point stars[4] = {{44, 44}, {212, 38}, {190, 84}, {70, 92}};
        for (int i = 0; i < 4; ++i)
            glint(c, stars[i].x, stars[i].y, i % 2 == 0 ? 9 : 6);
    }

    // The chain: down from the top corners to the setting.
    cairo_move_to(cr, 22, 18);
    cairo_curve_to(cr, 30, 110, 70, 130, 128, 132);
    cairo_curve_to(cr, 186, 130, 226, 110, 234, 18);
    c.setColour(kInk);
    cairo_set_line_width(cr, size >= 32 ? 16 : 28);
    cairo_stroke_preserve(cr);
    c.setColour(kGold);
    cairo_set_line_width(cr, size >= 32 ? 8 : 14);
    cairo_stroke(cr);

    auto setGem = [&](const GemLook& look, Point at, double radius) {
        GemLook g = look;
        g.rx = radius * look.rx / std::max(look.rx, look.ry);
        g.ry = radius * look.ry / std::max(look.rx, look.ry);
        const double rim = radius * 0.2;
        outlinePath(c, cutOutline(g.cut), at, g.rx + rim, g.ry + rim);
        c.setVerticalGradient(at.y - g.ry - rim, kGoldLight, at.y + g.ry + rim, kGoldDeep);
        c.fillOutlined(line);
        facetedStone(c, g, at, line);
        glint(c, at.x - g.rx * 0.4, at.y - g.ry * 0.45, radius * 0.3);
    };
    if (size >= 32) {
        setGem(kGems[7], {62, 104}, 24);   // the green gem
        setGem(kGems[5], {194, 104}, 24);  // the blue square
    }
    setGem(kGems[0], {128, 158}, size >= 32 ? 66 : 80);  // the red gem, where the chain meets
    cairo_restore(cr);
}

}  // namespace artgen
