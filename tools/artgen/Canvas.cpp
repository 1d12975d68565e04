#include "Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <string>

namespace artgen {

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb lighter(Rgb c, double t) { return mix(c, Rgb{1, 1, 1}, t); }
Rgb darker(Rgb c, double t) { return mix(c, Rgb{0, 0, 0}, t); }

cairo_font_face_t* fontFace(Font f)
{
    // Loaded once for the whole run and never released: the process is short and every picture uses them.
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0)
            lib = nullptr;
        return lib;
    }();
    static cairo_font_face_t* faces[3] = {};
    static bool tried[3] = {};
    const int i = static_cast<int>(f);
    if (!tried[i] && library) {
        tried[i] = true;
        static const char* const files[3] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                             "LiberationSans-BoldItalic.ttf"};
        const std::string path = std::string(ARTGEN_FONT_DIR) + "/" + files[i];
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.c_str(), 0, &face) == 0)
            faces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    return faces[i];
}

Canvas::Canvas(int width, int height, int frameWidth, int frameHeight)
    : width_(width), height_(height), frameWidth_(frameWidth > 0 ? frameWidth : width),
      frameHeight_(frameHeight > 0 ? frameHeight : height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_))
{
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Point Canvas::frameOrigin(int k) const
{
    const int perRow = framesPerRow();
    return {double((k % perRow) * frameWidth_), double((k / perRow) * frameHeight_)};
}

void Canvas::drawFrame(int k, const std::function<void()>& draw)
{
    const Point o = frameOrigin(k);
    cairo_save(cr_);
    cairo_translate(cr_, o.x, o.y);
    cairo_rectangle(cr_, 0, 0, frameWidth_, frameHeight_);
    cairo_clip(cr_);
    cairo_new_path(cr_);
    draw();
    cairo_restore(cr_);
}

void Canvas::roundedRect(double x, double y, double w, double h, double radius)
{
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr_, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr_, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr_);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry)
{
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr_);
    cairo_restore(cr_);
}

void Canvas::polygon(std::initializer_list<Point> points)
{
    bool first = true;
    for (const Point& p : points) {
        if (first)
            cairo_move_to(cr_, p.x, p.y);
        else
            cairo_line_to(cr_, p.x, p.y);
        first = false;
    }
    cairo_close_path(cr_);
}

void Canvas::setColour(Rgb c, double alpha) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, alpha); }

void Canvas::setVerticalGradient(double y0, Rgb top, double y1, Rgb bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
}

void Canvas::setRadialGradient(double cx, double cy, double r, Rgb inner, Rgb outer)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(p, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(p, 1, outer.r, outer.g, outer.b);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
}

void Canvas::fillOutlined(double lineWidth, Rgb line)
{
    cairo_fill_preserve(cr_);
    if (lineWidth > 0) {
        setColour(line);
        cairo_set_line_width(cr_, lineWidth);
        cairo_stroke(cr_);
    } else {
        cairo_new_path(cr_);
    }
}

void Canvas::blob(double cx, double cy, double rx, double ry, Rgb fill, double lineWidth)
{
    ellipse(cx, cy, rx, ry);
    setColour(fill);
    fillOutlined(lineWidth);
}

void Canvas::box(double x, double y, double w, double h, double radius, Rgb top, Rgb bottom, double lineWidth)
{
    roundedRect(x, y, w, h, radius);
    setVerticalGradient(y, top, y + h, bottom);
    fillOutlined(lineWidth);
}

void Canvas::limb(Point a, Point b, double width, Rgb fill, double lineWidth)
{
    cairo_save(cr_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr_, a.x, a.y);
    cairo_line_to(cr_, b.x, b.y);
    setColour(kInk);
    cairo_set_line_width(cr_, width + 2 * lineWidth);
    cairo_stroke_preserve(cr_);
    setColour(fill);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
    cairo_restore(cr_);
}

void Canvas::highlight(double cx, double cy, double rx, double ry, double alpha)
{
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr_, p);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
    cairo_restore(cr_);
}

double Canvas::text(std::string_view str, double cx, double cy, TextStyle style, double maxWidth)
{
    cairo_font_face_t* face = fontFace(style.font);
    if (!face)
        return 0;
    const std::string s(str);
    cairo_save(cr_);
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, style.size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, s.c_str(), &ext);
    // The outline grows the lettering on both sides and the shadow on one, so both count towards the
    // width. Glyph widths do not scale exactly with the size, hence the re-measuring.
    auto inkWidth = [&] { return ext.width + 2 * style.outlineWidth + std::abs(style.shadowDx); };
    if (maxWidth > 0 && inkWidth() > maxWidth) {
        style.outlineWidth *= std::max(maxWidth / inkWidth(), 0.6);
        for (int tries = 0; tries < 4 && inkWidth() > maxWidth; ++tries) {
            const double room = maxWidth - 2 * style.outlineWidth - std::abs(style.shadowDx);
            style.size *= std::min(room / ext.width, 0.99);
            cairo_set_font_size(cr_, style.size);
            cairo_text_extents(cr_, s.c_str(), &ext);
        }
    }
    const double x = cx - (ext.x_bearing + ext.width / 2) - style.shadowDx / 2;
    const double y = cy - (ext.y_bearing + ext.height / 2) - style.shadowDy / 2;

    if (style.shadowDx != 0 || style.shadowDy != 0) {
        cairo_move_to(cr_, x + style.shadowDx, y + style.shadowDy);
        cairo_text_path(cr_, s.c_str());
        setColour(style.shadow);
        cairo_fill_preserve(cr_);
        cairo_set_line_width(cr_, 2 * style.outlineWidth);
        cairo_stroke(cr_);
    }
    cairo_move_to(cr_, x, y);
    cairo_text_path(cr_, s.c_str());
    if (style.outlineWidth > 0) {
        setColour(style.outline);
        cairo_set_line_width(cr_, 2 * style.outlineWidth);
        cairo_stroke_preserve(cr_);
    }
    setVerticalGradient(y + ext.y_bearing, style.top, y + ext.y_bearing + ext.height, style.bottom);
    cairo_fill(cr_);
    cairo_restore(cr_);
    return inkWidth();
}

double Canvas::inkWidth(std::string_view str, const TextStyle& style, double widen, double maxWidth)
{
    cairo_font_face_t* face = fontFace(style.font);
    if (!face)
        return 0;
    const std::string s(str);
    cairo_save(cr_);
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, style.size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, s.c_str(), &ext);
    cairo_restore(cr_);
    const double width = ext.width * widen + 2 * style.outlineWidth;
    return maxWidth > 0 ? std::min(width, maxWidth) : width;
}

void Canvas::textOnBaseline(std::string_view str, double cx, double baselineY, TextStyle style, double widen,
                            double maxWidth)
{
    cairo_font_face_t* face = fontFace(style.font);
    if (!face)
        return;
    const std::string s(str);
    cairo_save(cr_);
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, style.size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, s.c_str(), &ext);
    double sx = widen;
    if (maxWidth > 0 && ext.width * sx + 2 * style.outlineWidth > maxWidth)
        sx = std::max(maxWidth - 2 * style.outlineWidth, 1.0) / std::max(ext.width, 1.0);

    // The path is built under the squeeze but stroked without it, so outlines keep one thickness.
    auto glyphPath = [&](double dx, double dy) {
        cairo_save(cr_);
        cairo_translate(cr_, cx + dx, baselineY + dy);
        cairo_scale(cr_, sx, 1);
        cairo_move_to(cr_, -(ext.x_bearing + ext.width / 2), 0);
        cairo_text_path(cr_, s.c_str());
        cairo_restore(cr_);
    };
    if (style.shadowDx != 0 || style.shadowDy != 0) {
        glyphPath(style.shadowDx, style.shadowDy);
        setColour(style.shadow);
        cairo_fill_preserve(cr_);
        cairo_set_line_width(cr_, 2 * style.outlineWidth);
        cairo_stroke(cr_);
    }
    glyphPath(0, 0);
    if (style.outlineWidth > 0) {
        setColour(style.outline);
        cairo_set_line_width(cr_, 2 * style.outlineWidth);
        cairo_stroke_preserve(cr_);
    }
    setVerticalGradient(baselineY - style.size * 0.72, style.top, baselineY, style.bottom);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

}  // namespace artgen
