#include "game/MainMenuScreen.h"

#include <algorithm>

namespace {
// In the order of the button ids.
constexpr const char* kButtonArt[MainMenuScreen::kButtons] = {
    "Art/ButtonStartNewGame.bmp", "Art/ButtonHallofFame.bmp", "Art/ButtonLoadGame.bmp",
    "Art/ButtonInformation.bmp",  "Art/ButtonCredits.bmp",    "Art/ButtonQuit.bmp"};
// Buttons are drawn in this order (ids minus one).
constexpr int kButtonDrawOrder[MainMenuScreen::kButtons] = {0, 1, 2, 4, 3, 5};
constexpr float kCometScales[5] = {0.6f, 1.0f, 0.0f, 0.7f, 0.5f};  // comet 2 uses cometScale
}  // namespace

void MainMenuScreen::Load(GraphicsDevice* graphics) {
  sun.Load(graphics, "Art/Sun.bmp", kKeyGreen, 0);
  star.Load(graphics, "Art/Star1.bmp", kKeyGreen, 0);
  pillar1.Load(graphics, "Art/MenuPillar1.bmp", kKeyBlack, 0);
  pillar2.Load(graphics, "Art/MenuPillar2.bmp", kKeyBlack, 0);
  pillar3.Load(graphics, "Art/MenuPillar3.bmp", kKeyBlack, 0);
  scenery.Create(graphics, 9);
  scenery.Load(kPalace, "Art/Palace.bmp", 128, 128, kKeyBlack, 25);
  scenery.Load(kMoon, "Art/Moon.bmp", 64, 64, kKeyRed, 25);
  scenery.Load(kStar9, "Art/Star9.bmp", 8, 8, kKeyBlack, 25);
  scenery.Load(kStar10, "Art/Star10.bmp", 4, 4, kKeyBlack, 25);
  scenery.Load(kComet, "Art/Comet.bmp", 128, 128, kKeyRed, 25);
  scenery.Load(kTitle, "Art/WriteIlvysMission.bmp", 256, 32, kKeyBlack, 25);
  scenery.Load(kTree, "Art/Tree5.bmp", 32, 64, kKeyRed, 25);
  scenery.Load(kBush, "Art/Bush.bmp", 32, 32, kKeyBlack, 25);
  scenery.SetAlphaTest(1);
  lettering.Create(graphics, 1);
  lettering.Load(0, "Art/MenuText.bmp", 64, 64, kKeyBlack, 25);
  lettering.SetAlphaTest(1);
  for (int i = 0; i < kButtons; ++i) {
    buttons[i].Create(graphics, 1);
    buttons[i].Load(0, kButtonArt[i], 256, 32, kKeyWhite, 25);
    buttons[i].SetAlphaTest(1);
  }
}

void MainMenuScreen::Move(int fast, int slow) {
  if (pillar1Y > 196) pillar1Y = std::max(196, pillar1Y - fast);
  if (pillar2X >= 496) pillar2X = std::max(495, pillar2X - fast);
  if (pillar3X > 540) pillar3X = std::max(540, pillar3X - fast);

  // Comets fall one after another, each once the one before has left the screen. They move in
  // order, so a comet starts in the very frame its predecessor passes the line.
  const int cometSteps[5] = {fast, fast, slow, fast, slow};
  const int startLine[5] = {0, 620, 620, 620, 610};
  for (int i = 0; i < 5; ++i) {
    if (i > 0 && cometY[i - 1] <= startLine[i]) continue;
    cometX[i] -= cometSteps[i];
    cometY[i] += cometSteps[i];
  }
}

void MainMenuScreen::ShrinkComet() {
  if (cometY[2] > 0 && cometTimer.fires(50)) cometScale = std::max(0.0f, cometScale - 0.01f);
}

void MainMenuScreen::GrowButtons() {
  if (buttonScale < 1.0f && buttonTimer.fires(40)) buttonScale = std::min(1.0f, buttonScale + 0.01f);
}

void MainMenuScreen::GrowLetters() {
  if (letterCount > 8 || letterScale >= 1.2f) return;
  if (!letterTimer.fires(20)) return;
  letterScale = std::min(1.2f, letterScale + 0.08f);
  if (letterScale == 1.2f) {
    letterScale = 0;
    letterCount += 1;
  }
}

void MainMenuScreen::UnrollTitle() {
  if (!titleTimer.fires(70)) return;
  titleDelay = std::min(1.2f, titleDelay + 0.05f);
  if (titleDelay > 1.1f) titleScaleY = std::min(1.2f, titleScaleY + 0.05f);
}

// Phase 1 only starts the interval; phases 2 to 7 each wait one interval and take one step, so a
// pulse is six steps long and ends where it began.
void MainMenuScreen::PulseSun() {
  if (sunPhase < 2 || sunPhase > 7) sunPhase = 2;
  if (!sunTimer.fires(static_cast<uint32_t>(sunStepMs))) return;
  const int way = sunPhase <= 4 ? 1 : -1;
  sunX = static_cast<uint8_t>(sunX - way);
  sunY = static_cast<uint8_t>(sunY - way);
  sunScaleX += 0.02f * way;
  sunScaleY += 0.02f * way;
  sunPhase = sunPhase == 7 ? 1 : sunPhase + 1;
}

void MainMenuScreen::Draw() const {
  for (int i = 0; i < 5; ++i)
    scenery.DrawFrame(kComet, 0, cometX[i], cometY[i], kWhite, i == 2 ? cometScale : kCometScales[i],
                      i == 2 ? cometScale : kCometScales[i]);

  scenery.DrawFrame(kPalace, 0, 120, 459, kWhite, 1.1f, 1.1f);
  scenery.DrawFrame(kTree, 0, 268, 536, kWhite, 1, 1);
  scenery.DrawFrame(kTree, 0, 80, 536, kWhite, 1, 1);
  scenery.DrawFrame(kBush, 0, 50, 568, kWhite, 1, 1);
  scenery.DrawFrame(kBush, 0, 301, 568, kWhite, 1, 1);
  scenery.DrawFrame(kMoon, 0, 370, 300, kWhite, 1, 1);
  scenery.DrawFrame(kTitle, 0, 250, 105, kWhite, 1.0f, titleScaleY);

  for (int i : kButtonDrawOrder)
    buttons[i].DrawFrame(0, buttonFrame[i], kPlaces[i].x, kPlaces[i].y, kWhite, buttonScale, buttonScale);

  sun.Draw(sunX, sunY, 0, 0, 0, 0, sunScaleX, sunScaleY, kWhite);
  star.Draw(430, 180, 0, 0, 0, 0, sunScaleX * 0.5f, sunScaleY * 0.5f, kWhite);
  star.Draw(50, 400, 0, 0, 0, 0, 0.35f, 0.35f, kWhite);
  scenery.DrawFrame(kStar9, 0, 750, 570, kWhite, 1, 1);
  scenery.DrawFrame(kStar10, 0, 50, 200, kWhite, 1, 1);

  for (int i = 0; i < 6; ++i) pillar3.Draw(pillar3X, 234 + 60 * i, 0, 0, 0, 0, 2.0f, 1.5f, kWhite);
  pillar1.Draw(505, pillar1Y, 0, 0, 0, 0, 1.0f, 3.28f, kWhite);
  pillar2.Draw(pillar2X, 168, 0, 0, 0, 0, 2.344f, 1.0f, kWhite);

  for (int i = 0; i < 8; ++i) {
    const int x = 60 + 90 * i;
    if (letterCount >= 9 || i < letterCount - 1)
      lettering.DrawFrame(0, i, x, 20, kWhite, 1.2f, 1.2f);
    else if (i == letterCount - 1)
      lettering.DrawFrame(0, i, x, 20, kWhite, letterScale, 1.2f);
  }
}
