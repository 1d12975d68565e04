// The wall overlay for review by eye: each background stretched to the play field as the game shows
// it, with the invisible walls, the goal and the dude's start drawn over it.
#include "Bmp.h"
#include "Manifest.h"
#include "draw/BackgroundDraw.h"

#include <span>
#include <string>
#include <system_error>

namespace artgen {

namespace {

// Line colours by wall list: up red, down blue, left green, right yellow.
constexpr Rgb kUpLine = hex(0xFF2020), kDownLine = hex(0x2080FF), kLeftLine = hex(0x20E020),
              kRightLine = hex(0xFFE020);

// The picture as the game loads it: the key colour stays where the picture is see-through, and
// the game shows black behind it.
cairo_surface_t* loadedPicture(int quest, std::uint32_t key)
{
    Canvas picture(kBackgroundWidth, kBackgroundHeight, kBackgroundWidth, kBackgroundHeight);
    drawQuestBackground(picture, quest);
    const auto rgb = flattenToRgb(picture.surface(), key);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kBackgroundWidth, kBackgroundHeight);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < kBackgroundHeight; ++y)
        for (int x = 0; x < kBackgroundWidth; ++x) {
            const std::size_t i = (std::size_t(y) * kBackgroundWidth + x) * 3;
            std::uint32_t pixel = (std::uint32_t(rgb[i]) << 16) | (rgb[i + 1] << 8) | rgb[i + 2];
            if (key != kKeyNone && pixel == (key & 0xFFFFFF))
                pixel = 0;
            reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride)[x] = pixel;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

void strokeLine(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb colour)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void drawWalls(cairo_t* cr, const DudeLayout& dude)
{
    for (const HorizontalWall& w : dude.up)
        strokeLine(cr, w.x1, w.y, w.x2, w.y, kUpLine);
    for (const HorizontalWall& w : dude.down)
        strokeLine(cr, w.x1, w.y, w.x2, w.y, kDownLine);
    for (const VerticalWall& w : dude.left)
        strokeLine(cr, w.x, w.y1, w.x, w.y2, kLeftLine);
    for (const VerticalWall& w : dude.right)
        strokeLine(cr, w.x, w.y1, w.x, w.y2, kRightLine);
}

void outlineBox(cairo_t* cr, double x, double y, double w, double h, Rgb colour, bool dashed)
{
    const double dash[] = {6, 4};
    cairo_set_dash(cr, dash, dashed ? 2 : 0, 0);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, dash, 0, 0);
}

}  // namespace

int writeWallOverlays(const std::filesystem::path& dir, std::ostream& err)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        err << "ilvys-artgen: cannot create " << dir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    int failures = 0;
    for (int quest = 1; quest <= 60; ++quest) {
        const QuestLayout* layout = questLayout(quest);
        if (!layout)
            continue;
        const std::string name = "Quest" + std::to_string(quest);
        const ArtEntry* entry = findArt(name);
        const std::uint32_t key = entry ? entry->colourKey : kKeyNone;
        cairo_surface_t* picture = loadedPicture(quest, key);
        cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kFieldWidth, kFieldHeight);
        cairo_t* cr = cairo_create(out);
        cairo_save(cr);
        cairo_scale(cr, double(kFieldWidth) / kBackgroundWidth, double(kFieldHeight) / kBackgroundHeight);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_restore(cr);
        drawWalls(cr, layout->dude);
        if (layout->hasGoal)
            outlineBox(cr, layout->goal.x, layout->goal.y, layout->goal.width, layout->goal.height, hex(0xFFFFFF),
                       false);
        outlineBox(cr, layout->dude.startX, layout->dude.startY, 29, 51, hex(0xFF40FF), true);
        cairo_destroy(cr);
        const std::filesystem::path file = dir / (name + "-walls.png");
        if (cairo_surface_write_to_png(out, file.string().c_str()) != CAIRO_STATUS_SUCCESS) {
            err << "ilvys-artgen: cannot write " << file.string() << "\n";
            ++failures;
        }
        cairo_surface_destroy(out);
        cairo_surface_destroy(picture);
    }
    return failures;
}

}  // namespace artgen
