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

    // Information: the opening, played once, and the backdrop it ends on
    {"Back6", 256, 256, 256, 256, 1, kKeyNone, [](Canvas& c) { drawInformationOpening(c, 0); }},
    {"Back10", 256, 256, 256, 256, 1, kKeyNone, [](Canvas& c) { drawInformationOpening(c, 1); }},
    {"Back11", 256, 256, 256, 256, 1, kKeyNone, [](Canvas& c) { drawInformationOpening(c, 2); }},
    {"Back12", 256, 256, 256, 256, 1, kKeyNone, [](Canvas& c) { drawInformationOpening(c, 3); }},
    {"Back13", 256, 256, 256, 256, 1, kKeyNone, [](Canvas& c) { drawInformationOpening(c, 4); }},
    {"Back14", 512, 512, 256, 256, 4, kKeyNone, drawInformationPageBackdrops},
    {"WriteInformation", 256, 64, 256, 64, 1, kKeyBlack, drawInformationTitle},
    {"Arrow5", 128, 64, 32, 64, 3, kKeyRed, [](Canvas& c) { drawPageArrow(c, false); }},
    {"Arrow6", 128, 64, 32, 64, 3, kKeyRed, [](Canvas& c) { drawPageArrow(c, true); }},
    {"WritePoints", 128, 32, 128, 32, 1, kKeyBlack, drawPointsLabel},
    {"Question", 32, 64, 32, 64, 1, kKeyRed, drawMissionMark},
    {"Show", 128, 128, 128, 128, 1, kKeyBlack, drawSignWallLesson},

    // Things of the quests, also shown on the information pages
    {"Health", 32, 32, 32, 32, 1, kKeyGreen, drawHeart},
    {"Coin", 128, 32, 32, 32, 4, kKeyBlack, drawCoin},
    {"Weight", 128, 32, 32, 32, 4, kKeyRed, drawWeight},
    {"Mushroom", 64, 64, 32, 64, 2, kKeyBlack, drawMushroom},
    {"Key", 64, 32, 16, 32, 4, kKeyBlack, drawGoldKey},
    {"Hammer", 256, 64, 64, 64, 4, kKeyRed, drawMallet},
    {"Lever", 256, 64, 64, 64, 3, kKeyRed, drawThreeWayLever},
    {"Teleporter", 128, 32, 32, 32, 4, kKeyBlack, drawTeleporterBeam},
    {"TeleportPad", 32, 16, 32, 16, 1, kKeyBlack, drawTeleporterPad},
    {"Swing", 128, 64, 64, 32, 4, kKeyBlack, drawThrowingCatapult},
    {"Machine", 64, 64, 32, 64, 2, kKeyRed, drawBallMachine},
    {"Ball", 256, 64, 64, 64, 4, kKeyRed, drawRollingBall},
    {"Rocks2", 128, 128, 32, 32, 16, kKeyBlack, drawTumblingRock},
    {"Trampoline", 256, 64, 64, 64, 3, kKeyBlack, drawTiltingTrampoline},
    {"Button5", 64, 64, 64, 64, 1, kKeyNone, drawButtonOnTile},
    {"Vases7", 32, 64, 32, 64, 1, kKeyBlack, drawAmphora},
    {"Block", 32, 32, 32, 32, 1, kKeyBlack, drawStoneBlock},
    {"Door7", 32, 32, 32, 32, 1, kKeyBlack, drawLockedDoor},
    {"House", 32, 64, 32, 64, 1, kKeyBlack, drawShopHouse},
    {"SuspiciousWall3", 64, 64, 64, 64, 1, kKeyNone, drawSignWall},
    {"SuspiciousButton4", 64, 32, 32, 32, 2, kKeyBlack, drawWallSign},

    // Name entry
    {"Box2", 32, 32, 32, 32, 1, kKeyNone, drawNameBoxFill},
    {"Box3", 16, 8, 16, 8, 1, kKeyNone, drawNameBoxTopBottom},
    {"Box4", 8, 8, 8, 8, 1, kKeyNone, drawNameBoxSide},
    {"Box5", 8, 8, 8, 8, 1, kKeyNone, drawNameBoxSide},
    {"Hand1", 256, 32, 256, 32, 1, kKeyBlack, drawNameRail},
    {"Hand2", 16, 64, 16, 64, 1, kKeyBlack, drawNamePost},
    {"Hand3", 64, 32, 64, 32, 1, kKeyBlack, drawLeftSleeve},
    {"Hand4", 128, 32, 128, 32, 1, kKeyBlack, drawLeftGlove},
    {"Hand5", 32, 64, 32, 64, 1, kKeyBlack, drawRisingArm},
    {"Hand6", 128, 16, 128, 16, 1, kKeyBlack, drawTray},
    {"Shock", 256, 256, 64, 256, 4, kKeyRed, drawLightning},
    {"Message", 256, 32, 256, 32, 1, kKeyWhite, drawTypeYourName},
    {"ButtonReady", 128, 128, 128, 32, 3, kKeyWhite, drawReadyButton},
    {"ButtonClear", 64, 128, 64, 32, 3, kKeyWhite, drawClearButton},
    {"Name", 256, 256, 16, 32, 79, kKeyBlack, drawTypedGlyphs},

    // Hall of fame, and the name glyphs of the hall (red key) and of the save and load screens (black)
    {"HallOfFame3", 512, 256, 512, 256, 1, kKeyNone, drawHallOfFameBackdrop},
    {"Numbers", 256, 64, 32, 32, 10, kKeyRed, drawHallDigits},
    {"You2", 256, 256, 32, 64, 28, kKeyRed, drawShownGlyphsLow},
    {"You1", 512, 256, 32, 64, 51, kKeyRed, drawShownGlyphsHigh},
    {"You4", 256, 256, 32, 64, 28, kKeyBlack, drawShownGlyphsLow},
    {"You5", 512, 256, 32, 64, 51, kKeyBlack, drawShownGlyphsHigh},
};

}  // namespace

std::span<const ArtEntry> manifest()
{
    // The front-end's table above, then the tables of the other parts of the game, joined once.
    static const std::vector<ArtEntry> all = [] {
        std::vector<ArtEntry> joined(std::begin(kArt), std::end(kArt));
        for (std::span<const ArtEntry> part : {worldArt(), storyArt(), backgroundArt()})
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
