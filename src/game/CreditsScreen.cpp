#include "game/CreditsScreen.h"

namespace {
struct CreditLine {
  int x, y, width;
  uint32_t colour;
  const char* text;
};
constexpr CreditLine kCreditLines[] = {
    {200, 120, 200, 0xFFF5FA00, "Programmed by:"},
    {390, 120, 220, 0xFFF5F0F5, "The Brightmoss team"},
    {390, 150, 280, 0xFFF5F0F5, "brightmoss.example/games"},
    {200, 190, 200, 0xFFF5FA05, "Art and Movies by:"},
    {390, 190, 220, 0xFF0582B9, "Brightmoss Art Desk"},
    {390, 220, 250, 0xFF0582B9, "art@brightmoss.example"},
    {200, 260, 200, 0xFFF5FA14, "Music by:"},
    {390, 260, 200, 0xFFFF282D, "Brightmoss Sound"},
    {390, 290, 300, 0xFFFF282D, "brightmoss.example/music"},
    {200, 330, 200, 0xFFF5FA14, "Sound effects by:"},
    {390, 330, 220, 0xFF0582F5, "brightmoss.example/sfx"},
    {150, 420, 500, 0xFF32FA2D, "Thank you for playing and helping Ilvy!"},
};
constexpr int kLineHeight = 30;
}  // namespace

void CreditsScreen::Load(GraphicsDevice* graphics) {
  background.Create(graphics, 1);
  background.Load(0, "Art/Back15Back.bmp", 256, 256, kNoKey, 25);
  background.SetAlphaTest(1);
  font.Create(graphics, "Arial", 20, 0, 0, 0, 0);
  font.Begin();
}

void CreditsScreen::DrawLines() {
  for (const CreditLine& line : kCreditLines) font.DrawText(line.text, line.x, line.y, line.width, kLineHeight, line.colour, 0);
}
