// The heads-up bar under the play field, its choice panel, the thought bubble and the in-game menu.
#include "draw/WorldDraw.h"

#include <string>

namespace artgen {

namespace {

constexpr Rgb kWoodTop = hex(0xD69A58);
constexpr Rgb kWoodBottom = hex(0x7E4B24);
constexpr Rgb kGold = hex(0xF5C842);
constexpr Rgb kGoldDark = hex(0xB07A1E);
constexpr Rgb kParchment = hex(0xFBEFCF);
constexpr Rgb kParchmentEdge = hex(0xE6CF9A);

// Normal, under the pointer (brighter and gold-rimmed) and pressed (darker and sunk).
struct ButtonState {
    Rgb top, bottom, rim;
    double sink;
};

ButtonState buttonState(int state, Rgb top, Rgb bottom)
{
    if (state == 1)
        return {lighter(top, 0.35), lighter(bottom, 0.15), kGold, 0};
    if (state == 2)
        return {darker(bottom, 0.25), darker(top, 0.2), kInk, 1.5};
    return {top, bottom, kInk, 0};
}

// A rounded button in a frame that the game shows without a colour key; the generator lays a plate
// in the colours around it beneath the corners.
void solidButton(Canvas& c, double w, double h, int state, Rgb top, Rgb bottom, double radius)
{
    cairo_t* cr = c.cr();
    const ButtonState s = buttonState(state, top, bottom);
    c.box(1.5, 1.5 + s.sink, w - 3, h - 3 - s.sink, radius, s.top, s.bottom, 0);
    c.roundedRect(1.5, 1.5 + s.sink, w - 3, h - 3 - s.sink, radius);
    c.setColour(s.rim);
    cairo_set_line_width(cr, state == 1 ? 2.2 : 1.2);
    cairo_stroke(cr);
    if (state == 2) {
        c.roundedRect(3, 2.5 + s.sink, w - 6, h * 0.28, radius * 0.6);
        c.setColour(kInk, 0.35);
        cairo_fill(cr);
    } else {
        c.roundedRect(w * 0.08, 3.5, w * 0.84, h * 0.36, radius * 0.6);
        c.setColour(hex(0xFFFFFF), 0.3);
        cairo_fill(cr);
    }
}

TextStyle labelStyle(int state, double size)
{
    TextStyle s;
    s.size = size;
    s.top = hex(0xFFFFFF);
    s.bottom = state == 1 ? hex(0xFFF0C0) : hex(0xE0E8FF);
    s.outlineWidth = 2;
    s.shadowDy = state == 2 ? 0 : 1.5;
    return s;
}

// Small symbols in front of the menu labels, drawn in white with an ink outline.
void menuIcon(Canvas& c, const std::string& label, double x, double y)
{
    cairo_t* cr = c.cr();
    const Rgb white = hex(0xFFFFFF);
    if (label == "Restart") {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 7, 0.35 * kPi, 1.9 * kPi);
        c.setColour(kInk);
        cairo_set_line_width(cr, 5.5);
        cairo_stroke(cr);
        cairo_arc(cr, x, y, 7, 0.35 * kPi, 1.9 * kPi);
        c.setColour(white);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        c.polygon({{x + 3, y - 11}, {x + 11, y - 5}, {x + 2, y - 2}});
        c.setColour(white);
        c.fillOutlined(1.2);
    } else if (label == "Main Menu") {
        c.polygon({{x - 9, y}, {x, y - 9}, {x + 9, y}, {x + 6, y}, {x + 6, y + 8}, {x - 6, y + 8}, {x - 6, y}});
        c.setColour(white);
        c.fillOutlined(1.5);
        cairo_rectangle(cr, x - 2, y + 2, 4, 6);
        c.setColour(hex(0x2E4BC0));
        cairo_fill(cr);
    } else if (label == "Save") {
        c.box(x - 8, y - 8, 16, 16, 2, white, hex(0xDDE6F0), 1.5);
        cairo_rectangle(cr, x - 4.5, y - 8, 9, 5);
        c.setColour(hex(0x3A9A4A));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 5, y + 1, 10, 5);
        c.setColour(hex(0x7A8699));
        cairo_fill(cr);
    } else if (label == "Cancel") {
        c.limb({x - 6, y - 6}, {x + 6, y + 6}, 3.5, white, 1.3);
        c.limb({x + 6, y - 6}, {x - 6, y + 6}, 3.5, white, 1.3);
    } else {  // Quit: a door with an arrow leaving it
        c.box(x - 8, y - 9, 11, 18, 1.5, white, hex(0xDDE6F0), 1.5);
        c.limb({x - 2, y}, {x + 8, y}, 3, hex(0xFFE27A), 1.2);
        c.polygon({{x + 6, y - 5}, {x + 11, y}, {x + 6, y + 5}});
        c.setColour(hex(0xFFE27A));
        c.fillOutlined(1.2);
    }
}

}  // namespace

void drawBarBackground(Canvas& c)
{
    // Stretched eleven times wider than tall, so it may only change from top to bottom:
    // a wooden shelf with a gold rail on top and plank seams running the whole length.
    cairo_t* cr = c.cr();
    c.setVerticalGradient(0, kWoodTop, 64, kWoodBottom);
    cairo_paint(cr);
    cairo_rectangle(cr, 0, 0, 64, 2);
    c.setColour(darker(kWoodBottom, 0.55));
    cairo_fill(cr);
    c.setVerticalGradient(2, hex(0xFFE9A0), 6, kGoldDark);
    cairo_rectangle(cr, 0, 2, 64, 4);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 6, 64, 1);
    c.setColour(kInk, 0.8);
    cairo_fill(cr);
    for (double y : {26.0, 46.0}) {
        cairo_rectangle(cr, 0, y, 64, 1.2);
        c.setColour(darker(kWoodBottom, 0.3), 0.9);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, y + 1.2, 64, 1);
        c.setColour(hex(0xFFFFFF), 0.18);
        cairo_fill(cr);
    }
    for (double y : {14.0, 19.0, 34.0, 39.0, 53.0, 58.0}) {  // grain
        cairo_rectangle(cr, 0, y, 64, 0.6);
        c.setColour(darker(kWoodTop, 0.25), 0.35);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 62, 64, 2);
    c.setColour(kInk, 0.6);
    cairo_fill(cr);
}

void drawTimerFrame(Canvas& c)
{
    // Shown 1.4 times wider and twice as tall; the digits land in the dark window.
    cairo_t* cr = c.cr();
    c.box(1, 1, 62, 30, 5, hex(0xFFE9A0), kGoldDark, 1.5);
    c.box(4, 3.5, 46, 20.5, 3, hex(0x1C2340), hex(0x2E3A66), 1.2);
    c.roundedRect(5.5, 4.5, 43, 6, 2);
    c.setColour(hex(0xFFFFFF), 0.12);
    cairo_fill(cr);
    // A little hourglass between the window and the frame's right rim, clear of both.
    c.polygon({{52.5, 6}, {58.5, 6}, {55.5, 13}});
    c.setColour(hex(0xBFE9FF));
    c.fillOutlined(0.9);
    c.polygon({{55.5, 13}, {58.5, 20}, {52.5, 20}});
    c.setColour(hex(0xF2D38A));
    c.fillOutlined(0.9);
    TextStyle s;
    s.size = 6.5;
    s.top = hex(0x5A3A1E);
    s.bottom = hex(0x5A3A1E);
    s.outlineWidth = 0;
    c.text("TIME", 27, 27.5, s);
}

void drawBarMenuButton(Canvas& c)
{
    eachFrame(c, 3, [&](int state) {
        solidButton(c, 64, 32, state, hex(0x7DA6FF), hex(0x2E4BC0), 9);
        const double sink = state == 2 ? 1 : 0;
        c.text("Menu", 32, 16.5 + sink, labelStyle(state, 14), 54);
    });
}

void drawInfoButton(Canvas& c)
{
    eachFrame(c, 3, [&](int state) {
        // Narrower than its frame, so the rim shows at the screen's right edge.
        cairo_translate(c.cr(), 1.5, 0);
        solidButton(c, 13, 32, state, hex(0x8CEB6E), hex(0x23A040), 5);
        cairo_translate(c.cr(), -1.5, 0);
        const double sink = state == 2 ? 1 : 0;
        TextStyle s = labelStyle(state, 20);
        s.font = Font::BoldItalic;
        c.text("i", 8, 16.5 + sink, s, 12);
    });
}

void drawChoicePanel(Canvas& c)
{
    // Stretched to about 294 by 100 behind the three choices (and the solved-quest messages):
    // parchment in a gold frame, with faint dividers where the choice zones meet.
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 128, 64);
    c.setVerticalGradient(0, hex(0xB9803E), 64, hex(0x6E4020));
    cairo_fill(cr);
    c.box(2, 2, 124, 60, 5, hex(0xFFE9A0), kGoldDark, 1.2);
    c.box(5, 4.5, 118, 55, 3.5, kParchment, kParchmentEdge, 1.2);
    c.highlight(40, 16, 40, 10, 0.35);
    for (double x : {47.0, 80.5}) {
        cairo_move_to(cr, x, 9);
        cairo_line_to(cr, x, 55);
        c.setColour(hex(0xC9A868), 0.7);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    for (Point p : {Point{5.5, 5}, Point{122.5, 5}, Point{5.5, 59}, Point{122.5, 59}})
        c.blob(p.x, p.y, 2, 2, kGold, 0.8);
}

void drawChoiceHighlight(Canvas& c)
{
    // Frame 0 rings the choice under the pointer, frame 1 the one being pressed. The middle stays
    // see-through so the choice's own picture shows.
    cairo_t* cr = c.cr();
    eachFrame(c, 2, [&](int k) {
        const bool pressed = k == 1;
        const Rgb ring = pressed ? hex(0xFF7A2A) : hex(0xFFE34A);
        const double w = pressed ? 4.5 : 3.2;
        c.roundedRect(2, 2, 28, 28, 6);
        c.setColour(kInk);
        cairo_set_line_width(cr, w + 2);
        cairo_stroke(cr);
        c.roundedRect(2, 2, 28, 28, 6);
        c.setColour(ring);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
        c.roundedRect(2, 2, 28, 28, 6);
        c.setColour(hex(0xFFFFFF), 0.55);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        if (pressed) {
            for (Point p : {Point{4, 4}, Point{28, 4}, Point{4, 28}, Point{28, 28}})
                c.blob(p.x, p.y, 2.6, 2.6, hex(0xFFE34A), 1);
        } else {
            twinkle(c, 27, 5, 4.5);
            twinkle(c, 5, 27, 3);
        }
    });
}

void drawThoughtBubble(Canvas& c, Rgb cloud)
{
    // A cloud on the upper right holds the wished-for thing; two puffs lead down to the dude's head.
    cairo_t* cr = c.cr();
    const Puff puffs[] = {{36, 32, 17}, {22, 30, 11}, {50, 30, 11}, {30, 19, 11}, {44, 18, 11},
                            {28, 43, 10}, {45, 44, 10}};
    for (const Puff& p : puffs)
        c.ellipse(p.x, p.y, p.r, p.r);
    c.setColour(kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (const Puff& p : puffs)
        c.ellipse(p.x, p.y, p.r, p.r);
    c.setVerticalGradient(8, lighter(cloud, 0.6), 54, cloud);
    cairo_fill(cr);
    c.highlight(30, 18, 10, 5, 0.6);
    c.blob(11, 52, 4.5, 4, lighter(cloud, 0.4), 1.8);
    c.blob(4.5, 59.5, 3, 2.8, lighter(cloud, 0.4), 1.5);
}

void drawGameMenuButton(Canvas& c, const char* label, Rgb top, Rgb bottom)
{
    // Shown 154 by 77 over the play field, without a colour key.
    eachFrame(c, 3, [&](int state) {
        solidButton(c, 128, 64, state, top, bottom, 16);
        const double sink = state == 2 ? 1.5 : 0;
        menuIcon(c, label, 22, 32 + sink);
        c.text(label, 72, 32 + sink, labelStyle(state, 20), 86);
    });
}

void drawPushButton(Canvas& c)
{
    // A big red push button on a metal base: lit up under the pointer, pushed down when pressed.
    eachFrame(c, 3, [&](int state) {
        cairo_t* cr = c.cr();
        c.box(4, 40, 56, 20, 6, hex(0xB8C2D0), hex(0x5E6878), 2);
        c.ellipse(32, 42, 24, 8);
        c.setColour(hex(0x3A4250));
        c.fillOutlined(2);
        const double lift = state == 2 ? 5 : 0;
        const Rgb cap = state == 1 ? hex(0xFF6A5A) : state == 2 ? hex(0xB8231E) : hex(0xE8362E);
        if (state == 1) {
            c.ellipse(32, 28, 27, 20);
            c.setColour(hex(0xFFE27A), 0.45);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, 12, 26 + lift, 40, 16 - lift);
        c.setColour(darker(cap, 0.35));
        cairo_fill(cr);
        c.ellipse(32, 42, 20, 6.5);
        c.setColour(darker(cap, 0.35));
        c.fillOutlined(2);
        cairo_move_to(cr, 12, 26 + lift);
        cairo_line_to(cr, 12, 42);
        cairo_move_to(cr, 52, 26 + lift);
        cairo_line_to(cr, 52, 42);
        c.setColour(kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        c.ellipse(32, 26 + lift, 20, 8);
        c.setRadialGradient(26, 22 + lift, 22, lighter(cap, 0.35), cap);
        c.fillOutlined(2);
        if (state != 2)
            c.highlight(26, 24, 8, 3, 0.8);
    });
}

}  // namespace artgen
