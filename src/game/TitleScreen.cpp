#include "game/TitleScreen.h"

#include "game/IdleAnimation.h"

void TitleScreen::Load(GraphicsDevice* graphics) {
  figures.Create(graphics, 4);
  figures.Load(0, "Art/Dude.bmp", 32, 64, kKeyBlack, 25);
  figures.Load(1, "Art/Ball5.bmp", 64, 64, kKeyRed, 25);
  figures.SetAlphaTest(1);
  words.Create(graphics, 2);
  words.Load(0, "Art/WriteFendrel.bmp", 256, 64, kKeyBlack, 25);
  words.Load(1, "Art/WritePresents.bmp", 256, 64, kKeyBlack, 25);
  words.SetAlphaTest(1);
}

void TitleScreen::Reset() {
  nameX = 260;
  nameY = 200;
  nameScaleX = 1.1f;
  nameScaleY = 0.05f;
  presentsX = 260;
  presentsY = 270;
  presentsScaleX = 1.1f;
  presentsScaleY = 0;
  nameUnfold = presentsUnfold = ballRoll = idleTimer = walkTimer = TimerPair{};
  ballX = 880;
  ballY = 415;
  ballFrame = 0;
  dudeX = 380;
  dudeFrame = 0;
  dudeRising = 1;
  dudeMode = 0;
  dudeWalking = 0;
  rolling = 0;
  phase = 0;
  loaded = 1;
}

void TitleScreen::Animate() {
  if (ballRoll.fires(100)) ballFrame = (ballFrame + 1) % 4;

  if (dudeMode == 0 && idleTimer.fires(450)) stepIdleFrame(dudeFrame, dudeRising);

  // Running left: frames 8..11 and back.
  if (dudeMode == 2 && walkTimer.fires(70)) {
    if (dudeFrame < 8) dudeFrame = 8;
    if (dudeFrame > 11) dudeFrame = 11;
    if (dudeRising) {
      if (++dudeFrame == 12) {
        dudeFrame = 11;
        dudeRising = 0;
      }
    } else if (--dudeFrame == 7) {
      dudeFrame = 8;
      dudeRising = 1;
    }
  }

  if (nameUnfold.fires(40)) {
    nameScaleY += 0.02f;
    if (nameScaleY > 1.1f) nameUnfold.state = 0;
  }
  if (nameUnfold.state == 0 && presentsUnfold.fires(40)) {
    presentsScaleY += 0.015f;
    if (presentsScaleY > 1.1f) presentsUnfold.state = 0;
  }
}

void TitleScreen::Move(int dudeSteps, int ballSteps) {
  if (rolling != 0) ballX -= ballSteps;
  if (dudeWalking) dudeX -= dudeSteps;
  if (ballX < 500) {
    dudeWalking = 1;
    dudeMode = 2;
  }
}

void TitleScreen::Draw() const {
  words.DrawFrame(0, 0, nameX, nameY, kWhite, nameScaleX, nameScaleY);
  words.DrawFrame(1, 0, presentsX, presentsY, kWhite, presentsScaleX, presentsScaleY);
  figures.DrawFrame(1, ballFrame, ballX, ballY, kWhite, 0.9f, 0.9f);
  figures.DrawFrame(0, dudeFrame, dudeX, kDudeY, kWhite, 0.9f, 0.8f);
}
