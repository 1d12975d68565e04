// Things that stand in the quests: vases, stores, catapults, levers, teleport pads, ladders, bridges,
// trampolines and floor buttons.
#include "draw/WorldDraw.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kIron = hex(0x5B6478);
constexpr Rgb kSteel = hex(0xB8C2D0);

void band(Canvas& c, double y, double h, Rgb colour)
{
    cairo_rectangle(c.cr(), 0, y, 32, h);
    c.setColour(colour);
    cairo_fill(c.cr());
}

// Decorates the current clip with two coloured bands and a row of dots between them.
void vaseBands(Canvas& c, double y, Rgb colour)
{
    band(c, y, 2.5, colour);
    band(c, y + 7, 2.5, colour);
    for (double x = 4; x < 30; x += 5)
        c.blob(x, y + 4.7, 1.2, 1.2, lighter(colour, 0.3), 0);
}

void vaseOutline(Canvas& c, VaseShape shape)
{
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    switch (shape) {
    case VaseShape::Amphora:
        cairo_move_to(cr, 12, 10);
        cairo_curve_to(cr, 12, 18, 3, 24, 3, 38);
        cairo_curve_to(cr, 3, 52, 10, 60, 16, 61);
        cairo_curve_to(cr, 22, 60, 29, 52, 29, 38);
        cairo_curve_to(cr, 29, 24, 20, 18, 20, 10);
        break;
    case VaseShape::Pot:
        cairo_move_to(cr, 8, 24);
        cairo_curve_to(cr, 0, 34, 1, 58, 16, 61);
        cairo_curve_to(cr, 31, 58, 32, 34, 24, 24);
        break;
    case VaseShape::Jar:
        cairo_move_to(cr, 7, 14);
        cairo_curve_to(cr, 3, 20, 4, 56, 7, 61);
        cairo_line_to(cr, 25, 61);
        cairo_curve_to(cr, 28, 56, 29, 20, 25, 14);
        break;
    case VaseShape::Urn:
        cairo_move_to(cr, 9, 18);
        cairo_curve_to(cr, 1, 26, 2, 44, 11, 50);
        cairo_line_to(cr, 8, 61);
        cairo_line_to(cr, 24, 61);
        cairo_line_to(cr, 21, 50);
        cairo_curve_to(cr, 30, 44, 31, 26, 23, 18);
        break;
    default:
        cairo_rectangle(cr, 3, 22, 26, 39);
        return;
    }
    cairo_close_path(cr);
}

void drawTreeObstacle(Canvas& c, Tint leaves)
{
    c.box(13, 38, 6, 24, 2, hex(0xA0682E), hex(0x6B4423), 1.5);
    const Puff crown[] = {{16, 14, 10}, {8, 24, 8}, {24, 24, 8}, {16, 30, 9}, {10, 11, 6}, {22, 11, 6}};
    cairo_t* cr = c.cr();
    for (const Puff& p : crown)
        c.ellipse(p.x, p.y, p.r, p.r);
    c.setColour(kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (const Puff& p : crown)
        c.ellipse(p.x, p.y, p.r, p.r);
    c.setVerticalGradient(2, leaves.light, 38, leaves.dark);
    cairo_fill(cr);
    c.highlight(12, 10, 6, 4, 0.5);
    for (Point p : {Point{10, 20}, Point{22, 17}, Point{17, 29}})
        c.blob(p.x, p.y, 1.6, 1.6, hex(0xE8362E), 0.8);
}

}  // namespace

void drawVase(Canvas& c, VaseShape shape, Tint body, Rgb bandColour)
{
    // Shown about 38 by 70 pixels; it blocks the way until a hammer breaks it.
    cairo_t* cr = c.cr();
    if (shape == VaseShape::Tree) {
        drawTreeObstacle(c, body);
        return;
    }
    if (shape == VaseShape::Barrel) {
        c.box(4, 22, 24, 40, 7, body.light, body.dark, 1.8);
        for (double y : {27.0, 55.0}) {
            cairo_rectangle(cr, 4.5, y, 23, 3);
            c.setColour(kIron);
            c.fillOutlined(1);
        }
        for (double x : {11.0, 16.0, 21.0}) {
            cairo_move_to(cr, x, 23);
            cairo_line_to(cr, x, 61);
        }
        c.setColour(body.dark);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        c.ellipse(16, 23.5, 11.5, 3);
        c.setColour(body.light);
        c.fillOutlined(1.3);
        c.highlight(10, 36, 3, 8, 0.45);
        return;
    }
    if (shape == VaseShape::Crate) {
        c.box(3, 30, 26, 31, 2, body.light, body.dark, 1.8);
        cairo_rectangle(cr, 6, 33, 20, 25);
        cairo_move_to(cr, 6, 33);
        cairo_line_to(cr, 26, 58);
        c.setColour(body.dark);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        c.blob(16, 45, 4, 4, bandColour, 1);
        return;
    }
    if (shape == VaseShape::Amphora)
        for (int side = -1; side <= 1; side += 2) {
            cairo_new_path(cr);
            cairo_arc(cr, 16 + side * 7.5, 19, 4.5, 0, 2 * kPi);
            c.setColour(kInk);
            cairo_set_line_width(cr, 3.6);
            cairo_stroke_preserve(cr);
            c.setColour(body.base);
            cairo_set_line_width(cr, 1.8);
            cairo_stroke(cr);
        }
    vaseOutline(c, shape);
    c.setRadialGradient(11, 30, 30, body.light, body.dark);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    vaseBands(c, shape == VaseShape::Pot ? 36 : 32, bandColour);
    cairo_restore(cr);
    vaseOutline(c, shape);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    // Rim or lid.
    const double rimY = shape == VaseShape::Pot ? 24 : shape == VaseShape::Jar ? 14 : shape == VaseShape::Urn ? 18 : 10;
    const double rimW = shape == VaseShape::Amphora ? 6.5 : shape == VaseShape::Pot ? 10 : 10.5;
    c.ellipse(16, rimY, rimW, 2.6);
    c.setColour(body.light);
    c.fillOutlined(1.5);
    if (shape == VaseShape::Jar || shape == VaseShape::Urn)
        c.blob(16, rimY - 3.5, 2.5, 2.2, bandColour, 1.2);
    else
        c.blob(16, rimY, rimW - 2.5, 1.2, darker(body.dark, 0.4), 0);
    c.highlight(10, rimY + 14, 3, 7, 0.6);
}

void drawStore(Canvas& c, Tint walls, Tint roof, Rgb awning)
{
    // A little shop, shown 42 by 64 pixels: roof with a coin sign, striped awning, open door.
    cairo_t* cr = c.cr();
    c.box(3, 26, 26, 36, 1.5, walls.light, walls.dark, 1.6);
    c.polygon({{0.5, 28}, {16, 6}, {31.5, 28}});
    c.setVerticalGradient(6, roof.light, 28, roof.dark);
    c.fillOutlined(1.6);
    c.blob(16, 18, 4.6, 4.6, hex(0xF5C842), 1.3);
    TextStyle s;
    s.size = 7;
    s.top = hex(0x8A5A10);
    s.bottom = hex(0x8A5A10);
    s.outlineWidth = 0;
    c.text("$", 16, 18.2, s);
    for (int i = 0; i < 6; ++i) {  // awning
        cairo_rectangle(cr, 2 + i * 4.67, 29, 4.67, 6);
        c.setColour(i % 2 == 0 ? awning : hex(0xFFFFFF));
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; ++i)
        c.ellipse(4.3 + i * 4.67, 35, 2.33, 1.8);
    c.setColour(awning);
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 29, 28, 6);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.box(11, 44, 10, 18, 4, hex(0x6B3E1E), hex(0x3E2210), 1.3);
    c.blob(19, 53, 0.9, 0.9, hex(0xF5C842), 0);
    c.box(4.5, 39, 5.5, 6, 1, hex(0xFFF2B0), hex(0xF0B040), 1);
    c.box(22, 39, 5.5, 6, 1, hex(0xFFF2B0), hex(0xF0B040), 1);
}

void drawCatapult(Canvas& c, Tint wood, Rgb seat)
{
    // A seesaw catapult, shown 83 by 42 pixels. Frames 0 and 1 throw to the left (the dude stands
    // on the right end), 2 and 3 to the right; the even frames rest with the dude's end down, the odd
    // ones have thrown: a weight has slammed the far end down and the dude's end points up.
    auto seesaw = [&](bool thrown) {
        cairo_t* cr = c.cr();
        const Point pivot{32, 22};
        const double angle = thrown ? 0.34 : -0.30;  // positive: right end down
        c.polygon({{pivot.x - 8, 31}, {pivot.x, pivot.y}, {pivot.x + 8, 31}});
        c.setVerticalGradient(pivot.y, wood.light, 31, wood.dark);
        c.fillOutlined(1.5);
        cairo_save(cr);
        cairo_translate(cr, pivot.x, pivot.y);
        cairo_rotate(cr, angle);
        c.box(-29, -3, 57, 5.5, 2.5, wood.light, wood.dark, 1.5);
        // The seat at the dude's (left) end, the pad for the weight at the right end.
        c.box(-28, -8.5, 11, 6, 2.5, lighter(seat, 0.3), seat, 1.3);
        c.box(16, -6, 8, 3.5, 1, kSteel, kIron, 1.1);
        if (thrown) {
            // No lettering on the weight: the left-throwing frames are this picture mirrored.
            c.box(14.5, -16, 11, 10, 2, hex(0x7A8699), hex(0x2C3142), 1.3);
            c.limb({17.5, -17}, {22.5, -17}, 1.5, kSteel, 1);
        }
        cairo_restore(cr);
        c.blob(pivot.x, pivot.y, 2.5, 2.5, kSteel, 1.2);
        if (thrown)  // whoosh lines above the launched end
            for (int i = 0; i < 3; ++i) {
                cairo_move_to(cr, 4 + i * 5, 9 - i * 2);
                cairo_line_to(cr, 8 + i * 5, 3 - i * 2);
                c.setColour(hex(0xFFFFFF));
                cairo_set_line_width(cr, 1.6);
                cairo_stroke(cr);
            }
    };
    eachFrame(c, 4, [&](int k) {
        const bool thrown = k % 2 == 1;
        if (k >= 2)
            seesaw(thrown);
        else
            mirrored(c, 64, [&] { seesaw(thrown); });
    });
}

void drawLever(Canvas& c, Tint base, Rgb knob)
{
    // Three positions, left, upright and right, each also lighting its own lamp on the base.
    eachFrame(c, 3, [&](int position) {
        const double angle = (position - 1) * 0.8;
        const Point pivot{32, 44};
        const Point tip{pivot.x + std::sin(angle) * 30, pivot.y - std::cos(angle) * 30};
        c.limb(pivot, tip, 4.5, kSteel, 1.5);
        c.blob(tip.x, tip.y, 6.5, 6.5, knob, 1.8);
        c.highlight(tip.x - 2, tip.y - 2.5, 3, 2, 0.85);
        c.box(8, 42, 48, 18, 5, base.light, base.dark, 2);
        c.ellipse(32, 43, 8, 4);
        c.setColour(kIron);
        c.fillOutlined(1.5);
        for (int lamp = 0; lamp < 3; ++lamp) {
            const bool lit = lamp == position;
            c.blob(19 + lamp * 13, 53, 3.4, 3.4, lit ? hex(0x7CFF6A) : hex(0x2A3A2A), 1.2);
            if (lit)
                c.highlight(18 + lamp * 13, 52, 1.6, 1.2, 0.9);
        }
    });
}

void drawTeleportPad(Canvas& c, Rgb glow)
{
    // A round pad seen at a slant, shown about 45 by 22 pixels.
    cairo_t* cr = c.cr();
    c.ellipse(16, 9.5, 15, 6);
    c.setVerticalGradient(3, kSteel, 16, kIron);
    c.fillOutlined(1.4);
    c.ellipse(16, 8.5, 11, 4.2);
    c.setRadialGradient(16, 8.5, 11, lighter(glow, 0.75), glow);
    c.fillOutlined(1.1);
    c.ellipse(16, 8.5, 5.5, 2.1);
    c.setColour(hex(0xFFFFFF), 0.8);
    cairo_fill(cr);
    for (double x : {5.5, 26.5})
        c.blob(x, 11.5, 1.3, 0.9, glow, 0);
}

void drawLadder(Canvas& c, Tint wood, bool rope)
{
    cairo_t* cr = c.cr();
    for (double y = 8; y < 62; y += 8.5)
        c.limb({7, y}, {25, y}, rope ? 2.4 : 3, wood.base, 1.1);
    for (double x : {6.0, 26.0}) {
        if (rope) {
            cairo_move_to(cr, x, 1);
            for (double y = 1; y < 63; y += 8.5)
                cairo_curve_to(cr, x - 1.5, y + 3, x + 1.5, y + 5, x, y + 8.5);
            c.setColour(kInk);
            cairo_set_line_width(cr, 4);
            cairo_stroke_preserve(cr);
            c.setColour(wood.light);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        } else {
            c.box(x - 2.5, 1, 5, 62, 2, wood.light, wood.dark, 1.4);
        }
    }
}

void drawBridge(Canvas& c, Tint planks, bool stone)
{
    // Planks running across, stretched lengthwise by the game (to 58 or 141 pixels tall).
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 64, 64);
    c.setColour(kInk);
    cairo_fill(cr);
    const double rowH = stone ? 16 : 8;
    for (double y = 0; y < 64; y += rowH) {
        const double nudge = stone ? 0 : std::fmod(y * 0.37, 1.5);
        c.box(5 + nudge, y + 0.8, 54 - nudge, rowH - 1.6, stone ? 2 : 1, planks.light, planks.dark, 0);
        if (stone) {
            cairo_move_to(cr, y / rowH == 1 || y / rowH == 3 ? 22 : 40, y + 1);
            cairo_line_to(cr, y / rowH == 1 || y / rowH == 3 ? 22 : 40, y + rowH - 1);
            c.setColour(kInk, 0.7);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        } else {
            c.blob(9, y + rowH / 2, 0.9, 0.9, kIron, 0);
            c.blob(55, y + rowH / 2, 0.9, 0.9, kIron, 0);
        }
    }
    for (double x : {1.5, 62.5}) {  // side rails
        cairo_rectangle(cr, x - 1.5, 0, 3, 64);
        c.setColour(stone ? darker(planks.base, 0.3) : hex(0x8A5A2E));
        cairo_fill(cr);
    }
}

void drawTrampoline(Canvas& c, Rgb mat)
{
    // The three settings: bounce to the right, straight up, to the left; an arrow on the mat says which.
    eachFrame(c, 3, [&](int setting) {
        cairo_t* cr = c.cr();
        for (double x : {10.0, 54.0})
            c.limb({x, 16}, {x + (x < 32 ? -3 : 3), 30}, 2.5, kIron, 1);
        c.ellipse(32, 14, 29, 8.5);
        c.setColour(kSteel);
        c.fillOutlined(1.8);
        c.ellipse(32, 13.5, 24, 6.2);
        c.setRadialGradient(28, 11, 24, lighter(mat, 0.35), mat);
        c.fillOutlined(1.2);
        cairo_save(cr);
        cairo_translate(cr, 32, 13.5);
        cairo_scale(cr, 1, 0.62);
        const double turn[3] = {0, -kPi / 2, kPi};
        cairo_rotate(cr, turn[setting]);
        c.polygon({{-9, -2.2}, {3, -2.2}, {3, -6}, {11, 0}, {3, 6}, {3, 2.2}, {-9, 2.2}});
        cairo_restore(cr);
        c.setColour(hex(0xFFE34A));
        c.fillOutlined(1.1);
    });
}

void drawFloorButton(Canvas& c, Rgb cap)
{
    // A push button on a post, standing in the world, about the dude's size.
    c.box(24, 30, 16, 30, 3, kSteel, kIron, 1.8);
    c.box(14, 56, 36, 7, 3, kSteel, kIron, 1.6);
    c.box(16, 18, 32, 14, 5, hex(0xDDE3EC), hex(0x7A8699), 1.8);
    c.ellipse(32, 18, 11, 5);
    c.setRadialGradient(29, 16, 12, lighter(cap, 0.4), cap);
    c.fillOutlined(1.6);
    c.highlight(29, 16.5, 4, 1.5, 0.85);
}

}  // namespace artgen
