#include "game/InformationScreen.h"

#include "game/IdleAnimation.h"
#include "game/InformationPages.h"

namespace {
struct SlotArt {
  const char* file;
  int16_t width, height;
  uint32_t key;
};
constexpr SlotArt kSlotArt[InformationScreen::kSlots] = {
    {"Art/Back6.bmp", 256, 256, kNoKey},          {"Art/Back10.bmp", 256, 256, kNoKey},
    {"Art/Back11.bmp", 256, 256, kNoKey},         {"Art/Back12.bmp", 256, 256, kNoKey},
    {"Art/Back13.bmp", 256, 256, kNoKey},         {"Art/Back14.bmp", 256, 256, kNoKey},
    {"Art/WriteInformation.bmp", 256, 64, kKeyBlack}, {"Art/Arrow5.bmp", 32, 64, kKeyRed},
    {"Art/Arrow6.bmp", 32, 64, kKeyRed},          {"Art/Dude.bmp", 32, 64, kKeyBlack},
    {"Art/Health.bmp", 32, 32, kKeyGreen},        {"Art/Coin.bmp", 32, 32, kKeyBlack},
    {"Art/Weight.bmp", 32, 32, kKeyRed},          {"Art/Mushroom.bmp", 32, 64, kKeyBlack},
    {"Art/Lever.bmp", 64, 64, kKeyRed},           {"Art/Teleporter.bmp", 32, 32, kKeyBlack},
    {"Art/TeleportPad.bmp", 32, 16, kKeyBlack},   {"Art/Swing.bmp", 64, 32, kKeyBlack},
    {"Art/Vases7.bmp", 32, 64, kKeyBlack},        {"Art/SuspiciousButton4.bmp", 32, 32, kKeyBlack},
    {"Art/SuspiciousWall3.bmp", 64, 64, kNoKey},  {"Art/Machine.bmp", 32, 64, kKeyRed},
    {"Art/Ball.bmp", 64, 64, kKeyRed},            {"Art/Rocks2.bmp", 32, 32, kKeyBlack},
    {"Art/Block.bmp", 32, 32, kKeyBlack},         {"Art/Hammer.bmp", 64, 64, kKeyRed},
    {"Art/Door7.bmp", 32, 32, kKeyBlack},         {"Art/Key.bmp", 16, 32, kKeyBlack},
    {"Art/WritePoints.bmp", 128, 32, kKeyBlack},  {"Art/Question.bmp", 32, 64, kKeyRed},
    {"Art/House.bmp", 32, 64, kKeyBlack},         {"Art/Show.bmp", 128, 128, kKeyBlack},
    {nullptr, 0, 0, kNoKey},                      {"Art/Trampoline.bmp", 64, 64, kKeyBlack},
    {"Art/Button5.bmp", 64, 64, kNoKey},
};
constexpr int kTitleSlot = 6;
constexpr int kLeftArrowSlot = 7;
constexpr int kRightArrowSlot = 8;
constexpr int kLastBackdrop = 5;
}  // namespace

void InformationScreen::Load(GraphicsDevice* graphics) {
  sheet.Create(graphics, kSlots);
  for (int slot = 0; slot < kSlots; ++slot) {
    const SlotArt& art = kSlotArt[slot];
    if (art.file) sheet.Load(slot, art.file, art.width, art.height, art.key, 25);
  }
  sheet.SetAlphaTest(1);
  font.Create(graphics, "Arial", 22, 0, 0, 0, 0);
  font.Begin();
}

void InformationScreen::Animate() {
  if (idleTimer.fires(450)) stepIdleFrame(dudeFrame, dudeRising);
  if (backdrop < kLastBackdrop && backdropTimer.fires(300)) ++backdrop;
  if (fastTimer.fires(100)) {
    counters[kCoin] = (counters[kCoin] + 1) % 4;
    counters[kBall] = (counters[kBall] + 1) % 4;
    counters[kRock] = (counters[kRock] + 1) % 16;
  }
  if (midTimer.fires(200)) {
    for (Counter c : {kTeleporter, kHammer, kKey}) counters[c] = (counters[c] + 1) % 4;
  }
  if (slowTimer.fires(500)) {
    counters[kWeight] = (counters[kWeight] + 1) % 4;
    counters[kFood] ^= 1;
  }
  counters[kDude] = dudeFrame;
}

void InformationScreen::drawPage() {
  const InformationPage& current = kInformationPages[page];
  for (int i = 0; i < current.count; ++i) {
    const InformationDraw& d = current.draws[i];
    if (d.isText)
      font.DrawText(d.text, d.x, d.y, d.width, 32, d.colour, 0);
    else
      sheet.DrawFrame(d.slot, counters[d.frame], d.x, d.y, kWhite, d.scaleX, d.scaleY);
  }
}

void InformationScreen::Draw(const BackContinuePanel* panel, uint32_t sceneSeconds) {
  // The last backdrop has one frame per page, lit under that page's darkest texts.
  sheet.DrawFrame(backdrop, backdrop == kLastBackdrop ? page : 0, 0, 0, kWhite, 3.125f, 2.34375f);
  if (panel) panel->buttons.DrawFrame(BackContinuePanel::kBack, frames[kBack - 1], 700, 10, kWhite, 1, 1);
  if (sceneSeconds > 1) {
    sheet.DrawFrame(kTitleSlot, 0, 250, 4, kWhite, 1.1f, 1.0f);
    sheet.DrawFrame(kLeftArrowSlot, frames[kPrevious - 1], 15, 4, kWhite, 1, 1);
    sheet.DrawFrame(kRightArrowSlot, frames[kNext - 1], 65, 4, kWhite, 1, 1);
  }
  if (sceneSeconds > 2) drawPage();
}
