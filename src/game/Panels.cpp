#include "game/Panels.h"

int InRect(int x, int y, int width, int height, int px, int py) {
  return (x <= px && px < x + width && y <= py && py < y + height) ? 1 : 0;
}

void ButtonRule::hover(const ButtonPlace* places, uint8_t* frames, int count, int px, int py) {
  for (int i = 0; i < count; ++i) {
    const ButtonPlace& b = places[i];
    if (InRect(b.x, b.y, b.width, b.height, px, py)) {
      hovered = static_cast<uint8_t>(i + 1);
      if (!pressLock) frames[i] = 1;
    } else if (!pressLock) {
      frames[i] = 0;
    }
  }
}

int ButtonRule::press(const ButtonPlace* places, uint8_t* frames, int count, int px, int py,
                      const InputDevice& mouse) {
  if (!mouse.ButtonHit(0) && !mouse.ButtonHit(1)) return 0;
  int pressed = 0;
  for (int i = 0; i < count; ++i) {
    const ButtonPlace& b = places[i];
    if (!InRect(b.x, b.y, b.width, b.height, px, py)) continue;
    pressed = i + 1;
    selected = static_cast<uint8_t>(pressed);
    frames[i] = 2;
    pressLock = 1;
  }
  return pressed;
}

int ButtonRule::act(InputDevice& mouse) {
  if (!selected) return 0;
  const bool slidOff = hovered != selected;
  if (!slidOff && !MouseReleased(mouse)) return 0;
  const int id = selected;
  selected = 0;
  pressLock = 0;
  return id;
}

void BackContinuePanel::Load(GraphicsDevice* graphics) {
  buttons.Create(graphics, 2);
  buttons.Load(kBack, "Art/ButtonBack.bmp", 64, 32, kNoKey, 25);
  buttons.Load(kContinue, "Art/ButtonContinue.bmp", 256, 64, kKeyBlack, 25);
  buttons.SetAlphaTest(1);
}

void QuitDialog::Load(GraphicsDevice* graphics) {
  question.Load(graphics, "Art/QuitQuestion.bmp", kKeyBlack, 0);
  yesButton.Create(graphics, 1);
  yesButton.Load(0, "Art/ButtonYes2.bmp", 32, 32, kKeyBlack, 25);
  yesButton.SetAlphaTest(1);
  noButton.Create(graphics, 1);
  noButton.Load(0, "Art/ButtonNo2.bmp", 32, 32, kKeyBlack, 25);
  noButton.SetAlphaTest(1);
}

void QuitDialog::Draw() const {
  question.Draw(300, 200, 0, 0, 0, 0, 1.2f, 1.2f, kWhite);
  yesButton.DrawFrame(0, frames[0], 330, 300, kWhite, 1, 1);
  noButton.DrawFrame(0, frames[1], 410, 300, kWhite, 1, 1);
}
