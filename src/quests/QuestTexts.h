#pragma once
#include <cstdint>

// One line of story text: drawn into the rectangle (x, y, width, 30) in an opaque colour.
struct TextLine {
  const char* text;
  int x, y, width;
  uint32_t colour;  // 0xFFRRGGBB
};

// The goal line the briefing shows for a quest; null for a quest number without one.
const TextLine* goalLine(int questNumber);

// Where a solved message's Continue button goes: a fixed place, or the world's continue-button
// fields (as set by the quest), optionally two pixels higher.
enum class ContinuePlace : uint8_t { Fixed, ButtonFields, ButtonFieldsRaised };

// The message shown in the heads-up bar when a quest is solved.
struct SolvedMessage {
  uint8_t quest;
  int frameX;
  float frameScale;
  ContinuePlace continuePlace;
  int continueX, continueY;  // for ContinuePlace::Fixed
  TextLine lines[3];
  int lineCount;
  int pictureSlot;  // -1 when there is no extra picture
  int pictureX, pictureY;
  float pictureScale;
};

// The solved message of a quest; null for a quest number without one.
const SolvedMessage* solvedMessage(int questNumber);
