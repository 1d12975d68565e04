// The page texts of the information screen keep their colours; the backdrop gives each enough
// contrast. A dark ground serves all but the darkest texts, which get light plates of their own.
#include "draw/InformationPlates.h"

#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The rows a text's letters cover, from the top of its rectangle.
constexpr double kInkTop = 1, kInkBottom = 28;

bool rowsOverlap(const InformationDraw& a, const InformationDraw& b)
{
    return a.y + kInkTop < b.y + kInkBottom && b.y + kInkTop < a.y + kInkBottom;
}
}  // namespace

double relativeLuminance(std::uint32_t argb)
{
    return 0.2126 * linear((argb >> 16) & 0xFF) + 0.7152 * linear((argb >> 8) & 0xFF) + 0.0722 * linear(argb & 0xFF);
}

double contrastRatio(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

double textInkWidth(const char* text)
{
    static Canvas measure(4, 4, 4, 4);
    TextStyle style;
    style.font = Font::Regular;
    style.size = 22;
    style.outlineWidth = 0;
    return measure.inkWidth(text, style);
}

// Against pure black a text reaches (L + 0.05) / 0.05; below 3:1 it needs a light ground.
bool needsLightGround(std::uint32_t argb) { return relativeLuminance(argb) < 0.105; }

std::vector<TextPlate> textPlates(int page)
{
    std::vector<TextPlate> plates;
    const InformationPage& p = kInformationPages[page];
    for (int i = 0; i < p.count; ++i) {
        const InformationDraw& d = p.draws[i];
        if (!d.isText || !needsLightGround(d.colour))
            continue;
        TextPlate plate{d.x - 5.0, d.y + kInkTop, d.x + textInkWidth(d.text) + 6, d.y + kInkBottom};
        // Stop short of the dark ground the next text on the row needs.
        for (int j = 0; j < p.count; ++j) {
            const InformationDraw& o = p.draws[j];
            if (j != i && o.isText && !needsLightGround(o.colour) && o.x > d.x && rowsOverlap(d, o))
                plate.x1 = std::min(plate.x1, o.x - 3.0);
        }
        plates.push_back(plate);
    }
    return plates;
}

}  // namespace artgen
