// Front-end buttons. Every button has three frames: normal, under the pointer, pressed.
#include "draw/Draw.h"

namespace artgen {

namespace {

struct ButtonColours {
    Rgb top, bottom;
};

// Normal buttons are sky blue, the one under the pointer turns gold, a pressed one sinks and darkens.
ButtonColours stateColours(int state, Rgb top, Rgb bottom)
{
    if (state == 1)
        return {hex(0xFFE68A), hex(0xF08C1E)};
    if (state == 2)
        return {darker(bottom, 0.35), darker(top, 0.3)};
    return {top, bottom};
}

TextStyle labelStyle(int state, double size)
{
    TextStyle s;
    s.size = size;
    s.top = hex(0xFFFFFF);
    s.bottom = state == 1 ? hex(0xFFF3D0) : hex(0xDDE8FF);
    s.outlineWidth = 2;
    s.shadowDx = 0, s.shadowDy = state == 2 ? 0 : 1.5;
    return s;
}

// A pill with a gloss on its upper half; pressed ones lose the gloss and show an inner shadow.
void pill(Canvas& c, double x, double y, double w, double h, int state, Rgb top, Rgb bottom)
{
    cairo_t* cr = c.cr();
    const ButtonColours col = stateColours(state, top, bottom);
    c.box(x, y, w, h, h / 2, col.top, col.bottom, 2.5);
    if (state == 2) {
        c.roundedRect(x + 2.5, y + 2, w - 5, h * 0.35, h / 4);
        c.setColour(kInk, 0.35);
        cairo_fill(cr);
        return;
    }
    c.roundedRect(x + h * 0.3, y + 2.5, w - h * 0.6, h * 0.38, h * 0.19);
    c.setColour(hex(0xFFFFFF), 0.35);
    cairo_fill(cr);
}

void diamond(Canvas& c, double x, double y, double r, Rgb fill)
{
    c.polygon({{x, y - r}, {x + r * 0.75, y}, {x, y + r}, {x - r * 0.75, y}});
    c.setColour(fill);
    c.fillOutlined(1.2);
}

void triangle(Canvas& c, double x, double y, double size, bool pointsRight)
{
    const double d = pointsRight ? size : -size;
    c.polygon({{x - d * 0.5, y - size * 0.8}, {x + d * 0.6, y}, {x - d * 0.5, y + size * 0.8}});
    c.setColour(hex(0xFFFFFF));
    c.fillOutlined(1.6);
}

void tick(Canvas& c, double x, double y, double size)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x - size * 0.5, y);
    cairo_line_to(cr, x - size * 0.1, y + size * 0.45);
    cairo_line_to(cr, x + size * 0.6, y - size * 0.5);
    c.setColour(kInk);
    cairo_set_line_width(cr, size * 0.45 + 2.5);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0xFFFFFF));
    cairo_set_line_width(cr, size * 0.45);
    cairo_stroke(cr);
}

}  // namespace

void drawMenuButton(Canvas& c, const char* label)
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1 : 0;
            pill(c, 1.5, 1.5, 253, 29, state, hex(0x7DA6FF), hex(0x2E4BC0));
            const Rgb gem = state == 1 ? hex(0xFF6FB0) : hex(0x7FF0FF);
            diamond(c, 17, 16 + sink, 5.5, gem);
            diamond(c, 239, 16 + sink, 5.5, gem);
            c.text(label, 128, 16 + sink, labelStyle(state, 19), 196);
        });
}

void drawBackButton(Canvas& c)
{
    // Shown without a colour key: the generator lays a plate beneath the pill's corners.
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1 : 0;
            pill(c, 1.5, 1.5, 61, 29, state, hex(0x7DA6FF), hex(0x2E4BC0));
            triangle(c, 10, 16 + sink, 5.5, false);
            c.text("Back", 37.5, 16 + sink, labelStyle(state, 15), 42);
        });
}

void drawContinueButton(Canvas& c)
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1.5 : 0;
            pill(c, 3, 5, 250, 54, state, hex(0x8CEB6E), hex(0x23A040));
            c.text("Continue", 118, 32 + sink, labelStyle(state, 32), 180);
            triangle(c, 222, 32 + sink, 12, true);
        });
}

void drawPageArrow(Canvas& c, bool pointsRight)
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1 : 0;
            const ButtonColours col = stateColours(state, hex(0x7DA6FF), hex(0x2E4BC0));
            c.box(2, 6 + sink, 28, 52, 13, col.top, col.bottom, 2.5);
            if (state != 2)
                c.highlight(12, 16, 6, 8, 0.45);
            triangle(c, pointsRight ? 15 : 17, 32 + sink, 10, pointsRight);
        });
}

void drawReadyButton(Canvas& c)
{
    // The screen answers to the left 100 pixels of the frame only, so the pill ends there.
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1 : 0;
            pill(c, 1.5, 1.5, 97, 29, state, hex(0x8CEB6E), hex(0x23A040));
            c.text("Ready", 44, 16 + sink, labelStyle(state, 18), 62);
            tick(c, 84, 16 + sink, 8);
        });
}

void drawClearButton(Canvas& c)
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            const double sink = state == 2 ? 1 : 0;
            pill(c, 1.5, 1.5, 61, 29, state, hex(0xFF9C7A), hex(0xC8382D));
            c.text("Clear", 32, 16 + sink, labelStyle(state, 16), 48);
        });
}

}  // namespace artgen
