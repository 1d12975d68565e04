#include <cstring>

#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/NameEntryScreen.h"
#include "platform/KeyCodes.h"

namespace {

// The letter keys in the order they are tested: a..z.
constexpr uint8_t kLetterKeys[26] = {kKeyA, kKeyB, kKeyC, kKeyD, kKeyE, kKeyF, kKeyG, kKeyH, kKeyI,
                                     kKeyJ, kKeyK, kKeyL, kKeyM, kKeyN, kKeyO, kKeyP, kKeyQ, kKeyR,
                                     kKeyS, kKeyT, kKeyU, kKeyV, kKeyW, kKeyX, kKeyY, kKeyZ};
constexpr uint8_t kMissionFirstPage = 1;

void createScreen(GameApp& game) {
  game.nameEntryScreen = std::make_unique<NameEntryScreen>();
  game.nameEntryScreen->Load(&game.graphics);
  StepPacer& hands = pacer(game, 1);
  hands.expected = StepPacer::kNotComputed;
  hands.reference = game.gameRecord->machineSpeed;
}

// Stores the name and opens the mission screen on its first page.
void accept(GameApp& game, const NameEntryScreen& screen) {
  std::memcpy(game.gameRecord->playerName, screen.name, kNameSlots);
  game.gameRecord->missionMode = kMissionFirstPage;
  changeScene(game, MissionScene);
}

// A key hit is always taken (latched), even when this frame's one edit has been used.
void type(GameApp& game, NameEntryScreen& screen) {
  const bool shift = (game.keyboard.state[kKeyLeftShift] & 0x80) || (game.keyboard.state[kKeyRightShift] & 0x80);
  if (takeKey(game, kKeySpace) && screen.edit()) typeGlyph(screen.name, kGlyphBlank);
  for (int letter = 0; letter < 26; ++letter)
    if (takeKey(game, kLetterKeys[letter]) && screen.edit()) typeLetter(screen.name, letter, shift);
  if (takeKey(game, kKeyPeriod) && screen.edit()) typeGlyph(screen.name, kGlyphFullStop);
  for (const uint8_t key : {kKeyBackspace, kKeyPad0})
    if (takeKey(game, key) && screen.edit()) deleteGlyph(screen.name);
}

void runButtons(GameApp& game, NameEntryScreen& screen) {
  InputDevice& mouse = game.cursor.mouse;
  const int x = game.cursor.x, y = game.cursor.y;
  screen.rule.hover(NameEntryScreen::kPlaces, screen.frames, 3, x, y);
  // Clear empties the line on the press itself.
  if (screen.rule.press(NameEntryScreen::kPlaces, screen.frames, 3, x, y, mouse) == NameEntryScreen::kClear &&
      screen.edit())
    clearName(screen.name);
  switch (screen.rule.act(mouse)) {
    case NameEntryScreen::kBack:
      changeScene(game, MainMenuScene);
      break;
    case NameEntryScreen::kReady:
      accept(game, screen);
      break;
    default:
      break;
  }
}

}  // namespace

void NameEntryScene(GameApp& game) {
  if (game.sceneChange) {
    game.sceneChange = 0;
    startSceneClock(game);
  }
  beginSceneFrame(game);
  StepPacer& hands = pacer(game, 1);
  ensureBackContinuePanel(game);
  if (!game.nameEntryScreen) createScreen(game);
  NameEntryScreen& screen = *game.nameEntryScreen;

  pollKeyboard(game);
  if (takeKey(game, kKeyEnter)) accept(game, screen);
  if (takeKey(game, kKeyEscape)) {
    game.currentScene = MainMenuScene;
    game.sceneChange = 1;
  }
  runButtons(game, screen);

  if (game.frameValid) {
    hands.out = hands.Step(200, game.frameMs);
    screen.Move(hands.out);
  }
  screen.Grow();
  screen.Flash(game.sceneSeconds);
  screen.Draw(game.backContinuePanel.get());
  type(game, screen);

  screen.editedThisFrame = 0;
  screen.Blink();
  screen.rule.endFrame();
  runSceneClock(game);
  if (game.sceneChange) {
    game.nameEntryScreen.reset();
    deletePacers(game);
    game.gameRecord->missionMode = kMissionFirstPage;
  }
  endSceneFrame(game, true);
}
