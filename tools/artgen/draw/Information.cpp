// The help screen: its opening and backdrop, its title and the small lettering pictures beside its
// texts.
#include "draw/Draw.h"
#include "draw/InformationPlates.h"

#include <cmath>

namespace artgen {

namespace {

// The page texts come in every colour from near-white to dark grey and dark red, and several pages
// write light and dark lines over the same places. Only a very dark ground keeps all of them apart
// from it (the dark reds and greys still read through their hue), so the page area stays a deep
// night blue, and the decoration lives in the title band and behind the picture column.
void pageBackdrop(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.16, 0.13, 0.36);
    cairo_pattern_add_color_stop_rgb(sky, 0.11, 0.07, 0.08, 0.20);
    cairo_pattern_add_color_stop_rgb(sky, 0.15, 0.035, 0.05, 0.12);
    cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.04, 0.06, 0.15);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    // Stars only in the title band, clear of the arrows, the title and the Back button.
    const Point stars[] = {{120, 18}, {160, 52}, {205, 26}, {560, 16}, {600, 48}, {645, 24}, {680, 58}, {775, 60}};
    for (const Point& s : stars) {
        c.ellipse(s.x, s.y, 2, 2);
        c.setColour(hex(0xFFF6D8), 0.9);
        cairo_fill(cr);
    }
    // A thin gold rule under the title band.
    cairo_rectangle(cr, 0, 72, 800, 3);
    c.setColour(hex(0xC8962A));
    cairo_fill(cr);
    // The column where the pictures stand.
    c.roundedRect(10, 84, 90, 508, 14);
    c.setColour(hex(0x141C40));
    cairo_fill_preserve(cr);
    c.setColour(hex(0x2E3A78));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void lightPlate(Canvas& c, const TextPlate& p)
{
    c.roundedRect(p.x0, p.y0, p.x1 - p.x0, p.y1 - p.y0, 6);
    c.setVerticalGradient(p.y0, hex(0xFBF4DE), p.y1, hex(0xEFE2BC));
    cairo_fill(c.cr());
}

void starburst(Canvas& c, double turn)
{
    cairo_t* cr = c.cr();
    const int rays = 18;
    for (int i = 0; i < rays; ++i) {
        const double a0 = turn + i * 2 * kPi / rays, a1 = a0 + 2 * kPi / rays;
        cairo_move_to(cr, 400, 300);
        cairo_line_to(cr, 400 + 700 * std::cos(a0), 300 + 700 * std::sin(a0));
        cairo_line_to(cr, 400 + 700 * std::cos(a1), 300 + 700 * std::sin(a1));
        cairo_close_path(cr);
        c.setColour(i % 2 == 0 ? hex(0x3C5ED8) : hex(0x5A3EB8));
        cairo_fill(cr);
    }
}

// Step 0 to 4 of the opening: a burst of light, then the page's backdrop opening from the centre.
void opening(Canvas& c, int step)
{
    cairo_t* cr = c.cr();
    starburst(c, step * 0.12);
    const double radius[5] = {0, 80, 180, 300, 440};
    const double r = radius[step];
    if (r > 0) {
        cairo_save(cr);
        c.ellipse(400, 300, r * 1.2, r);
        cairo_clip(cr);
        pageBackdrop(c);
        cairo_restore(cr);
        c.ellipse(400, 300, r * 1.2, r);
        c.setColour(kInk);
        cairo_set_line_width(cr, 16);
        cairo_stroke_preserve(cr);
        c.setColour(hex(0xFFD25A));
        cairo_set_line_width(cr, 9);
        cairo_stroke(cr);
    }
    // A star at the heart of the burst, shrinking as the page opens.
    const double s = 90 - step * 18;
    cairo_move_to(cr, 400, 300 - s);
    cairo_curve_to(cr, 400, 300, 400, 300, 400 + s, 300);
    cairo_curve_to(cr, 400, 300, 400, 300, 400, 300 + s);
    cairo_curve_to(cr, 400, 300, 400, 300, 400 - s, 300);
    cairo_curve_to(cr, 400, 300, 400, 300, 400, 300 - s);
    cairo_close_path(cr);
    c.setColour(hex(0xFFF6C8));
    c.fillOutlined(4);
}

void inScreen(Canvas& c, const std::function<void()>& draw)
{
    cairo_save(c.cr());
    cairo_scale(c.cr(), c.frameWidth() / 800.0, c.frameHeight() / 600.0);
    draw();
    cairo_restore(c.cr());
}

}  // namespace

void drawInformationOpening(Canvas& c, int step)
{
    // Six pictures play once, 300 ms each, stretched to the screen; the last stays behind the pages.
    inScreen(c, [&] {
        if (step < 5)
            opening(c, step);
        else
            pageBackdrop(c);
    });
}

void drawInformationPageBackdrops(Canvas& c)
{
    // The last picture of the opening, one frame per page, with light plates under the texts too
    // dark for the night blue.
    for (int page = 0; page < InformationScreen::kPages; ++page)
        c.drawFrame(page, [&] {
            inScreen(c, [&] {
                pageBackdrop(c);
                for (const TextPlate& plate : textPlates(page))
                    lightPlate(c, plate);
            });
        });
}

void drawInformationTitle(Canvas& c)
{
    TextStyle s;
    s.size = 46;
    s.top = hex(0xFFF6B4);
    s.bottom = hex(0xFF9A2A);
    s.outlineWidth = 3;
    s.shadowDx = 2, s.shadowDy = 3;
    s.shadow = hex(0x5A1E78);
    c.text("Information", 128, 32, s, 244);
}

void drawPointsLabel(Canvas& c)
{
    // The briefing shows this picture without a key, so it is a plaque that fills its frame.
    c.box(1.5, 1.5, 125, 29, 7, hex(0x5A4FB8), hex(0x261F66), 2.5);
    TextStyle s;
    s.size = 21;
    s.top = hex(0xFFF4B0);
    s.bottom = hex(0xFFB02E);
    s.outlineWidth = 1.8;
    s.shadowDx = 1, s.shadowDy = 1.5;
    c.text("Points", 64, 16, s, 110);
}

void drawMissionMark(Canvas& c)
{
    TextStyle s;
    s.size = 58;
    s.top = hex(0xFFF6B4);
    s.bottom = hex(0xFF8A1E);
    s.outlineWidth = 2.5;
    s.shadowDx = 1.5, s.shadowDy = 2;
    s.shadow = hex(0x5A1E78);
    c.text("?", 16, 32, s, 30);
    c.highlight(12, 16, 4, 3, 0.6);
}

}  // namespace artgen
