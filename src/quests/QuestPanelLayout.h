#pragma once
#include <cstdint>

// Where the briefing and result screens put their numbers and icons. Pure rules, so they can be
// checked without a screen.

// The digits of a number as drawn, highest first, each with its x position.
struct DigitRow {
  static constexpr int kMostDigits = 5;
  int count = 0;
  uint8_t digits[kMostDigits] = {};
  int xs[kMostDigits] = {};
};

// Splits value into its decimal digits, highest first; zero is one digit. A row holds five: of a
// longer number only the lowest five are kept, as the score shows them. Positions are left to the
// caller.
void splitDigits(uint32_t value, DigitRow& row);

// The quest's place in the play order under the "Quest" lettering, from the header's x. Two-digit
// ordinals are spaced by hand so the narrow 1 and the wide 0 sit well.
DigitRow ordinalDigits(int ordinal, int x);
// The campaign score at the top: its lowest five digits, centred by their count.
DigitRow scoreDigits(uint32_t score);
// The seconds left and the points on the result screen, from the base x.
DigitRow resultDigits(uint8_t value, int x);

// The heart icons of the result screen, centred: fills xs and returns how many are drawn (none for
// a count outside 1 to 5).
int heartPositions(int hearts, int xs[5]);

// A quest's points: ten per heart left plus the seconds left, counted in one byte (a sum above 255
// wraps; five hearts and a full clock make 200).
uint8_t questPoints(uint8_t heartsLeft, uint8_t secondsLeft);

// The gems' shimmer: frames 0 to 3 and back, resting one step at each end (0, 0, 1, 2, 3, 3, 2, ...).
void stepGemFrame(uint8_t& frame, uint8_t& rising);
