#include "ContactSheet.h"

#include "Generator.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace artgen {

namespace {

constexpr int kSheetWidth = 2048;
constexpr int kGap = 12;          // between cells and around the sheet
constexpr int kLabelHeight = 30;  // two lines under each picture
constexpr int kChecker = 8;
constexpr int kMagnifyBelow = 32;  // pictures smaller than this each way are magnified
constexpr Rgb kPaper = hex(0x6E6E6E), kCheckLight = hex(0xD8D8D8), kCheckDark = hex(0xB0B0B0),
              kLabelInk = hex(0xFFFFFF), kNoteInk = hex(0xE8E8A0), kFrameLine = hex(0x40B0FF);

const char* keyLabel(std::uint32_t key)
{
    switch (key) {
    case kKeyBlack: return "black key";
    case kKeyRed: return "red key";
    case kKeyGreen: return "green key";
    case kKeyWhite: return "white key";
    default: return "no key";
    }
}

// One picture as the game shows it: drawn, flattened the way the file is written, and see-through
// exactly where the file holds the key colour. Only the part shown is kept.
struct Shown {
    const ArtEntry* entry;
    cairo_surface_t* picture;  // ARGB32, width x height below
    int width, height, scale;
    int cellWidth, cellHeight;
};

Shown showEntry(const ArtEntry& e)
{
    // A sheet shows the rows of frames it uses; a single picture its one frame.
    const int perRow = e.width / e.frameWidth;
    const int across = e.frameCount > 1 ? std::min(e.frameCount, perRow) : 1;
    const int down = e.frameCount > 1 ? (e.frameCount + perRow - 1) / perRow : 1;
    Shown s{&e, nullptr, across * e.frameWidth, down * e.frameHeight, 1, 0, 0};
    while (std::max(s.width, s.height) * s.scale < kMagnifyBelow)
        s.scale *= 2;

    const auto canvas = render(e);
    const auto rgb = flattenToRgb(canvas->surface(), e.colourKey);
    s.picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.width, s.height);
    unsigned char* data = cairo_image_surface_get_data(s.picture);
    const int stride = cairo_image_surface_get_stride(s.picture);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const std::size_t i = (std::size_t(y) * e.width + x) * 3;
            const std::uint32_t pixel = (std::uint32_t(rgb[i]) << 16) | (rgb[i + 1] << 8) | rgb[i + 2];
            const bool seeThrough = e.colourKey != kKeyNone && pixel == (e.colourKey & 0xFFFFFF);
            reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride)[x] = seeThrough ? 0 : 0xFF000000 | pixel;
        }
    cairo_surface_mark_dirty(s.picture);
    s.cellWidth = std::max(s.width * s.scale, 150);
    s.cellHeight = s.height * s.scale + kLabelHeight;
    return s;
}

void label(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb colour)
{
    cairo_set_font_face(cr, fontFace(Font::Regular));
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

void drawCell(cairo_t* cr, const Shown& s, int x, int y)
{
    const ArtEntry& e = *s.entry;
    const int w = s.width * s.scale, h = s.height * s.scale;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int cy = 0; cy < h; cy += kChecker)
        for (int cx = 0; cx < w; cx += kChecker) {
            const Rgb c = ((cx + cy) / kChecker) % 2 ? kCheckDark : kCheckLight;
            cairo_set_source_rgb(cr, c.r, c.g, c.b);
            cairo_rectangle(cr, x + cx, y + cy, kChecker, kChecker);
            cairo_fill(cr);
        }
    cairo_translate(cr, x, y);
    cairo_scale(cr, s.scale, s.scale);
    cairo_set_source_surface(cr, s.picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);

    // Thin lines between the frames of a sheet, so a drawing that spills into its neighbour shows.
    if (e.frameCount > 1) {
        cairo_set_source_rgba(cr, kFrameLine.r, kFrameLine.g, kFrameLine.b, 0.6);
        cairo_set_line_width(cr, 1);
        for (int fx = e.frameWidth; fx < s.width; fx += e.frameWidth) {
            cairo_move_to(cr, x + fx * s.scale + 0.5, y);
            cairo_line_to(cr, x + fx * s.scale + 0.5, y + h);
        }
        for (int fy = e.frameHeight; fy < s.height; fy += e.frameHeight) {
            cairo_move_to(cr, x, y + fy * s.scale + 0.5);
            cairo_line_to(cr, x + w, y + fy * s.scale + 0.5);
        }
        cairo_stroke(cr);
    }

    label(cr, std::string(e.name) + ".bmp", x, y + h + 12, 12, kLabelInk);
    char note[96];
    if (e.frameCount > 1)
        std::snprintf(note, sizeof note, "%d frames %dx%d, %s", e.frameCount, e.frameWidth, e.frameHeight,
                      keyLabel(e.colourKey));
    else
        std::snprintf(note, sizeof note, "%dx%d, %s", e.frameWidth, e.frameHeight, keyLabel(e.colourKey));
    std::string line = note;
    if (s.scale > 1)
        line += ", shown x" + std::to_string(s.scale);
    label(cr, line, x, y + h + 25, 10, kNoteInk);
}

}  // namespace

bool writeContactSheet(const std::filesystem::path& file, std::ostream& err)
{
    if (!fontFace(Font::Regular)) {
        err << "ilvys-artgen: the Liberation Sans fonts are missing from " ARTGEN_FONT_DIR "\n";
        return false;
    }
    std::vector<Shown> shown;
    for (const ArtEntry& e : manifest())
        shown.push_back(showEntry(e));

    // Rows in manifest order, so the pictures of one screen stay together; a row is as high as its
    // highest cell.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Shown& s : shown) {
        if (x > kGap && x + s.cellWidth + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += s.cellWidth + kGap;
        rowHeight = std::max(rowHeight, s.cellHeight);
    }
    const int height = y + rowHeight + kGap;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, kPaper.r, kPaper.g, kPaper.b);
    cairo_paint(cr);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        drawCell(cr, shown[i], places[i].x, places[i].y);
        cairo_surface_destroy(shown[i].picture);
    }
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    const cairo_status_t written =
        drawn == CAIRO_STATUS_SUCCESS ? cairo_surface_write_to_png(sheet, file.string().c_str()) : drawn;
    cairo_surface_destroy(sheet);
    if (written != CAIRO_STATUS_SUCCESS) {
        err << "ilvys-artgen: cannot write " << file.string() << ": " << cairo_status_to_string(written) << "\n";
        return false;
    }
    return true;
}

}  // namespace artgen
