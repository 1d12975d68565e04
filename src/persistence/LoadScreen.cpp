#include "persistence/LoadScreen.h"

namespace {
constexpr int kLoadingY[kSaveSlots] = {200, 284, 368, 448, 536};

constexpr ButtonPlace kPlaces[LoadScreen::kButtons] = {SlotRows::kSlotPlaces[0], SlotRows::kSlotPlaces[1],
                                                       SlotRows::kSlotPlaces[2], SlotRows::kSlotPlaces[3],
                                                       SlotRows::kSlotPlaces[4], {710, 20, 64, 32}};
}  // namespace

void LoadScreen::Load(GraphicsDevice* graphics) {
  title.Load(graphics, "Art/Load.bmp", kKeyBlack, 0);
  sheet.Create(graphics, kArtCount);
  SlotRows::loadArt(sheet, "Art/Button2.bmp", "Art/Loading.bmp", 32);
  sheet.Load(kPickANumber, "Art/Pickanumber.bmp", 256, 64, kKeyBlack, 25);
  sheet.SetAlphaTest(1);
  loadNameGlyphs(glyphsLow, glyphsHigh, graphics);
}

int LoadScreen::runButtons(int px, int py, InputDevice& mouse) {
  rule.hover(kPlaces, frames, kButtons, px, py);
  rule.press(kPlaces, frames, kButtons, px, py, mouse);
  return rule.act(mouse);
}

void LoadScreen::Draw(const BackContinuePanel* panel) const {
  rows.drawRows(sheet, frames);
  if (panel) panel->buttons.DrawFrame(BackContinuePanel::kBack, frames[kBack - 1], 710, 20, kWhite, 1, 1);
  title.Draw(322, 20, 0, 0, 0, 0, 1.4f, 1.2f, kWhite);
  sheet.DrawFrame(kPickANumber, 0, 215, 110, kWhite, 1.4f, 0.9f);
  if (loadingSlot) sheet.DrawFrame(SlotRows::kRowMark, 0, 255, kLoadingY[loadingSlot - 1], kWhite, 1.3f, 1.3f);
  rows.drawSummaries(sheet, glyphsLow, glyphsHigh, loadingSlot);
}
