// Lettering of the story screens: "Quest", the mission lines, the save and load screens' words.
#include "draw/StoryDraw.h"
#include "draw/StoryLook.h"

#include <algorithm>
#include <string>
#include <vector>

namespace artgen {

namespace {

std::vector<std::string> splitLines(const char* text)
{
    std::vector<std::string> lines(1);
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            lines.emplace_back();
        else
            lines.back() += *p;
    }
    return lines;
}

// A floppy disk, the sign of a stored game.
void disk(Canvas& c, double x, double y, double size)
{
    cairo_t* cr = c.cr();
    const double s = size;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + s * 0.8, y);
    cairo_line_to(cr, x + s, y + s * 0.2);
    cairo_line_to(cr, x + s, y + s);
    cairo_line_to(cr, x, y + s);
    cairo_close_path(cr);
    c.setVerticalGradient(y, hex(0x6E8CFF), y + s, hex(0x2A3CA8));
    c.fillOutlined(2);
    c.box(x + s * 0.22, y + 1, s * 0.5, s * 0.32, 1.5, hex(0xE8EEF8), hex(0xB8C4D8), 1.2);
    cairo_rectangle(cr, x + s * 0.52, y + s * 0.06, s * 0.1, s * 0.2);
    c.setColour(kInk);
    cairo_fill(cr);
    c.box(x + s * 0.15, y + s * 0.5, s * 0.7, s * 0.42, 2, hex(0xFFFFFF), hex(0xDDE3EE), 1.2);
}

}  // namespace

Point inkSize(const char* text, Font f, double size)
{
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(scratch);
    cairo_set_font_face(cr, fontFace(f));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return {ext.width, ext.height};
}

const GildingColours& gildingColours(Gilding look)
{
    // light top, deep bottom, shadow; by Gilding's order.
    static const GildingColours kSchemes[] = {
        {hex(0xFFF6B0), hex(0xF08A1A), hex(0x6A2A10)},  // Gold
        {hex(0xE6FAFF), hex(0x3C8CF0), hex(0x142A6A)},  // Sky
        {hex(0xFFE0F0), hex(0xE8408C), hex(0x5A1038)},  // Rose
        {hex(0xEEFFC8), hex(0x34B450), hex(0x0E3A1E)},  // Mint
        {hex(0xFFFFFF), hex(0xA8B4C8), hex(0x2A3040)},  // Silver
        {hex(0xF2E0FF), hex(0x9050E0), hex(0x2E1058)},  // Violet
        {hex(0xFFD8B0), hex(0xD8401E), hex(0x4A0E08)},  // Ruby
    };
    return kSchemes[static_cast<int>(look)];
}

TextStyle letteringStyle(Gilding look, double size)
{
    const GildingColours& g = gildingColours(look);
    TextStyle s;
    s.font = Font::Bold;
    s.size = size;
    s.top = g.light;
    s.bottom = g.deep;
    s.shadow = g.shadow;
    s.outlineWidth = std::clamp(size / 14, 1.2, 3.2);
    s.shadowDx = size / 26, s.shadowDy = size / 18;
    return s;
}

void drawLettering(Canvas& c, const char* text, Gilding look, double widen, Align align)
{
    cairo_t* cr = c.cr();
    const std::vector<std::string> lines = splitLines(text);
    const double lineHeight = double(c.frameHeight()) / lines.size();
    const double margin = 4, room = (c.frameWidth() - 2 * margin) / widen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextStyle style = letteringStyle(look, lineHeight * 0.74);
        const double inked = std::min(room, inkSize(lines[i].c_str(), style.font, style.size).x +
                                                2 * style.outlineWidth + style.shadowDx) * widen;
        double cx = c.frameWidth() / 2.0;
        if (align == Align::Left)
            cx = margin + inked / 2;
        else if (align == Align::Right)
            cx = c.frameWidth() - margin - inked / 2;
        cairo_save(cr);
        cairo_translate(cr, cx, lineHeight * (i + 0.5));
        cairo_scale(cr, widen, 1);
        c.text(lines[i], 0, 0, style, room);
        cairo_restore(cr);
    }
}

void drawSaveLabel(Canvas& c)
{
    // The game puts the slot's digit just left of this picture: a little room before the word.
    c.text("Save", 56, 32, letteringStyle(Gilding::Sky, 38), 82);
    disk(c, 102, 21, 22);
}

}  // namespace artgen
