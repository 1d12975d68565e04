// The quit question and its round Yes and No buttons.
#include "draw/Draw.h"

namespace artgen {

namespace {

// Frame 0 normal, 1 under the pointer (lighter, with a gold ring), 2 pressed (darker, sunk by a pixel).
void drawRoundButton(Canvas& c, Rgb light, Rgb base, void (*icon)(Canvas&))
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            cairo_t* cr = c.cr();
            const double sink = state == 2 ? 1 : 0;
            Rgb top = light, bottom = base;
            if (state == 1)
                top = lighter(light, 0.35), bottom = lighter(base, 0.25);
            if (state == 2)
                top = darker(base, 0.25), bottom = darker(light, 0.2);
            c.ellipse(16, 16 + sink, 14, 14);
            c.setVerticalGradient(2, top, 30, bottom);
            c.fillOutlined(2);
            if (state == 1) {
                c.ellipse(16, 16, 12, 12);
                c.setColour(hex(0xFFD84A));
                cairo_set_line_width(cr, 1.6);
                cairo_stroke(cr);
            }
            if (state != 2)
                c.highlight(12, 10, 7, 4.5, 0.6);
            cairo_save(cr);
            cairo_translate(cr, 0, sink);
            icon(c);
            cairo_restore(cr);
        });
}

// A thick white stroke along the current path with an ink rim.
void inkedStroke(Canvas& c, double width)
{
    cairo_t* cr = c.cr();
    c.setColour(kInk);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0xFFFDF0));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void tick(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 9, 16.5);
    cairo_line_to(cr, 14, 21.5);
    cairo_line_to(cr, 23, 10.5);
    inkedStroke(c, 3.4);
}

void cross(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 10.5, 10.5);
    cairo_line_to(cr, 21.5, 21.5);
    cairo_move_to(cr, 21.5, 10.5);
    cairo_line_to(cr, 10.5, 21.5);
    inkedStroke(c, 3.4);
}

}  // namespace

void drawQuitQuestion(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.box(2, 2, 124, 60, 12, hex(0x5A4FB8), hex(0x261F66), 2.5);
    c.roundedRect(6, 6, 116, 52, 9);
    c.setColour(hex(0xF0C85A));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    c.highlight(40, 12, 34, 6, 0.25);

    TextStyle big;
    big.size = 25;
    big.top = hex(0xFFF4B0);
    big.bottom = hex(0xFFB02E);
    big.shadowDx = 1, big.shadowDy = 1.5;
    c.text("Quit", 64, 22, big, 110);
    TextStyle small;
    small.size = 17;
    small.top = hex(0xFFFFFF);
    small.bottom = hex(0xD8E4FF);
    small.outlineWidth = 1.5;
    c.text("the game?", 64, 45, small, 110);
}

void drawYesButton(Canvas& c) { drawRoundButton(c, hex(0x8CEB6E), hex(0x23A040), tick); }

void drawNoButton(Canvas& c) { drawRoundButton(c, hex(0xFF8C7A), hex(0xC8282D), cross); }

}  // namespace artgen
