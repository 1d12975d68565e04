#include "persistence/SaveScreen.h"

#include <cstring>

#include "game/GameApp.h"
#include "persistence/SlotNumberLayout.h"
#include "quests/PlayOrder.h"

namespace {
constexpr ButtonPlace kNowhere = {0, 0, 0, 0};
constexpr ButtonPlace kBackPlace = {710, 20, 64, 32};
constexpr ButtonPlace kYesPlace = {340, 330, 32, 32};
constexpr ButtonPlace kNoPlace = {430, 330, 32, 32};
constexpr uint32_t kSavedShownMs = 1000;
}  // namespace

void SaveScreen::Load(GraphicsDevice* graphics) {
  title.Load(graphics, "Art/Pickanumber.bmp", kKeyBlack, 0);
  sheet.Create(graphics, kArtCount);
  SlotRows::loadArt(sheet, "Art/Button.bmp", "Art/Saved.bmp", 64);
  sheet.Load(kSaveFirst, "Art/WriteSavefirst.bmp", 256, 64, kKeyBlack, 25);
  sheet.Load(kYesButton, "Art/ButtonYes2.bmp", 32, 32, kKeyBlack, 25);
  sheet.Load(kNoButton, "Art/ButtonNo2.bmp", 32, 32, kKeyBlack, 25);
  sheet.Load(kNotSaved, "Art/NotSaved.bmp", 256, 64, kKeyBlack, 25);
  sheet.SetAlphaTest(1);
  loadNameGlyphs(glyphsLow, glyphsHigh, graphics);
}

void SaveScreen::showCurrentGame(const GameApp& game, const Name playerName) {
  currentScore = game.score;
  currentOrdinal = static_cast<uint8_t>(questOrdinal(game.questNumber));
  std::memcpy(currentName, playerName, kNameSlots);
}

// While the question is up only Yes, No and Back work (Back without being drawn); otherwise the
// five slots and Back.
int SaveScreen::runButtons(uint8_t mode, int px, int py, InputDevice& mouse) {
  const bool asking = mode == kAskFirst;
  ButtonPlace places[kButtons];
  for (int i = 0; i < kSaveSlots; ++i) places[i] = asking ? kNowhere : SlotRows::kSlotPlaces[i];
  places[kBack - 1] = kBackPlace;
  places[kYes - 1] = asking ? kYesPlace : kNowhere;
  places[kNo - 1] = asking ? kNoPlace : kNowhere;
  rule.hover(places, frames, kButtons, px, py);
  rule.press(places, frames, kButtons, px, py, mouse);
  return rule.act(mouse);
}

bool SaveScreen::savedShownLongEnough() { return savedSlot && savedTimer.fires(kSavedShownMs); }

bool SaveScreen::failedShownLongEnough() { return failedSlot && failedTimer.fires(kSavedShownMs); }

void SaveScreen::saveWritten(uint8_t slot, bool written) {
  if (written) {
    savedSlot = slot;
    if (failedSlot == slot) failedSlot = 0;
    return;
  }
  failedSlot = slot;
  failedTimer = TimerPair{};
}

void SaveScreen::Draw(uint8_t mode, const BackContinuePanel* panel) const {
  if (mode != kAskFirst) {
    const int failedShown = failedSlot != savedSlot ? failedSlot : 0;
    rows.drawRows(sheet, frames, failedShown);
    if (panel) panel->buttons.DrawFrame(BackContinuePanel::kBack, frames[kBack - 1], 710, 20, kWhite, 1, 1);
    title.Draw(215, 110, 0, 0, 0, 0, 1.4f, 0.9f, kWhite);
    if (savedSlot) sheet.DrawFrame(SlotRows::kRowMark, 0, 280, 192 + slotRowOffset(savedSlot), kWhite, 1, 1);
    if (failedShown) sheet.DrawFrame(kNotSaved, 0, 200, 192 + slotRowOffset(failedShown), kWhite, 1, 1);
    rows.drawSummaries(sheet, glyphsLow, glyphsHigh, savedSlot ? savedSlot : failedSlot);
  } else {
    sheet.DrawFrame(kSaveFirst, 0, 230, 200, kWhite, 1.3f, 1.3f);
    sheet.DrawFrame(kYesButton, frames[kYes - 1], 340, 330, kWhite, 1, 1);
    sheet.DrawFrame(kNoButton, frames[kNo - 1], 430, 330, kWhite, 1, 1);
  }
  drawName(glyphsLow, glyphsHigh, currentName, 390, 58);
  drawSavedScore(sheet, SlotRows::kScoreDigits, currentScore, 180, 20, 0.35f);
  sheet.DrawFrame(SlotRows::kWriteQuest, 0, 400, 20, kWhite, 0.5f, 0.5f);
  const DigitRow ordinal = headerOrdinalDigits(currentOrdinal, 517);
  for (int i = 0; i < ordinal.count; ++i)
    sheet.DrawFrame(SlotRows::kOrdinalDigits, ordinal.digits[i], ordinal.xs[i], 18, kWhite, 0.5f, 0.5f);
}
