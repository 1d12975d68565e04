#include "persistence/SlotNumberLayout.h"

namespace {
constexpr uint32_t kScoreShown = 100000;
// x offsets by digit count, highest digit first.
constexpr int kScoreOffsets[6][5] = {{}, {43}, {33, 52}, {26, 43, 62}, {20, 39, 58, 77}, {9, 28, 47, 66, 85}};
constexpr int kHeaderOrdinalOffsets[4][3] = {{}, {27}, {20, 44}, {22, 39, 58}};
constexpr int kSlotOrdinalOffsets[4][3] = {{}, {362}, {355, 379}, {355, 379, 403}};

DigitRow placed(uint32_t value, int x, const int (*offsets)[3]) {
  DigitRow row;
  splitDigits(value, row);
  if (row.count > 3) row.count = 3;  // ordinals never have more
  for (int i = 0; i < row.count; ++i) row.xs[i] = x + offsets[row.count][i];
  return row;
}
}  // namespace

DigitRow savedScoreDigits(uint32_t score, int x) {
  DigitRow row;
  splitDigits(score % kScoreShown, row);
  for (int i = 0; i < row.count; ++i) row.xs[i] = x + kScoreOffsets[row.count][i];
  return row;
}

DigitRow headerOrdinalDigits(int ordinal, int x) {
  return placed(static_cast<uint32_t>(ordinal), x, kHeaderOrdinalOffsets);
}

DigitRow slotOrdinalDigits(int ordinal, int x) {
  return placed(static_cast<uint32_t>(ordinal), x, kSlotOrdinalOffsets);
}
