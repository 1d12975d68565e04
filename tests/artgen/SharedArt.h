#pragma once

// The pictures the real tool drew once for the whole test run (a CTest fixture), read back through
// SDL as the game loads them. Tests that only look at pictures read these instead of drawing all of
// them again in their own process.

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace artgen_test {

inline std::filesystem::path sharedArtDir() { return SHARED_ART_DIR; }

// A generated picture as 0xRRGGBB pixels.
struct Picture {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

inline Picture loadPicture(const std::filesystem::path& file)
{
    Picture p;
    SDL_Surface* raw = SDL_LoadBMP(file.string().c_str());
    if (!raw)
        return p;
    p.bitsPerPixel = raw->format->BitsPerPixel;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!argb)
        return p;
    p.width = argb->w;
    p.height = argb->h;
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                                 std::size_t(y) * argb->pitch);
        for (int x = 0; x < p.width; ++x)
            p.pixels.push_back(row[x] & 0xFFFFFF);
    }
    SDL_FreeSurface(argb);
    return p;
}

inline Picture loadSharedPicture(const std::string& name)
{
    return loadPicture(sharedArtDir() / "Art" / (name + ".bmp"));
}

}  // namespace artgen_test
