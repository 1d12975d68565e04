// Lettering pictures: the studio name, "presents", the game title and the big menu letters.
#include "draw/Draw.h"

namespace artgen {

void drawStudioName(Canvas& c)
{
    TextStyle name;
    name.font = Font::BoldItalic;
    name.size = 40;
    name.top = hex(0xE4FF9C);
    name.bottom = hex(0x2FA858);
    name.outlineWidth = 2.5;
    name.shadowDx = 2, name.shadowDy = 3;
    name.shadow = hex(0x0E3A2A);
    c.text("Brightmoss", 128, 25, name, 236);

    TextStyle studio;
    studio.size = 15;
    studio.top = hex(0xFFFFFF);
    studio.bottom = hex(0xBFF5D0);
    studio.outlineWidth = 1.5;
    c.text("S  T  U  D  I  O", 128, 54, studio, 200);
    for (double x : {46.0, 210.0}) {
        c.ellipse(x, 54, 3, 3);
        c.setColour(hex(0x9CF06E));
        c.fillOutlined(1.2);
    }
}

void drawPresents(Canvas& c)
{
    TextStyle s;
    s.font = Font::BoldItalic;
    s.size = 40;
    s.top = hex(0xFFFFFF);
    s.bottom = hex(0x8CC8FF);
    s.outlineWidth = 2.5;
    s.shadowDx = 2, s.shadowDy = 3;
    s.shadow = hex(0x1A2A66);
    c.text("presents", 128, 30, s, 240);
}

void drawGameTitle(Canvas& c)
{
    TextStyle s;
    s.size = 25;
    s.top = hex(0xFFF6B4);
    s.bottom = hex(0xFF9A2A);
    s.outlineWidth = 2;
    s.shadowDx = 1.5, s.shadowDy = 2;
    s.shadow = hex(0x5A1E78);
    // The picture is only 32 high, so the lettering is widened rather than enlarged to fill it.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 128, 0);
    cairo_scale(cr, 1.3, 1);
    c.text("Ilvy's Mission", 0, 15.5, s, 250 / 1.3);
    cairo_restore(cr);
}

void drawMenuLetters(Canvas& c)
{
    struct Letter {
        const char* text;
        std::uint32_t light, base;
    };
    // A rainbow across M A I N  M E N U.
    static const Letter letters[8] = {
        {"M", 0xFFB0C8, 0xE8325A}, {"A", 0xFFD49A, 0xF07A1E}, {"I", 0xFFF6A8, 0xF0C21E}, {"N", 0xC8FFA0, 0x3CB43C},
        {"M", 0xA8FFF4, 0x1EA8B4}, {"E", 0xB4D4FF, 0x3264E6}, {"N", 0xDCC0FF, 0x8246DC}, {"U", 0xFFC0F0, 0xD23CB4},
    };
    for (int k = 0; k < 8; ++k)
        c.drawFrame(k, [&] {
            TextStyle s;
            s.size = 60;
            s.top = hex(letters[k].light);
            s.bottom = hex(letters[k].base);
            s.outlineWidth = 3;
            s.shadowDx = 2, s.shadowDy = 3;
            c.text(letters[k].text, 31, 31, s, 60);
            c.highlight(24, 14, 10, 5, 0.45);
        });
}

}  // namespace artgen
