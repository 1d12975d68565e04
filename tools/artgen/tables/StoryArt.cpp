#include "Manifest.h"
#include "draw/StoryDraw.h"

namespace artgen {

namespace {

// name, image width and height, frame width and height, frames used, colour key, routine.
// Lettering is stretched across (widen) where the game draws it wider than tall, so letters keep
// their shape on screen.
const ArtEntry kStory[] = {
    // Quest briefing and result
    {"Back", 256, 128, 256, 128, 1, kKeyNone, drawBriefingPaper},
    {"WriteQuest", 256, 64, 256, 64, 1, kKeyRed, [](Canvas& c) { drawLettering(c, "Quest", Gilding::Gold); }},
    {"ButtonAccept", 128, 128, 128, 32, 3, kKeyNone, drawAcceptButton},
    {"Frame", 128, 128, 128, 128, 1, kKeyNone, drawPictureFrame},
    {"Frame4", 64, 32, 64, 32, 1, kKeyRed, drawTimeFrame},
    {"Numbers4", 256, 256, 64, 64, 10, kKeyRed, [](Canvas& c) { drawDigits(c, Gilding::Gold, 0.6, 0.86); }},
    {"Numbers5", 256, 256, 64, 64, 10, kKeyBlack, [](Canvas& c) { drawDigits(c, Gilding::Ruby, 0.68, 0.84); }},
    {"Numbers6", 128, 128, 32, 32, 10, kKeyBlack, [](Canvas& c) { drawDigits(c, Gilding::Mint, 0.66, 0.8); }},
    {"Numbers7", 128, 128, 32, 32, 10, kKeyBlack, [](Canvas& c) { drawDigits(c, Gilding::Sky, 0.66, 0.8); }},
    {"Necklace", 512, 512, 512, 512, 1, kKeyBlack, drawNecklace},
    {"Gem1", 128, 32, 32, 32, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 1); }},
    {"Gem2", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawNecklaceGem(c, 2); }},
    {"Gem3", 256, 32, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 3); }},
    {"Gem4", 128, 64, 32, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 4); }},
    {"Gem5", 256, 64, 64, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 5); }},
    {"Gem6", 256, 64, 64, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 6); }},
    {"Gem7", 256, 64, 64, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 7); }},
    {"Gem8", 256, 64, 64, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 8); }},
    {"Gem9", 256, 64, 64, 64, 4, kKeyBlack, [](Canvas& c) { drawNecklaceGem(c, 9); }},

    // Quest pictures in the briefing's frame (the quests' own things are the quests' pictures)
    {"Intro1", 64, 64, 64, 64, 1, kKeyNone, drawPalaceScene},
    {"Intro2", 64, 64, 64, 64, 1, kKeyNone, drawPalaceHallScene},
    {"Intro4", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawStairsDown(c, hex(0xA8A4B8)); }},
    {"Intro5", 64, 64, 64, 64, 1, kKeyBlack, drawTrapdoor},
    {"Intro6", 64, 64, 64, 64, 1, kKeyBlack, drawSilverSword},
    {"Intro7", 64, 32, 64, 32, 1, kKeyRed, drawHealingHerb},
    {"Intro8", 64, 64, 64, 64, 1, kKeyBlack, drawDesert},
    {"Intro9", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawStairsDown(c, hex(0xE8C078)); }},
    {"Intro10", 64, 64, 64, 64, 1, kKeyBlack, drawLadderHole},
    {"Intro11", 64, 64, 64, 64, 1, kKeyBlack, drawGemOfLight},
    {"Intro12", 64, 64, 64, 64, 1, kKeyBlack, drawGreenCave},
    {"Intro13", 64, 64, 64, 64, 1, kKeyBlack, drawArcheryTarget},
    {"Intro14", 64, 64, 64, 64, 1, kKeyNone, drawMountainScene},
    {"Intro15", 64, 64, 64, 64, 1, kKeyBlack, drawDungeonOfHope},
    {"Intro16", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawColouredDoor(c, hex(0x8CB4FF), hex(0x2A4AC8)); }},
    {"Intro17", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawColouredDoor(c, hex(0xFFF08A), hex(0xE0A014)); }},
    {"Intro18", 64, 64, 64, 64, 1, kKeyNone, drawVaseRoomScene},
    {"Intro19", 64, 64, 64, 64, 1, kKeyNone, drawBrownDungeonScene},
    {"Intro20", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawStairsDown(c, hex(0xB08058)); }},
    {"Intro21", 64, 64, 64, 64, 1, kKeyNone, drawLowestLevelScene},
    {"Intro22", 64, 64, 64, 64, 1, kKeyRed, drawRiverBridge},
    {"Intro23", 64, 64, 64, 64, 1, kKeyNone, drawAppleTreeScene},
    {"Intro24", 64, 64, 64, 64, 1, kKeyNone, drawGreenDungeonScene},
    {"Intro25", 64, 64, 64, 64, 1, kKeyNone, drawLowerLevelScene},
    {"Intro26", 64, 64, 64, 64, 1, kKeyNone, drawBrownDungeonGate},
    {"Intro27", 64, 64, 64, 64, 1, kKeyNone, drawCaveOfMysteryScene},
    {"Castle3", 128, 128, 128, 128, 1, kKeyRed, drawCastle},
    {"Gate", 128, 64, 128, 64, 1, kKeyNone, drawCastleGate},
    {"Scribe", 64, 64, 64, 64, 1, kKeyRed, drawScribe},
    {"Wizard", 128, 128, 128, 128, 1, kKeyBlack, drawWizard},
    {"Pyramid", 64, 64, 64, 64, 1, kKeyBlack, drawPyramid},

    // Saving and loading
    {"Pickanumber", 256, 64, 256, 64, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "Pick a number", Gilding::Gold, 0.9 / 1.4); }},
    {"Load", 128, 64, 128, 64, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Load", Gilding::Sky, 1.2 / 1.4); }},
    {"WriteSavefirst", 256, 64, 256, 64, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "Save first?", Gilding::Violet); }},
    {"Line", 64, 4, 64, 4, 1, kKeyNone, drawSeparatorLine},
    {"Button", 256, 256, 128, 128, 3, kKeyBlack, drawSaveSlotButton},
    {"Button2", 256, 256, 128, 128, 3, kKeyBlack, drawLoadSlotButton},
    {"Numbers2", 128, 128, 32, 32, 10, kKeyRed, [](Canvas& c) { drawDigits(c, Gilding::Silver, 0.66, 0.78); }},
    {"Empty", 256, 64, 256, 64, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Empty", Gilding::Silver); }},
    {"Save", 128, 64, 128, 64, 1, kKeyBlack, drawSaveLabel},
    {"Saved", 128, 64, 128, 64, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Saved!", Gilding::Mint); }},
    {"NotSaved", 256, 64, 256, 64, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Not saved!", Gilding::Ruby); }},
    {"Loading", 128, 32, 128, 32, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Loading...", Gilding::Sky); }},

    // Mission, necklace complete and ending
    {"WriteMission", 256, 64, 256, 64, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "Your Mission", Gilding::Gold); }},
    {"WriteSolve", 256, 64, 256, 64, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "Solve the quests", Gilding::Sky, 1 / 1.2); }},
    {"WriteFind", 256, 32, 256, 32, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "and find the nine gems", Gilding::Rose); }},
    {"WriteNeck", 256, 32, 256, 32, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "of Ilvy's necklace!", Gilding::Rose); }},
    {"WriteYouDid", 256, 32, 256, 32, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "You did it!", Gilding::Gold); }},
    {"WriteScore", 128, 32, 128, 32, 1, kKeyBlack, [](Canvas& c) { drawLettering(c, "Score", Gilding::Sky); }},
    {"WriteMade", 256, 32, 256, 32, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "You made it into", Gilding::Mint, 1.3 / 1.1, Align::Right); }},
    {"WriteHall", 256, 32, 256, 32, 1, kKeyBlack,
     [](Canvas& c) { drawLettering(c, "the Hall of Fame!", Gilding::Gold, 1, Align::Left); }},
    {"Rocks3", 64, 64, 16, 16, 16, kKeyBlack, drawRockChips},
};

}  // namespace

std::span<const ArtEntry> storyArt() { return kStory; }

}  // namespace artgen
