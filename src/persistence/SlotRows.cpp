#include "persistence/SlotRows.h"

#include <cstring>

#include "persistence/SlotNumberLayout.h"
#include "quests/PlayOrder.h"

namespace {
struct SlotArtFile {
  int slot;
  const char* file;
  int16_t width, height;
  uint32_t key;
};
constexpr SlotArtFile kSharedArt[] = {
    {SlotRows::kEmpty, "Art/Empty.bmp", 256, 64, kKeyBlack},
    {SlotRows::kSaveLabel, "Art/Save.bmp", 128, 64, kKeyBlack},
    {SlotRows::kLabelDigits, "Art/Numbers7.bmp", 32, 32, kKeyBlack},
    {SlotRows::kLine, "Art/Line.bmp", 64, 4, kNoKey},
    {SlotRows::kSlotDigits, "Art/Numbers2.bmp", 32, 32, kKeyRed},
    {SlotRows::kScoreDigits, "Art/Numbers5.bmp", 64, 64, kKeyBlack},
    {SlotRows::kWriteQuest, "Art/WriteQuest.bmp", 256, 64, kKeyRed},
    {SlotRows::kOrdinalDigits, "Art/Numbers4.bmp", 64, 64, kKeyRed},
};
constexpr int kLines = 6;
constexpr int kSummaryX = 20, kSummaryY = 186;
constexpr int kNameCentreOffset = 196, kNameDrop = 30;
constexpr float kScoreScaleX = 0.3f, kScoreScaleY = 0.35f;
}  // namespace

void SlotRows::loadArt(SpriteSheet& sheet, const char* buttonFile, const char* markFile, int markHeight) {
  sheet.Load(kSlotButton, buttonFile, 128, 128, kKeyBlack, 25);
  sheet.Load(kRowMark, markFile, 128, static_cast<int16_t>(markHeight), kKeyBlack, 25);
  for (const SlotArtFile& art : kSharedArt) sheet.Load(art.slot, art.file, art.width, art.height, art.key, 25);
}

void loadNameGlyphs(SpriteSheet& glyphsLow, SpriteSheet& glyphsHigh, GraphicsDevice* graphics) {
  glyphsHigh.Create(graphics, 1);
  glyphsHigh.Load(0, "Art/You5.bmp", 32, 64, kKeyBlack, 25);
  glyphsHigh.SetAlphaTest(1);
  glyphsLow.Create(graphics, 1);
  glyphsLow.Load(0, "Art/You4.bmp", 32, 64, kKeyBlack, 25);
  glyphsLow.SetAlphaTest(1);
}

void SlotRows::scan(bool markedOnly) {
  for (int slot = 1; slot <= kSaveSlots; ++slot) {
    const int i = slot - 1;
    SlotSummary summary;
    bool marked = false;
    const bool readable = readSlotSummary(slot, summary, marked);
    exists[i] = readable && (marked || !markedOnly) ? 1 : 0;
    // An unmarked file still refreshes the row's values; only its Empty label hides them.
    if (!readable) continue;
    score[i] = summary.score;
    std::memcpy(name[i], summary.playerName, kNameSlots);
    // A quest the play order never reaches keeps the ordinal the row showed before.
    if (const int place = questOrdinal(summary.questNumber)) ordinal[i] = static_cast<uint8_t>(place);
  }
}

void SlotRows::drawRows(const SpriteSheet& sheet, const uint8_t* slotFrames, int quietSlot) const {
  for (int k = 0; k < kLines; ++k) sheet.DrawFrame(kLine, 0, 0, 176 + 84 * k, kWhite, 12.5f, 1);
  for (int slot = 1; slot <= kSaveSlots; ++slot) {
    const int dy = slotRowOffset(slot);
    sheet.DrawFrame(kSlotButton, slotFrames[slot - 1], 470, 183 + dy, kWhite, 0.9f, 0.6f);
    sheet.DrawFrame(kSlotDigits, slot, 511, 206 + dy, kWhite, 1, 1);
    if (!exists[slot - 1]) {
      if (slot != quietSlot) sheet.DrawFrame(kEmpty, 0, 240, 197 + dy, kWhite, 0.8f, 0.8f);
      continue;
    }
    sheet.DrawFrame(kSaveLabel, 0, 620, 193 + dy, kWhite, 0.9f, 0.9f);
    sheet.DrawFrame(kLabelDigits, slot, 600, 200 + dy, kWhite, 0.8f, 1.3f);
  }
}

void drawSavedScore(const SpriteSheet& sheet, int digitsArt, uint32_t score, int x, int y, float scaleY) {
  const DigitRow row = savedScoreDigits(score, x);
  for (int i = 0; i < row.count; ++i)
    sheet.DrawFrame(digitsArt, row.digits[i], row.xs[i], y, kWhite, kScoreScaleX, scaleY);
}

void SlotRows::drawSummaries(const SpriteSheet& sheet, const SpriteSheet& glyphsLow, const SpriteSheet& glyphsHigh,
                             int hiddenSlot) const {
  for (int slot = 1; slot <= kSaveSlots; ++slot) {
    if (!exists[slot - 1] || slot == hiddenSlot) continue;
    const int a = kSummaryX, b = kSummaryY + slotRowOffset(slot);
    drawName(glyphsLow, glyphsHigh, name[slot - 1], a + kNameCentreOffset, b + kNameDrop);
    drawSavedScore(sheet, kScoreDigits, score[slot - 1], a, b, kScoreScaleY);
    sheet.DrawFrame(kWriteQuest, 0, a + 215, b - 2, kWhite, 0.5f, 0.5f);
    const DigitRow row = slotOrdinalDigits(ordinal[slot - 1], a);
    for (int i = 0; i < row.count; ++i)
      sheet.DrawFrame(kOrdinalDigits, row.digits[i], row.xs[i], b - 4, kWhite, 0.5f, 0.5f);
  }
}
