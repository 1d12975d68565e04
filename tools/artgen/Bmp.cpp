#include "Bmp.h"

#include <SDL.h>

#include <algorithm>

namespace artgen {

namespace {

// One step from 255 down or from 0 up: the smallest change that cannot land on the key again.
std::uint8_t nudge(std::uint8_t v) { return v >= 128 ? v - 1 : v + 1; }

}  // namespace

std::vector<std::uint8_t> flattenToRgb(cairo_surface_t* surface, std::uint32_t colourKey)
{
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const std::uint8_t key[3] = {std::uint8_t(colourKey >> 16), std::uint8_t(colourKey >> 8),
                                 std::uint8_t(colourKey)};
    const bool keyed = colourKey != kKeyNone;

    std::vector<std::uint8_t> out(std::size_t(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];  // premultiplied ARGB in native order
            const unsigned a = p >> 24;
            std::uint8_t* o = &out[(std::size_t(y) * w + x) * 3];
            if (keyed && a < 128) {
                o[0] = key[0], o[1] = key[1], o[2] = key[2];
                continue;
            }
            const unsigned premul[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
            for (int c = 0; c < 3; ++c)
                o[c] = std::uint8_t(std::min(255u, premul[c] + (kMatte[c] * (255 - a) + 127) / 255));
            if (keyed && o[0] == key[0] && o[1] == key[1] && o[2] == key[2])
                o[0] = nudge(o[0]), o[1] = nudge(o[1]), o[2] = nudge(o[2]);
        }
    }
    return out;
}

bool writeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height, const std::string& path,
                std::string& error)
{
    if (rgb.size() != std::size_t(width) * height * 3) {
        error = "pixel data does not match the picture size";
        return false;
    }
    // RGB24 is a byte array R, G, B; SDL turns it into the BMP's own byte order when saving.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgb.data()), width, height,
                                                              24, width * 3, SDL_PIXELFORMAT_RGB24);
    if (!surface) {
        error = SDL_GetError();
        return false;
    }
    const bool ok = SDL_SaveBMP(surface, path.c_str()) == 0;
    if (!ok)
        error = SDL_GetError();
    SDL_FreeSurface(surface);
    return ok;
}

}  // namespace artgen
