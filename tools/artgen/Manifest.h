#pragma once

#include "Bmp.h"
#include "Canvas.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace artgen {

using DrawRoutine = void (*)(Canvas&);

// One picture file of the game: Art/<name>.bmp.
struct ArtEntry {
    const char* name;
    int width, height;            // powers of two
    int frameWidth, frameHeight;  // how the game cuts the picture
    int frameCount;               // frames the game uses, 0..frameCount-1
    std::uint32_t colourKey;      // kKeyBlack, kKeyRed, kKeyGreen, kKeyWhite or kKeyNone
    DrawRoutine draw;
};

// The pictures of the quests (objects, heads-up bar, in-game menu, scenery) and of the story
// screens (briefing, result, saving and loading, mission), each table in its own file.
std::span<const ArtEntry> worldArt();
std::span<const ArtEntry> storyArt();
// The quests' background pictures, drawn from their layouts.
std::span<const ArtEntry> backgroundArt();

// Every picture the generator writes.
std::span<const ArtEntry> manifest();

// The entry called name, or null.
const ArtEntry* findArt(std::string_view name);

}  // namespace artgen
