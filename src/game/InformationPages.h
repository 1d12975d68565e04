#pragma once
#include <cstdint>

#include "game/InformationScreen.h"

// One draw of an information page: a picture from the screen's sheet, or a line of text.
struct InformationDraw {
  bool isText;
  int x, y;
  // picture
  int slot;
  InformationScreen::Counter frame;
  float scaleX, scaleY;
  // text
  int width;
  uint32_t colour;
  const char* text;
};

struct InformationPage {
  const InformationDraw* draws;
  int count;
};

extern const InformationPage kInformationPages[InformationScreen::kPages];
