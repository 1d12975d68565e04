#include "persistence/HallOfFameScreen.h"

#include <cstring>

namespace {
constexpr int kNameY[kHallEntries] = {50, 165, 279, 399, 520};
constexpr int kScoreY[kHallEntries] = {17, 131, 246, 362, 478};
constexpr int kNameCentre = 390;  // the rule puts glyph i at 390 + 22 i - 11 L
constexpr int kDigitsLeft = 350;
// x offsets of the digits, highest first, by the number of digits.
constexpr int kDigitOffsets[6][5] = {
    {}, {39}, {30, 47}, {22, 39, 58}, {14, 31, 48, 65}, {6, 23, 40, 57, 74}};
}  // namespace

int hallScoreDigits(uint32_t score, int row, int digits[5], int xs[5]) {
  score %= 100000;
  int count = 1;
  for (uint32_t rest = score / 10; rest; rest /= 10) ++count;
  for (int i = count - 1, rest = static_cast<int>(score); i >= 0; --i, rest /= 10) digits[i] = rest % 10;
  for (int i = 0; i < count; ++i) xs[i] = kDigitsLeft + kDigitOffsets[count][i];
  // A narrow leading 1 of a five-digit score sits a little further right.
  if (count == 5 && digits[0] == 1) xs[0] = kDigitsLeft + (row == 0 ? 8 : 9);
  return count;
}

void HallOfFameScreen::Load(GraphicsDevice* graphics) {
  sheet.Create(graphics, 2);
  sheet.Load(0, "Art/HallOfFame3.bmp", 512, 256, kNoKey, 25);
  sheet.Load(1, "Art/Numbers.bmp", 32, 32, kKeyRed, 25);
  sheet.SetAlphaTest(1);
  glyphsHigh.Create(graphics, 1);
  glyphsHigh.Load(0, "Art/You1.bmp", 32, 64, kKeyRed, 25);
  glyphsHigh.SetAlphaTest(1);
  glyphsLow.Create(graphics, 1);
  glyphsLow.Load(0, "Art/You2.bmp", 32, 64, kKeyRed, 25);
  glyphsLow.SetAlphaTest(1);
}

void HallOfFameScreen::copyTable(const GameRecord& record) {
  std::memcpy(rowUsed, record.hallUsed, sizeof rowUsed);
  std::memcpy(rowScore, record.hallScore, sizeof rowScore);
  std::memcpy(rowName, record.hallName, sizeof rowName);
}

void HallOfFameScreen::Draw(const BackContinuePanel* panel) const {
  sheet.DrawFrame(0, 0, 0, 0, kWhite, 1.5625f, 2.34375f);
  if (panel) panel->buttons.DrawFrame(BackContinuePanel::kBack, backFrame, 727, 3, kWhite, 1, 1);
  for (int row = 0; row < kHallEntries; ++row) {
    if (!rowUsed[row]) continue;
    drawName(glyphsLow, glyphsHigh, rowName[row], kNameCentre, kNameY[row]);
    int digits[5], xs[5];
    const int count = hallScoreDigits(rowScore[row], row, digits, xs);
    for (int i = 0; i < count; ++i) sheet.DrawFrame(1, digits[i], xs[i], kScoreY[row], kWhite, 0.6f, 0.6f);
  }
}
