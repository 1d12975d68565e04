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

// Dialogs.cpp
void drawQuitQuestion(Canvas& c);
void drawYesButton(Canvas& c);
void drawNoButton(Canvas& c);

// Backdrops.cpp
void drawCreditsBackdrop(Canvas& c);

}  // namespace artgen
