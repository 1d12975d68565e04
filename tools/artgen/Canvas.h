#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <numbers>
#include <string_view>

namespace artgen {

inline constexpr double kPi = std::numbers::pi;

// A colour with channels from 0 to 1, as Cairo takes them.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB to Rgb.
constexpr Rgb hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// Mixes a towards b by t (0 gives a, 1 gives b).
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighter(Rgb c, double t);  // towards white
Rgb darker(Rgb c, double t);   // towards black

// The outline colour of the whole cartoon style: a very dark violet, never the black key itself.
inline constexpr Rgb kInk = hex(0x14101C);

struct Point {
    double x = 0, y = 0;
};

enum class Font { Regular, Bold, BoldItalic };

// How lettering is rendered: a vertical gradient fill, an outline and an optional drop shadow.
struct TextStyle {
    Font font = Font::Bold;
    double size = 20;  // pixels, before any shrinking to fit
    Rgb top = hex(0xFFFFFF);
    Rgb bottom = hex(0xFFFFFF);
    Rgb outline = kInk;
    double outlineWidth = 2;  // visible outline thickness outside the glyphs
    Rgb shadow = kInk;
    double shadowDx = 0, shadowDy = 0;
};

// An ARGB32 image cut into equal frames, numbered left to right, then row by row.
class Canvas {
public:
    Canvas(int width, int height, int frameWidth, int frameHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int frameWidth() const { return frameWidth_; }
    int frameHeight() const { return frameHeight_; }
    int framesPerRow() const { return width_ / frameWidth_; }
    int frameCapacity() const { return framesPerRow() * (height_ / frameHeight_); }
    Point frameOrigin(int k) const;

    // Runs draw with the origin moved to frame k's top-left corner and drawing clipped to the frame.
    void drawFrame(int k, const std::function<void()>& draw);

    // Path helpers (they only build the current path).
    void roundedRect(double x, double y, double w, double h, double radius);
    void ellipse(double cx, double cy, double rx, double ry);
    void polygon(std::initializer_list<Point> points);

    // Paint helpers.
    void setColour(Rgb c, double alpha = 1.0);
    void setVerticalGradient(double y0, Rgb top, double y1, Rgb bottom);
    void setRadialGradient(double cx, double cy, double r, Rgb inner, Rgb outer);
    // Fills the current path with the current source, then outlines it in ink; the path is consumed.
    void fillOutlined(double lineWidth = 2.0, Rgb line = kInk);
    // A filled, outlined ellipse or rounded rectangle in one call.
    void blob(double cx, double cy, double rx, double ry, Rgb fill, double lineWidth = 2.0);
    void box(double x, double y, double w, double h, double radius, Rgb top, Rgb bottom,
             double lineWidth = 2.0);
    // A thick stroke with round ends, outlined: how limbs and tails are drawn.
    void limb(Point a, Point b, double width, Rgb fill, double lineWidth = 1.5);
    // A soft white shine, as if lit from the upper left.
    void highlight(double cx, double cy, double rx, double ry, double alpha = 0.7);

    // Lettering centred on (cx, cy) by its ink; shrunk to maxWidth when wider (0 = no limit).
    // Returns the width actually used.
    double text(std::string_view text, double cx, double cy, TextStyle style, double maxWidth = 0);
    // Lettering standing on baselineY, centred on cx by its ink: glyphs of an alphabet sheet must share
    // one baseline and one gradient. The ink is stretched across by widen, then squeezed (never shrunk
    // in height) to maxWidth when wider (0 = no limit). The gradient runs from the cap height down to
    // the baseline, so every letter is coloured alike.
    void textOnBaseline(std::string_view text, double cx, double baselineY, TextStyle style, double widen = 1,
                        double maxWidth = 0);
    // The width textOnBaseline gives the same text's ink, outline included.
    double inkWidth(std::string_view text, const TextStyle& style, double widen = 1, double maxWidth = 0);

private:
    int width_, height_, frameWidth_, frameHeight_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The Liberation Sans face for f, loaded once; null when the font file is missing.
cairo_font_face_t* fontFace(Font f);

}  // namespace artgen
