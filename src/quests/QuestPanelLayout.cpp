#include "quests/QuestPanelLayout.h"

namespace {
// x offsets of the result screen's numbers by their digit count, highest digit first. Three-digit
// ordinals use the same spacing.
constexpr int kResultOffsets[4][3] = {{}, {43}, {33, 50}, {22, 39, 58}};
constexpr int kOrdinalOneDigitOffset = 27;
// Score digit positions by the score's digit count.
constexpr int kScoreXs[6][5] = {
    {}, {373}, {363, 382}, {356, 373, 392}, {350, 369, 388, 407}, {339, 358, 377, 396, 415}};
constexpr uint32_t kScoreShown = 100000;
constexpr int kHeartCentre = 370;
constexpr int kHeartSpacing = 30;
constexpr int kMostHearts = 5;
constexpr uint8_t kLastGemFrame = 3;

void placeFrom(const int* offsets, int x, DigitRow& row) {
  for (int i = 0; i < row.count; ++i) row.xs[i] = x + offsets[i];
}

// The two-digit ordinals' positions: the first and second digit's offsets.
struct TwoDigitPlace {
  int ordinal;
  int first, second;
};
constexpr TwoDigitPlace kTwoDigitPlaces[] = {{10, 0, 40}, {11, 3, 43}, {20, 1, 50}};
constexpr TwoDigitPlace kOtherTwoDigits = {0, 3, 50};
}  // namespace

void splitDigits(uint32_t value, DigitRow& row) {
  row.count = 1;
  for (uint32_t rest = value / 10; rest && row.count < DigitRow::kMostDigits; rest /= 10) ++row.count;
  for (int i = row.count - 1; i >= 0; --i, value /= 10) row.digits[i] = static_cast<uint8_t>(value % 10);
}

DigitRow ordinalDigits(int ordinal, int x) {
  DigitRow row;
  splitDigits(static_cast<uint32_t>(ordinal), row);
  if (row.count == 1) {
    row.xs[0] = x + kOrdinalOneDigitOffset;
  } else if (row.count == 2) {
    TwoDigitPlace place = kOtherTwoDigits;
    for (const TwoDigitPlace& special : kTwoDigitPlaces)
      if (special.ordinal == ordinal) place = special;
    row.xs[0] = x + place.first;
    row.xs[1] = x + place.second;
  } else {
    row.count = 3;  // the spacing is laid out for three; quest ordinals never have more
    placeFrom(kResultOffsets[3], x, row);
  }
  return row;
}

DigitRow scoreDigits(uint32_t score) {
  DigitRow row;
  splitDigits(score % kScoreShown, row);
  placeFrom(kScoreXs[row.count], 0, row);
  return row;
}

DigitRow resultDigits(uint8_t value, int x) {
  DigitRow row;
  splitDigits(value, row);
  placeFrom(kResultOffsets[row.count], x, row);
  return row;
}

int heartPositions(int hearts, int xs[5]) {
  if (hearts < 1 || hearts > kMostHearts) return 0;
  const int first = kHeartCentre - (hearts - 1) * kHeartSpacing / 2;
  for (int i = 0; i < hearts; ++i) xs[i] = first + i * kHeartSpacing;
  return hearts;
}

uint8_t questPoints(uint8_t heartsLeft, uint8_t secondsLeft) {
  return static_cast<uint8_t>(10 * heartsLeft + secondsLeft);
}

void stepGemFrame(uint8_t& frame, uint8_t& rising) {
  if (rising) {
    if (frame >= kLastGemFrame) {
      frame = kLastGemFrame;
      rising = 0;
    } else {
      ++frame;
    }
  } else if (frame == 0) {
    rising = 1;
  } else {
    --frame;
  }
}
