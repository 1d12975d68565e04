#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "platform/SpriteSheet.h"
#include "platform/TextFont.h"

// Who made the game, on a full-screen backdrop, with a Back button.
class CreditsScreen {
 public:
  virtual ~CreditsScreen() = default;
  static constexpr ButtonPlace kBackPlace = {700, 10, 64, 32};

  SpriteSheet background;
  TextFont font;
  uint8_t backFrame = 0;
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  void DrawLines();
};
