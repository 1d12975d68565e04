// Quest pictures of single things on a see-through ground: ways down, doors, treasures, people.
#include "draw/StoryLook.h"
#include "draw/StoryParts.h"

#include <cmath>

namespace artgen {

namespace {

// A round window onto a place, framed in gold, for places shown on a see-through ground.
void vignette(Canvas& c, const std::function<void()>& scene)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    c.ellipse(32, 32, 29, 29);
    cairo_clip(cr);
    scene();
    cairo_restore(cr);
    c.ellipse(32, 32, 29, 29);
    c.setColour(kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    c.setColour(kGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// A fat yellow arrow pointing down: "this way, further down".
void downArrow(Canvas& c, double cx, double topY, double size)
{
    const double s = size;
    c.polygon({{cx - s * 0.3, topY}, {cx + s * 0.3, topY}, {cx + s * 0.3, topY + s * 0.5}, {cx + s * 0.6, topY + s * 0.5},
               {cx, topY + s}, {cx - s * 0.6, topY + s * 0.5}, {cx - s * 0.3, topY + s * 0.5}});
    c.setVerticalGradient(topY, hex(0xFFF6A0), topY + s, hex(0xF0A01E));
    c.fillOutlined(1.5);
}

}  // namespace

void drawStairsDown(Canvas& c, Rgb stone)
{
    // A square well of stone seen from above with steps descending into the dark.
    c.polygon({{8, 26}, {56, 26}, {62, 60}, {2, 60}});
    c.setVerticalGradient(26, lighter(stone, 0.3), 60, darker(stone, 0.2));
    c.fillOutlined(2);
    for (int i = 0; i < 5; ++i) {
        const double y0 = 31 + i * 5.4, inset = i * 1.2;
        c.polygon({{13 + inset, y0}, {51 - inset, y0}, {51 - inset, y0 + 5.4}, {13 + inset, y0 + 5.4}});
        c.setColour(mix(stone, hex(0x0E0A16), 0.15 + i * 0.19));
        c.fillOutlined(1);
    }
    downArrow(c, 32, 2, 22);
}

void drawTrapdoor(Canvas& c)
{
    // An open wooden hatch in the floor, a ladder leading down into the dark.
    c.polygon({{6, 40}, {58, 40}, {62, 60}, {2, 60}});
    c.setVerticalGradient(40, hex(0x8A8090), 60, hex(0x4A4258));
    c.fillOutlined(2);
    c.polygon({{14, 44}, {50, 44}, {52, 56}, {12, 56}});
    c.setColour(hex(0x0E0A16));
    c.fillOutlined(1.5);
    ladder(c, 32, 38, 56, 14, hex(0xC88A4A));
    // The lid stands open behind.
    c.polygon({{14, 42}, {50, 42}, {46, 10}, {18, 10}});
    c.setVerticalGradient(10, hex(0xD49A5A), 42, hex(0x8A5426));
    c.fillOutlined(2);
    cairo_t* cr = c.cr();
    for (double x : {26.0, 38.0}) {
        cairo_move_to(cr, x, 11);
        cairo_line_to(cr, x + (x < 32 ? -1 : 1), 41);
    }
    c.setColour(hex(0x6A3A18));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.blob(32, 22, 4, 4, kGold, 1.3);
    c.blob(32, 22, 2, 2, hex(0x7A5010), 0);
}

void drawSilverSword(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, -kPi / 4);
    c.polygon({{-3.5, -12}, {3.5, -12}, {3.5, 18}, {0, 26}, {-3.5, 18}});
    c.setVerticalGradient(-12, hex(0xFFFFFF), 26, hex(0xA8B4C8));
    c.fillOutlined(1.8);
    cairo_move_to(cr, 0, -10);
    cairo_line_to(cr, 0, 21);
    c.setColour(hex(0x8894AC));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.box(-11, -16, 22, 5, 2.5, kGoldLight, kGoldDeep, 1.6);
    c.box(-2.5, -27, 5, 12, 1.5, hex(0x5A8CF0), hex(0x1E3A8A), 1.5);
    c.blob(0, -29, 3.5, 3.5, kGold, 1.4);
    c.highlight(-1.5, 0, 1.2, 10, 0.8);
    cairo_restore(cr);
    sparkle(c, 48, 14, 4, hex(0xFFFFFF));
}

void drawHealingHerb(Canvas& c)
{
    // Three herb stems fanning out from a ribbon, leaves in pairs and little white flowers at the tips.
    cairo_t* cr = c.cr();
    const Point tie{11, 17};
    for (Point tip : {Point{52, 6}, Point{58, 16.5}, Point{52, 27}}) {
        c.limb(tie, tip, 2, hex(0x3C9A3C), 1);
        const double angle = std::atan2(tip.y - tie.y, tip.x - tie.x);
        for (double t : {0.4, 0.68}) {
            const Point at{tie.x + (tip.x - tie.x) * t, tie.y + (tip.y - tie.y) * t};
            for (double side : {-1.0, 1.0}) {
                cairo_save(cr);
                cairo_translate(cr, at.x, at.y);
                cairo_rotate(cr, angle + side * 0.7);
                c.blob(5, 0, 5, 2.3, side < 0 ? hex(0x7ADC5A) : hex(0x4AB84A), 1);
                cairo_restore(cr);
            }
        }
        for (int k = 0; k < 3; ++k) {
            const double a = k * 2 * kPi / 3;
            c.blob(tip.x + 2.2 * std::cos(a), tip.y + 2.2 * std::sin(a), 2.2, 2.2, hex(0xFFFFFF), 0.9);
        }
        c.blob(tip.x, tip.y, 1.2, 1.2, hex(0xFFE066), 0);
    }
    c.box(7, 11, 8, 12, 2, hex(0xFF8CB8), hex(0xC8407E), 1.3);
}

void drawDesert(Canvas& c)
{
    vignette(c, [&] {
        sky(c, hex(0x7AC8FF), hex(0xFFF0C8));
        sun(c, 44, 16, 6);
        meadow(c, 40, hex(0xFFE08A), hex(0xE0A040));
        cairo_t* cr = c.cr();
        // A cactus.
        c.box(18, 22, 7, 26, 3.5, hex(0x7ED860), hex(0x2E8A3A), 1.5);
        c.limb({15, 34}, {11, 34}, 4, hex(0x5AC050), 1.2);
        c.limb({11, 34}, {11, 27}, 4, hex(0x5AC050), 1.2);
        c.limb({28, 30}, {31, 30}, 4, hex(0x5AC050), 1.2);
        c.limb({31, 30}, {31, 25}, 4, hex(0x5AC050), 1.2);
        cairo_new_path(cr);
        c.polygon({{36, 46}, {48, 34}, {60, 46}});
        c.setVerticalGradient(34, hex(0xFFE8A0), 46, hex(0xD8A048));
        c.fillOutlined(1.3);
    });
}

void drawLadderHole(Canvas& c)
{
    pit(c, 32, 50, 22, 9);
    ladder(c, 32, 6, 54, 16, hex(0xC88A4A));
    downArrow(c, 52, 4, 16);
}

void drawGemOfLight(Canvas& c)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        const double r = i % 2 == 0 ? 30 : 24;
        cairo_move_to(cr, 32 + std::cos(a - 0.09) * 12, 32 + std::sin(a - 0.09) * 12);
        cairo_line_to(cr, 32 + std::cos(a) * r, 32 + std::sin(a) * r);
        cairo_line_to(cr, 32 + std::cos(a + 0.09) * 12, 32 + std::sin(a + 0.09) * 12);
        cairo_close_path(cr);
    }
    c.setColour(hex(0xFFF4B0), 0.9);
    c.fillOutlined(1, hex(0xF0B020));
    // A round golden stone with a ring of facets round its bright table.
    c.ellipse(32, 32, 15, 15);
    c.setRadialGradient(27, 26, 22, hex(0xFFF6B0), hex(0xD89000));
    c.fillOutlined(2);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        cairo_move_to(cr, 32 + std::cos(a) * 8, 32 + std::sin(a) * 8);
        cairo_line_to(cr, 32 + std::cos(a) * 14.5, 32 + std::sin(a) * 14.5);
    }
    c.setColour(hex(0xB07000), 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.ellipse(32, 32, 8, 8);
    c.setColour(hex(0xFFFCE0), 0.85);
    c.fillOutlined(1, hex(0xC88A00));
    sparkle(c, 27, 27, 5, hex(0xFFFFFF));
}

void drawGreenCave(Canvas& c)
{
    // A grassy hill with a dark cave mouth.
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 2, 58);
    cairo_curve_to(cr, 4, 20, 20, 8, 34, 9);
    cairo_curve_to(cr, 50, 10, 62, 28, 62, 58);
    cairo_close_path(cr);
    c.setVerticalGradient(8, hex(0x9CF06E), 58, hex(0x2E7A3A));
    c.fillOutlined(2);
    c.highlight(22, 18, 10, 5, 0.45);
    cave(c, 32, 58, 26, 26, hex(0x2E6A44));
    for (Point p : {Point{12, 40}, Point{52, 38}, Point{44, 18}})
        c.blob(p.x, p.y, 2, 2, hex(0xFFE066), 0.9);
}

void drawArcheryTarget(Canvas& c)
{
    // The owner is an archer: his target, and the red bow leaning on it.
    cairo_t* cr = c.cr();
    const Rgb rings[4] = {hex(0xFFFFFF), hex(0x3A6AE8), hex(0xE8303A), hex(0xFFD23A)};
    for (int i = 0; i < 4; ++i)
        c.blob(28, 28, 24 - i * 6, 24 - i * 6, rings[i], 1.6);
    c.limb({40, 16}, {28, 28}, 1.4, hex(0xA8703C), 0.8);
    c.polygon({{40, 16}, {46, 9}, {47, 14}, {42, 18}});
    c.setColour(hex(0xFFFFFF));
    c.fillOutlined(1);
    cairo_move_to(cr, 50, 12);
    cairo_curve_to(cr, 62, 28, 62, 44, 50, 60);
    c.setColour(kInk);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0xE8303A));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 50, 12);
    cairo_line_to(cr, 50, 60);
    c.setColour(hex(0xF6F0E0));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void drawDungeonOfHope(Canvas& c)
{
    // A dark dungeon door with a bright star of hope above it.
    archway(c, 32, 62, 30, 38, hex(0x9A98A8), hex(0x141022));
    door(c, 32, 62, 26, 35, hex(0x8A6A9A), hex(0x4A3058), true);
    cairo_t* cr = c.cr();
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5, r = i % 2 == 0 ? 11 : 4.5;
        if (i == 0)
            cairo_move_to(cr, 32 + r * std::cos(a), 12 + r * std::sin(a));
        else
            cairo_line_to(cr, 32 + r * std::cos(a), 12 + r * std::sin(a));
    }
    cairo_close_path(cr);
    c.setRadialGradient(30, 9, 12, hex(0xFFFFF0), hex(0xFFC81E));
    c.fillOutlined(1.5);
}

void drawColouredDoor(Canvas& c, Rgb light, Rgb deep)
{
    archway(c, 32, 62, 32, 50, hex(0xB4B0C0), hex(0x141022));
    door(c, 32, 62, 30, 49, light, deep, true);
    c.blob(32, 34, 3, 3, kGold, 1.2);
    c.blob(32, 34, 1.2, 1.2, kInk, 0);
}

void drawRiverBridge(Canvas& c)
{
    vignette(c, [&] {
        sky(c, hex(0x7AC8FF), hex(0xE0F6FF));
        meadow(c, 26, hex(0x8EE070), hex(0x2E8A3A));
        cairo_t* cr = c.cr();
        cairo_move_to(cr, -2, 34);
        cairo_curve_to(cr, 20, 30, 44, 40, 66, 34);
        cairo_line_to(cr, 66, 52);
        cairo_curve_to(cr, 44, 58, 20, 48, -2, 52);
        cairo_close_path(cr);
        c.setVerticalGradient(30, hex(0x8AD8FF), 56, hex(0x2A6AE8));
        c.fillOutlined(1.5);
        for (double y : {40.0, 47.0}) {
            cairo_move_to(cr, 6, y);
            cairo_line_to(cr, 14, y - 1);
            cairo_move_to(cr, 44, y + 2);
            cairo_line_to(cr, 54, y + 1);
        }
        c.setColour(hex(0xFFFFFF), 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        // A wooden bridge arching over the water.
        cairo_move_to(cr, 18, 50);
        cairo_curve_to(cr, 24, 30, 40, 30, 46, 50);
        c.setColour(kInk);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        c.setColour(hex(0xC88A4A));
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
        for (double x : {20.0, 26.0, 32.0, 38.0, 44.0}) {
            const double y = 47 - 12 * std::sin((x - 18) / 28 * kPi);
            c.limb({x, y}, {x, y - 6}, 1.2, hex(0xA8703C), 0.7);
        }
    });
}

void drawCastle(Canvas& c)
{
    // Drawn 0.65 wide and 0.7 high: designed at its screen size (83 by 90) and stretched back.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 1 / 0.65, 1 / 0.7);
    c.blob(42, 86, 40, 5, hex(0x5AC050), 1.5);
    for (double x : {10.0, 73.0}) {
        c.box(x - 8, 26, 16, 58, 1.5, hex(0xF0E8FA), hex(0xA89CC8), 1.8);
        c.polygon({{x - 10, 28}, {x, 8}, {x + 10, 28}});
        c.setVerticalGradient(8, hex(0x8CB4FF), 28, hex(0x2E5AC8));
        c.fillOutlined(1.8);
        c.limb({x, 8}, {x, 1}, 0.8, kInk, 0.4);
        c.polygon({{x, 1}, {x + 8, 3}, {x, 5}});
        c.setColour(hex(0xFFD23A));
        c.fillOutlined(1);
        c.box(x - 2.5, 40, 5, 8, 2.5, kGoldLight, hex(0xF0A030), 1.2);
    }
    c.box(18, 40, 48, 44, 1.5, hex(0xF6F0FF), hex(0xB0A4DC), 1.8);
    for (int i = 0; i < 5; ++i)
        c.box(19 + i * 10, 34, 6, 7, 1, hex(0xFFFFFF), hex(0xD6CCF0), 1.3);
    c.box(30, 16, 24, 26, 1.5, hex(0xF6F0FF), hex(0xB0A4DC), 1.8);
    c.polygon({{27, 18}, {42, 0}, {57, 18}});
    c.setVerticalGradient(0, hex(0x8CB4FF), 18, hex(0x2E5AC8));
    c.fillOutlined(1.8);
    c.box(38.5, 24, 7, 10, 3.5, kGoldLight, hex(0xF0A030), 1.2);
    door(c, 42, 84, 18, 24, hex(0xC8843A), hex(0x7A4A1E), true);
    cairo_restore(cr);
}

void drawScribe(Canvas& c)
{
    // The scribe's notice: a scroll with a shield drawn on it, his quill and ink pot. Drawn 1.3 times
    // taller than wide, so designed at 64 by 83 and squeezed back.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 1, 1 / 1.3);
    c.box(8, 10, 44, 62, 3, hex(0xFFF6DC), hex(0xE8D4A4), 1.8);
    for (double y : {10.0, 72.0})
        c.box(4, y - 5, 52, 10, 5, hex(0xF0DCA8), hex(0xC8A468), 1.8);
    c.polygon({{20, 24}, {40, 24}, {40, 38}, {30, 48}, {20, 38}});
    c.setVerticalGradient(24, hex(0x8CB4FF), 48, hex(0x2E5AC8));
    c.fillOutlined(1.5);
    c.polygon({{31, 27}, {26, 37}, {30, 37}, {28, 45}, {35, 33}, {31, 33}, {33, 27}});
    c.setColour(hex(0xFFE066));
    c.fillOutlined(0.8);
    for (double y : {54.0, 59.0, 64.0}) {
        cairo_move_to(cr, 15, y);
        cairo_line_to(cr, 45, y);
    }
    c.setColour(hex(0x8A7A5A));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.box(46, 60, 14, 14, 4, hex(0x4A5A8A), hex(0x1E2440), 1.6);
    cairo_move_to(cr, 52, 61);
    cairo_curve_to(cr, 56, 44, 62, 30, 63, 16);
    cairo_curve_to(cr, 56, 28, 52, 44, 52, 61);
    c.setVerticalGradient(16, hex(0xFFFFFF), 60, hex(0xD8D0E0));
    c.fillOutlined(1.3);
    cairo_restore(cr);
}

void drawWizard(Canvas& c)
{
    // The old wizard, white-bearded in a starry robe, his hand held out for the wand.
    cairo_t* cr = c.cr();
    const Rgb robe = hex(0x4A5AD8), robeDeep = hex(0x1E2470);
    cairo_move_to(cr, 64, 46);
    cairo_curve_to(cr, 46, 70, 36, 100, 30, 122);
    cairo_line_to(cr, 98, 122);
    cairo_curve_to(cr, 92, 100, 82, 70, 64, 46);
    c.setVerticalGradient(46, robe, 122, robeDeep);
    c.fillOutlined(2.5);
    for (Point p : {Point{50, 100}, Point{78, 92}, Point{62, 112}, Point{84, 114}})
        sparkle(c, p.x, p.y, 4, hex(0xFFE066));
    // Arm held out.
    c.limb({76, 70}, {100, 78}, 10, robe, 2);
    c.blob(104, 78, 6, 5.5, hex(0xFBCDA2), 2);
    // Face, beard and hat.
    c.blob(64, 44, 13, 13, hex(0xFBCDA2), 2);
    cairo_move_to(cr, 51, 46);
    cairo_curve_to(cr, 50, 70, 58, 88, 64, 92);
    cairo_curve_to(cr, 70, 88, 78, 70, 77, 46);
    cairo_curve_to(cr, 72, 52, 56, 52, 51, 46);
    c.setVerticalGradient(46, hex(0xFFFFFF), 92, hex(0xC8D0E0));
    c.fillOutlined(2);
    c.blob(64, 47, 4, 3, hex(0xF2A088), 1.3);
    for (double x : {58.0, 70.0})
        c.blob(x, 41, 1.8, 2.2, kInk, 0);
    for (double x : {57.0, 71.0}) {
        cairo_move_to(cr, x - 4, 36);
        cairo_line_to(cr, x + 4, 36);
    }
    c.setColour(hex(0xFFFFFF));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    c.polygon({{40, 33}, {88, 33}, {72, 26}, {62, 2}, {56, 26}});
    c.setVerticalGradient(2, hex(0x7A8AFF), 33, robeDeep);
    c.fillOutlined(2.2);
    c.blob(64, 32, 28, 4, hex(0x3A48B8), 2);
    sparkle(c, 64, 18, 4.5, hex(0xFFE066));
    sparkle(c, 70, 26, 2.5, hex(0xFFE066));
}

void drawPyramid(Canvas& c)
{
    cairo_t* cr = c.cr();
    sun(c, 50, 12, 6);
    c.polygon({{32, 8}, {60, 52}, {4, 52}});
    c.setVerticalGradient(8, hex(0xFFE8A0), 52, hex(0xE0A048));
    c.fillOutlined(2);
    c.polygon({{32, 8}, {60, 52}, {40, 52}});
    c.setColour(hex(0xC08030), 0.6);
    cairo_fill(cr);
    for (double y : {19.0, 30.0, 41.0}) {
        const double half = (y - 8) / 44 * 28;
        cairo_move_to(cr, 32 - half, y);
        cairo_line_to(cr, 32 + half, y);
    }
    c.setColour(hex(0xA87030), 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    archway(c, 26, 52, 7, 10, hex(0xE0B060), hex(0x1A1020));
    c.blob(32, 56, 30, 4, hex(0xF0C870), 1.5);
}

}  // namespace artgen
