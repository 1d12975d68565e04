#include "Icons.h"

#include "Canvas.h"
#include "draw/StoryDraw.h"

#include <filesystem>

namespace artgen {

int writeIcons(const std::string& dir, const std::string& name, std::ostream& log)
{
    static const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    int failures = 0;
    for (int size : kSizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(dir) / (side + "x" + side) / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        Canvas canvas(size, size, size, size);
        drawGameEmblem(canvas, size);
        cairo_surface_flush(canvas.surface());
        const std::string file = (folder / (name + ".png")).string();
        if (error || cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
            log << "ilvys-artgen: cannot write " << file << "\n";
            ++failures;
        }
    }
    return failures;
}

}  // namespace artgen
