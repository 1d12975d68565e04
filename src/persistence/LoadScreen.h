#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/SlotRows.h"
#include "platform/SpriteSheet.h"
#include "platform/Texture.h"

// The screen on which the player picks a saved game to resume: the slot table of the save screen,
// without the running game's header. A slot without a whole, marked file shows Empty.
class LoadScreen {
 public:
  virtual ~LoadScreen() = default;

  enum ButtonId : uint8_t { kBack = 6 };
  static constexpr int kButtons = 6;  // the five slots, then Back
  enum Art : int { kPickANumber = SlotRows::kSharedArtCount, kArtCount };

  Texture title;
  SpriteSheet sheet;
  SpriteSheet glyphsHigh, glyphsLow;
  SlotRows rows;
  uint8_t chosenSlot = 0;
  uint8_t loadingSlot = 0;  // the row showing the Loading picture; 0 none
  uint8_t frames[kButtons] = {};
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  // Hover and press of the slots and Back; returns the button that acts, or 0.
  int runButtons(int px, int py, InputDevice& mouse);
  void Draw(const BackContinuePanel* panel) const;
};
