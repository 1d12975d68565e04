#include "Manifest.h"

#include "draw/Draw.h"

#include <vector>

namespace artgen {

namespace {

// name, image width and height, frame width and height, frames used, colour key, routine.
// Frame sizes and keys are how the game loads each file; image sizes only need to hold the frames.
const ArtEntry kArt[] = {
    // Title
    {"Cursor2", 64, 64, 64, 64, 1, kKeyRed, drawPointer},
    {"Dude", 256, 256, 32, 64, 30, kKeyBlack, drawDude},
    {"Ball5", 256, 64, 64, 64, 4, kKeyRed, drawRollingBall},
    {"WriteFendrel", 256, 64, 256, 64, 1, kKeyBlack, drawStudioName},
    {"WritePresents", 256, 64, 256, 64, 1, kKeyBlack, drawPresents},

    // Main menu scenery
    {"Sun", 64, 64, 64, 64, 1, kKeyGreen, drawSun},
    {"Star1", 32, 32, 32, 32, 1, kKeyGreen, drawTwinkleStar},
    {"MenuPillar1", 32, 128, 32, 128, 1, kKeyBlack, drawMenuColumn},
    {"MenuPillar2", 128, 32, 128, 32, 1, kKeyBlack, drawMenuLintel},
    {"MenuPillar3", 128, 16, 128, 16, 1, kKeyBlack, drawMenuShelf},
    {"Palace", 128, 128, 128, 128, 1, kKeyBlack, drawPalace},
    {"Moon", 64, 64, 64, 64, 1, kKeyRed, drawMoon},
    {"Star9", 8, 8, 8, 8, 1, kKeyBlack, drawSmallStar},
    {"Star10", 4, 4, 4, 4, 1, kKeyBlack, drawTinyStar},
    {"Comet", 128, 128, 128, 128, 1, kKeyRed, drawComet},
    {"WriteIlvysMission", 256, 32, 256, 32, 1, kKeyBlack, drawGameTitle},
    {"Tree5", 32, 64, 32, 64, 1, kKeyRed, drawSmallTree},
    {"Bush", 32, 32, 32, 32, 1, kKeyBlack, drawBush},
    {"MenuText", 512, 64, 64, 64, 8, kKeyBlack, drawMenuLetters},

    // Main menu buttons
    {"ButtonStartNewGame", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Start New Game"); }},
    {"ButtonLoadGame", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Load Game"); }},
    {"ButtonQuit", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Quit"); }},
    {"ButtonHallofFame", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Hall of Fame"); }},
    {"ButtonInformation", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Information"); }},
    {"ButtonCredits", 256, 128, 256, 32, 3, kKeyWhite, [](Canvas& c) { drawMenuButton(c, "Credits"); }},

    // Shared panels and the quit dialog
    {"ButtonBack", 256, 32, 64, 32, 3, kKeyNone, drawBackButton},
    {"ButtonContinue", 256, 256, 256, 64, 3, kKeyBlack, drawContinueButton},
    {"QuitQuestion", 128, 64, 128, 64, 1, kKeyBlack, drawQuitQuestion},
    {"ButtonYes2", 128, 32, 32, 32, 3, kKeyBlack, drawYesButton},
    {"ButtonNo2", 128, 32, 32, 32, 3, kKeyBlack, drawNoButton},

    // Credits
    {"Back15Back", 256, 256, 256, 256, 1, kKeyNone, drawCreditsBackdrop},
};

}  // namespace

std::span<const ArtEntry> manifest()
{
    // The front-end's table above, then the tables of the other parts of the game, joined once.
    static const std::vector<ArtEntry> all = [] {
        std::vector<ArtEntry> joined(std::begin(kArt), std::end(kArt));
        for (std::span<const ArtEntry> part : {worldArt(), storyArt()})
            joined.insert(joined.end(), part.begin(), part.end());
        return joined;
    }();
    return all;
}

const ArtEntry* findArt(std::string_view name)
{
    for (const ArtEntry& e : manifest())
        if (name == e.name)
            return &e;
    return nullptr;
}

}  // namespace artgen
