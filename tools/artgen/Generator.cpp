#include "Generator.h"

#include "tables/OpaquePlates.h"

#include <system_error>

namespace artgen {

std::unique_ptr<Canvas> render(const ArtEntry& entry)
{
    auto canvas = std::make_unique<Canvas>(entry.width, entry.height, entry.frameWidth, entry.frameHeight);
    entry.draw(*canvas);
    if (const Plate* plate = plateFor(entry.name))
        underlayPlate(*canvas, *plate, entry.frameCount);
    return canvas;
}

int generateAll(const std::filesystem::path& outDir, std::ostream& err)
{
    for (Font f : {Font::Regular, Font::Bold, Font::BoldItalic}) {
        if (!fontFace(f)) {
            err << "ilvys-artgen: the Liberation Sans fonts are missing from " ARTGEN_FONT_DIR "\n";
            return int(manifest().size());
        }
    }
    const std::filesystem::path artDir = outDir / "Art";
    std::error_code ec;
    std::filesystem::create_directories(artDir, ec);
    if (ec) {
        err << "ilvys-artgen: cannot create " << artDir.string() << ": " << ec.message() << "\n";
        return int(manifest().size());
    }
    int failures = 0;
    for (const ArtEntry& entry : manifest()) {
        const auto canvas = render(entry);
        const auto pixels = flattenToRgb(canvas->surface(), entry.colourKey);
        const std::filesystem::path file = artDir / (std::string(entry.name) + ".bmp");
        std::string error;
        if (!writeBmp24(pixels, entry.width, entry.height, file.string(), error)) {
            err << "ilvys-artgen: cannot write " << file.string() << ": " << error << "\n";
            ++failures;
        }
    }
    return failures;
}

}  // namespace artgen
