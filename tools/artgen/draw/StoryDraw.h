#pragma once

// Drawing routines of the story screens: quest briefing and result, saving and loading, the mission
// pages and the ending, and the quest pictures the briefing shows in its frame.
#include "Canvas.h"

namespace artgen {

// The colour schemes of the story's lettering and digits.
enum class Gilding { Gold, Sky, Rose, Mint, Silver, Violet, Ruby };

// StoryLettering.cpp: one or more lines ('\n' between them) filling the frame. widen stretches the
// letters across; pictures the game draws wider than tall are given widen below 1, so their letters
// come out with their normal shape. Pictures the game puts side by side to make one sentence push
// their words together (Align::Right for the first, Align::Left for the second).
enum class Align { Centre, Left, Right };
void drawLettering(Canvas& c, const char* text, Gilding look, double widen = 1, Align align = Align::Centre);
void drawSaveLabel(Canvas& c);

// StoryDigits.cpp: frames 0 to 9 hold the digits 0 to 9. The widest digit spans widthShare of the frame,
// every digit heightShare of it.
void drawDigits(Canvas& c, Gilding look, double widthShare, double heightShare);

// StoryPanels.cpp
void drawBriefingPaper(Canvas& c);
void drawPictureFrame(Canvas& c);
void drawTimeFrame(Canvas& c);
void drawSeparatorLine(Canvas& c);
void drawAcceptButton(Canvas& c);
void drawSaveSlotButton(Canvas& c);
void drawLoadSlotButton(Canvas& c);

// StoryNecklace.cpp: the necklace with a setting where each gem goes, the nine gems (four sparkle
// frames each) and the small rocks bursting at the end.
void drawNecklace(Canvas& c);
void drawNecklaceGem(Canvas& c, int number);  // Gem1 to Gem9
void drawRockChips(Canvas& c);
// The game's icon at size by size pixels, on a transparent canvas of that size.
void drawGameEmblem(Canvas& c, int size);

// StoryScenes.cpp: quest pictures that fill their frame (the comment names the file).
void drawPalaceScene(Canvas& c);        // Intro1
void drawPalaceHallScene(Canvas& c);    // Intro2
void drawMountainScene(Canvas& c);      // Intro14
void drawVaseRoomScene(Canvas& c);      // Intro18
void drawBrownDungeonScene(Canvas& c);  // Intro19
void drawLowestLevelScene(Canvas& c);   // Intro21
void drawAppleTreeScene(Canvas& c);     // Intro23
void drawGreenDungeonScene(Canvas& c);  // Intro24
void drawLowerLevelScene(Canvas& c);    // Intro25
void drawBrownDungeonGate(Canvas& c);   // Intro26
void drawCaveOfMysteryScene(Canvas& c); // Intro27
void drawCastleGate(Canvas& c);         // Gate

// StoryItems.cpp: quest pictures of single things, on a see-through ground.
void drawStairsDown(Canvas& c, Rgb stone);          // Intro4, Intro9, Intro20
void drawTrapdoor(Canvas& c);                       // Intro5
void drawSilverSword(Canvas& c);                    // Intro6
void drawHealingHerb(Canvas& c);                    // Intro7
void drawDesert(Canvas& c);                         // Intro8
void drawLadderHole(Canvas& c);                     // Intro10
void drawGemOfLight(Canvas& c);                     // Intro11
void drawGreenCave(Canvas& c);                      // Intro12
void drawArcheryTarget(Canvas& c);                  // Intro13
void drawDungeonOfHope(Canvas& c);                  // Intro15
void drawColouredDoor(Canvas& c, Rgb light, Rgb deep); // Intro16, Intro17
void drawRiverBridge(Canvas& c);                    // Intro22
void drawCastle(Canvas& c);                         // Castle3
void drawScribe(Canvas& c);
void drawWizard(Canvas& c);
void drawPyramid(Canvas& c);

}  // namespace artgen
