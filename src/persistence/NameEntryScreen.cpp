#include "persistence/NameEntryScreen.h"

#include <algorithm>

namespace {
constexpr int kHand1Stop = 233;
constexpr int kHand2Widest = 336;
constexpr int kHand5Stop = 536;
constexpr float kGrowEnd = 1.1f;
constexpr float kShockHidden = -2.0f;
constexpr float kShockShown = 1.5f;
}  // namespace

NameEntryScreen::NameEntryScreen() {
  clearName(name);
  for (int i = 0; i < kNameSlots; ++i) slotX[i] = 260 + 14 * i;
}

void NameEntryScreen::Load(GraphicsDevice* graphics) {
  boxFill.Load(graphics, "Art/Box2.bmp", kNoKey, 0);
  boxEdgeH.Load(graphics, "Art/Box3.bmp", kNoKey, 0);
  boxEdgeLeft.Load(graphics, "Art/Box4.bmp", kNoKey, 0);
  boxEdgeRight.Load(graphics, "Art/Box5.bmp", kNoKey, 0);
  Texture* hands[6] = {&hand1, &hand2, &hand3, &hand4, &hand5, &hand6};
  const char* handFiles[6] = {"Art/Hand1.bmp", "Art/Hand2.bmp", "Art/Hand3.bmp",
                              "Art/Hand4.bmp", "Art/Hand5.bmp", "Art/Hand6.bmp"};
  for (int i = 0; i < 6; ++i) hands[i]->Load(graphics, handFiles[i], kKeyBlack, 0);
  struct SheetArt {
    SpriteSheet* sheet;
    const char* file;
    int16_t width, height;
    uint32_t key;
  };
  const SheetArt sheets[] = {{&shockSheet, "Art/Shock.bmp", 64, 256, kKeyRed},
                             {&messageSheet, "Art/Message.bmp", 256, 32, kKeyWhite},
                             {&nameSheet, "Art/Name.bmp", 16, 32, kKeyBlack},
                             {&readySheet, "Art/ButtonReady.bmp", 128, 32, kKeyWhite},
                             {&clearSheet, "Art/ButtonClear.bmp", 64, 32, kKeyWhite}};
  for (const SheetArt& art : sheets) {
    art.sheet->Create(graphics, 1);
    art.sheet->Load(0, art.file, art.width, art.height, art.key, 25);
    art.sheet->SetAlphaTest(1);
  }
}

void NameEntryScreen::Move(int steps) {
  if (hand1X > kHand1Stop) hand1X = std::max(kHand1Stop, hand1X - steps);
  if (hand1X == kHand1Stop && hand2Gap < kHand2Widest) hand2Gap = std::min(kHand2Widest, hand2Gap + steps);
  // A third of the steps, the remainder kept for the next frame: at a high frame rate a frame has
  // fewer than three steps and the sleeve and the rising arm would never move.
  const int thirds = (steps + thirdsCarried) / 3;
  thirdsCarried = (steps + thirdsCarried) % 3;
  if (hand3X < 0) hand3X = std::min(0, hand3X + thirds);
  if (hand5Y > kHand5Stop) hand5Y = std::max(kHand5Stop, hand5Y - thirds);
}

void NameEntryScreen::Grow() {
  if (growPhase >= 3 || (growPhase == 1 && hand3X != 0)) return;
  if (!growTimer.fires(20)) return;
  growScale = std::min(kGrowEnd, growScale + (growPhase == 1 ? 0.03f : 0.04f));
  if (growScale >= kGrowEnd) {
    growPhase += 1;
    growScale = 0;
  }
}

void NameEntryScreen::Flash(uint32_t sceneSeconds) {
  if (sceneSeconds <= 7 || !shockTimer.fires(50)) return;
  shockScale[0] -= 0.07f;
  for (int k = 0; k < 3; ++k)
    if (shockScale[k] < kShockHidden) shockScale[k + 1] -= 0.07f;
}

void NameEntryScreen::Blink() {
  if (blinkTimer.fires(static_cast<uint32_t>(blinkPeriod))) blinkOn ^= 1;
}

bool NameEntryScreen::edit() {
  if (editedThisFrame) return false;
  editedThisFrame = 1;
  return true;
}

void NameEntryScreen::Draw(const BackContinuePanel* panel) const {
  for (int k = 0; k < 4; ++k) {
    const bool previousGone = k == 0 || shockScale[k - 1] < kShockHidden;
    if (shockScale[k] > kShockShown && previousGone)
      shockSheet.DrawFrame(0, k, shockX[k], 0, kWhite, shockScale[k], 2.34375f);
  }
  boxFill.Draw(258, 400, 0, 0, 0, 0, 9.5f, 1.3f, kWhite);
  boxEdgeH.Draw(250, 392, 0, 0, 0, 0, 19.9f, 1, kWhite);
  boxEdgeH.Draw(250, 442, 0, 0, 0, 0, 19.9f, 1, kWhite);
  boxEdgeLeft.Draw(250, 400, 0, 0, 0, 0, 1, 5.3f, kWhite);
  boxEdgeRight.Draw(560, 400, 0, 0, 0, 0, 1, 5.3f, kWhite);
  messageSheet.DrawFrame(0, 0, 285, 325, kWhite, 1, 1);
  if (panel) panel->buttons.DrawFrame(BackContinuePanel::kBack, frames[kBack - 1], 700, 10, kWhite, 1, 1);
  for (int i = 0; i < kNameSlots; ++i) {
    const uint8_t g = name[i];
    const int frame = g == kGlyphCursor ? (blinkOn ? 0 : 1) : g;
    nameSheet.DrawFrame(0, frame, slotX[i], 410, kWhite, 1, 1);
  }
  readySheet.DrawFrame(0, frames[kReady - 1], 363, 488, kWhite, 1, 1.1f);
  clearSheet.DrawFrame(0, frames[kClear - 1], 140, 410, kWhite, 1, 1.1f);
  hand1.Draw(hand1X, 358, 0, 0, 0, 0, 2.117f, 1, kWhite);
  hand1.Draw(hand1X, 450, 0, 0, 0, 0, 2.117f, 1, kWhite);
  hand2.Draw(hand1X, 387, 0, 0, 0, 0, 1, 1, kWhite);
  hand2.Draw(hand1X + hand2Gap, 387, 0, 0, 0, 0, 1, 1, kWhite);
  hand3.Draw(hand3X, 430, 0, 0, 0, 0, 1, 1, kWhite);
  hand4.Draw(64, 443, 0, 0, 0, 0, growPhase == 1 ? growScale : 1.1f, 1, kWhite);
  hand5.Draw(400, hand5Y, 0, 0, 0, 0, 1, 1, kWhite);
  if (growPhase == 1)
    hand6.Draw(352, 520, 0, 0, 0, 0, growScale, growScale, kWhite);
  else
    hand6.Draw(350, 520, 0, 0, 0, 0, 1, 1, kWhite);
}
