#pragma once
#include <cstdint>

#include "game/Panels.h"
#include "persistence/NameGlyphs.h"
#include "persistence/SlotRows.h"
#include "platform/SpriteSheet.h"
#include "platform/Texture.h"
#include "platform/TimerPair.h"

class GameApp;

// The screen that stores the running game into one of five slots. Its mode is the record's
// saveBeforeMenu: 0 plain save from the quest, 1 the question whether to save before the main menu,
// 2 the table again, after which the main menu follows.
class SaveScreen {
 public:
  virtual ~SaveScreen() = default;

  enum Mode : uint8_t { kPlainSave = 0, kAskFirst = 1, kSaveThenMenu = 2 };
  enum ButtonId : uint8_t { kBack = 6, kYes = 7, kNo = 8 };
  static constexpr int kButtons = 8;  // the five slots, then Back, Yes, No
  // Extra sheet slots after the shared ones.
  enum Art : int { kSaveFirst = SlotRows::kSharedArtCount, kYesButton, kNoButton, kNotSaved, kArtCount };

  Texture title;
  SpriteSheet sheet;
  SpriteSheet glyphsHigh, glyphsLow;
  SlotRows rows;
  uint8_t savedDone = 0;
  uint8_t currentOrdinal = 0;
  uint32_t currentScore = 0;
  Name currentName = {};
  TimerPair savedTimer;
  uint8_t chosenSlot = 0;
  uint8_t savedSlot = 0;  // the row showing the Saved picture; 0 none
  // The row whose save could not be written (full disk, no Saves folder): its old game is kept,
  // and "Not saved!" shows over it for a second instead of Saved.
  uint8_t failedSlot = 0;
  TimerPair failedTimer;
  uint8_t frames[kButtons] = {};
  ButtonRule rule;

  void Load(GraphicsDevice* graphics);
  // The running game in the header.
  void showCurrentGame(const GameApp& game, const Name playerName);
  // Hover and press of the buttons that work in this mode; returns the button that acts, or 0.
  int runButtons(uint8_t mode, int px, int py, InputDevice& mouse);
  // Counts the Saved picture's second; true in the frame it has been shown for one.
  bool savedShownLongEnough();
  // The same for "Not saved!".
  bool failedShownLongEnough();
  // What the writer tells: the slot's file was written, or could not be.
  void saveWritten(uint8_t slot, bool written);
  void Draw(uint8_t mode, const BackContinuePanel* panel) const;
};
