// The briefing's paper, frames and Accept button; the save and load screens' lines and slot buttons.
#include "draw/StoryLook.h"

namespace artgen {

namespace {

// Three-state buttons: normal in their own colours, gold under the pointer, darker and sunk when pressed.
struct StateColours {
    Rgb top, bottom;
};

StateColours buttonColours(int state, Rgb top, Rgb bottom)
{
    if (state == 1)
        return {hex(0xFFEA8C), hex(0xF0901E)};
    if (state == 2)
        return {darker(bottom, 0.3), darker(top, 0.25)};
    return {top, bottom};
}

void paint(Canvas& c, Rgb colour)
{
    c.setColour(colour);
    cairo_paint(c.cr());
}

// A gold rim with an inner panel: outer rect, rim thickness, corner radius, panel colours.
void goldFrame(Canvas& c, double x, double y, double w, double h, double rim, double radius, Rgb panelTop,
               Rgb panelBottom)
{
    cairo_t* cr = c.cr();
    c.box(x, y, w, h, radius, kGoldLight, kGoldDeep, 2);
    c.roundedRect(x + rim * 0.45, y + rim * 0.45, w - rim * 0.9, h - rim * 0.9, radius * 0.8);
    c.setColour(kGoldLight, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    c.box(x + rim, y + rim, w - 2 * rim, h - 2 * rim, radius * 0.5, panelTop, panelBottom, 2);
}

}  // namespace

void drawBriefingPaper(Canvas& c)
{
    // The game stretches this tile 3.125 times across and stacks it down the screen, so it fades to the
    // same colour at its top and bottom edges and its little diamonds are drawn narrow to look square.
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 128);
    cairo_pattern_add_color_stop_rgb(p, 0, kPaper.r, kPaper.g, kPaper.b);
    const Rgb mid = lighter(kPaper, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0.5, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(p, 1, kPaper.r, kPaper.g, kPaper.b);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);

    const double squeeze = 1 / 3.125;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 8; ++col) {
            const double x = 16 + col * 32 + (row == 1 ? 16 : 0), y = 32 + row * 64;
            const double r = 7;
            c.polygon({{x, y - r}, {x + r * squeeze, y}, {x, y + r}, {x - r * squeeze, y}});
            c.setColour(kPaperShade);
            c.fillOutlined(0);
            c.ellipse(x, y, 2 * squeeze, 2);
            c.setColour(hex(0xFFFFFF), 0.8);
            cairo_fill(cr);
        }
}

void drawPictureFrame(Canvas& c)
{
    // Drawn behind the quest picture, the score and the points, each time stretched differently:
    // a plain rim that looks right at any stretch, around a sky-to-cream panel.
    paint(c, kPaper);
    goldFrame(c, 1, 1, 126, 126, 13, 14, hex(0xDDF0FF), hex(0xFFF6E0));
    c.highlight(40, 24, 28, 8, 0.5);
}

void drawTimeFrame(Canvas& c)
{
    goldFrame(c, 1, 1, 62, 30, 5, 8, hex(0x26306E), hex(0x121838));
    c.highlight(22, 8, 14, 3, 0.25);
}

void drawSeparatorLine(Canvas& c)
{
    // Four rows, stretched across the whole screen: a gold line between two dark ones.
    cairo_t* cr = c.cr();
    const Rgb rows[4] = {hex(0x5A3A10), kGoldLight, kGold, hex(0x5A3A10)};
    for (int y = 0; y < 4; ++y) {
        cairo_rectangle(cr, 0, y, 64, 1);
        c.setColour(rows[y]);
        cairo_fill(cr);
    }
}

void drawAcceptButton(Canvas& c)
{
    // Shown without a colour key on the briefing's paper, so its corners are the paper.
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            cairo_t* cr = c.cr();
            paint(c, mix(kPaper, lighter(kPaper, 0.35), 0.72));  // the paper where the button stands
            const double sink = state == 2 ? 1 : 0;
            const StateColours col = buttonColours(state, hex(0x8CEB6E), hex(0x23A040));
            c.box(1.5, 1.5 + sink, 125, 29 - sink, 14.5, col.top, col.bottom, 2.5);
            if (state != 2) {
                c.roundedRect(10, 4, 108, 10, 5);
                c.setColour(hex(0xFFFFFF), 0.35);
                cairo_fill(cr);
            }
            TextStyle s = letteringStyle(Gilding::Silver, 19);
            s.top = hex(0xFFFFFF);
            s.bottom = state == 1 ? hex(0xFFF3D0) : hex(0xE4FFE0);
            s.shadowDx = 0, s.shadowDy = state == 2 ? 0 : 1.5;
            c.text("Accept", 56, 16 + sink, s, 84);
            // A tick at the right end.
            cairo_move_to(cr, 101, 16 + sink);
            cairo_line_to(cr, 106, 21 + sink);
            cairo_line_to(cr, 115, 10 + sink);
            c.setColour(kInk);
            cairo_set_line_width(cr, 6);
            cairo_stroke_preserve(cr);
            c.setColour(hex(0xFFFFFF));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        });
}

namespace {

// A slot button: drawn 0.9 wide and 0.6 high, so it is designed in screen pixels (115 by 77) and
// stretched back up; the slot's digit is drawn by the game into the round well in the middle.
void slotButton(Canvas& c, Rgb top, Rgb bottom)
{
    for (int state = 0; state < 3; ++state)
        c.drawFrame(state, [&] {
            cairo_t* cr = c.cr();
            cairo_save(cr);
            cairo_scale(cr, 1 / 0.9, 1 / 0.6);
            const double sink = state == 2 ? 1.5 : 0;
            const StateColours col = buttonColours(state, top, bottom);
            c.box(3, 3 + sink, 109, 71 - sink, 16, col.top, col.bottom, 2.5);
            if (state != 2) {
                c.roundedRect(12, 7, 91, 16, 8);
                c.setColour(hex(0xFFFFFF), 0.3);
                cairo_fill(cr);
            }
            c.ellipse(57.5, 38.5 + sink / 2, 23, 23);
            c.setRadialGradient(52, 32, 30, darker(col.bottom, 0.25), darker(col.bottom, 0.6));
            c.fillOutlined(2);
            c.ellipse(57.5, 38.5 + sink / 2, 26.5, 26.5);
            c.setColour(state == 1 ? hex(0xFFFFFF) : kGoldLight, 0.9);
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            // Small studs left and right.
            for (double x : {17.0, 98.0})
                c.blob(x, 38.5 + sink / 2, 4, 4, kGold, 1.5);
            cairo_restore(cr);
        });
}

}  // namespace

void drawSaveSlotButton(Canvas& c) { slotButton(c, hex(0xE49CFF), hex(0x7A2EC8)); }

void drawLoadSlotButton(Canvas& c) { slotButton(c, hex(0x7DD6FF), hex(0x2A66C8)); }

}  // namespace artgen
