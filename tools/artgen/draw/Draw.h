#pragma once

// Every drawing routine the manifest names, by theme.
#include "Canvas.h"

namespace artgen {

// Figures.cpp
void drawDude(Canvas& c);
void drawRollingBall(Canvas& c);

// Pointer.cpp
void drawPointer(Canvas& c);

// MenuScene.cpp
void drawSun(Canvas& c);
void drawTwinkleStar(Canvas& c);
void drawSmallStar(Canvas& c);
void drawTinyStar(Canvas& c);
void drawMoon(Canvas& c);
void drawComet(Canvas& c);
void drawPalace(Canvas& c);
void drawSmallTree(Canvas& c);
void drawBush(Canvas& c);
void drawMenuColumn(Canvas& c);
void drawMenuLintel(Canvas& c);
void drawMenuShelf(Canvas& c);

// Lettering.cpp
void drawStudioName(Canvas& c);
void drawPresents(Canvas& c);
void drawGameTitle(Canvas& c);
void drawMenuLetters(Canvas& c);

// Buttons.cpp: three frames each, normal, under the pointer, pressed.
void drawMenuButton(Canvas& c, const char* label);
void drawBackButton(Canvas& c);
void drawContinueButton(Canvas& c);
void drawPageArrow(Canvas& c, bool pointsRight);
void drawReadyButton(Canvas& c);
void drawClearButton(Canvas& c);

// Dialogs.cpp
void drawQuitQuestion(Canvas& c);
void drawYesButton(Canvas& c);
void drawNoButton(Canvas& c);

// Backdrops.cpp
void drawCreditsBackdrop(Canvas& c);

// Information.cpp
void drawInformationOpening(Canvas& c, int step);  // 0-4 the opening, 5 the backdrop of the pages
// The backdrop that stays behind the pages: one frame per page, with plates under the darkest texts.
void drawInformationPageBackdrops(Canvas& c);
void drawInformationTitle(Canvas& c);
void drawPointsLabel(Canvas& c);
void drawMissionMark(Canvas& c);

// Pickups.cpp
void drawHeart(Canvas& c);
void drawCoin(Canvas& c);
void drawWeight(Canvas& c);
// The weight without its glint, in a 32 by 32 square: the one picture of the weight everywhere.
void weightPicture(Canvas& c);
void drawMushroom(Canvas& c);
void drawGoldKey(Canvas& c);
void drawMallet(Canvas& c);

// Contraptions.cpp
void drawThreeWayLever(Canvas& c);
void drawTeleporterBeam(Canvas& c);
void drawTeleporterPad(Canvas& c);
void drawThrowingCatapult(Canvas& c);
void drawBallMachine(Canvas& c);
void drawTumblingRock(Canvas& c);
void drawTiltingTrampoline(Canvas& c);
void drawButtonOnTile(Canvas& c);

// Obstacles.cpp
void drawAmphora(Canvas& c);
void drawStoneBlock(Canvas& c);
void drawLockedDoor(Canvas& c);
void drawShopHouse(Canvas& c);
void drawSignWall(Canvas& c);
void drawWallSign(Canvas& c);  // 0 an ordinary sign, 1 the different one
void drawSignWallLesson(Canvas& c);

// NameEntry.cpp
void drawNameBoxFill(Canvas& c);
void drawNameBoxTopBottom(Canvas& c);
void drawNameBoxSide(Canvas& c);
void drawNameRail(Canvas& c);
void drawNamePost(Canvas& c);
void drawLeftSleeve(Canvas& c);
void drawLeftGlove(Canvas& c);
void drawRisingArm(Canvas& c);
void drawTray(Canvas& c);
void drawLightning(Canvas& c);
void drawTypeYourName(Canvas& c);

// NameGlyphs.cpp
void drawTypedGlyphs(Canvas& c);      // codes 0-78
void drawShownGlyphsLow(Canvas& c);   // codes 0-27
void drawShownGlyphsHigh(Canvas& c);  // codes 28-78
void drawHallDigits(Canvas& c);

// HallOfFame.cpp
void drawHallOfFameBackdrop(Canvas& c);

}  // namespace artgen
