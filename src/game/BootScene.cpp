#include "game/Panels.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "game/TitleScreen.h"
#include "persistence/GameRecord.h"
#include "platform/KeyCodes.h"

namespace {
// Rates of the title's pacers 1 to 5, in steps per second: the dude runs at the first, the ball
// rolls at the second.
constexpr int kTitleRates[6] = {0, 110, 130, 40, 60, 70};
constexpr int kMeasuredFrames = 50;
constexpr uint32_t kTitleSeconds = 8;

// `sceneChange` carries the scene's state: 0 measuring, 1 measured, 2 leaving for the menu, 3
// leaving for the quit dialog.
enum BootState : uint8_t { kMeasuring = 0, kMeasured = 1, kToMenu = 2, kToQuit = 3 };

void readTitleInput(GameApp& game) {
  pollKeyboard(game);
  if (takeKey(game, kKeyEnter)) game.sceneChange = kToMenu;
  if (takeKey(game, kKeyEscape)) game.sceneChange = kToQuit;
  InputDevice& mouse = game.cursor.mouse;
  if (mouse.ButtonHit(0) || mouse.ButtonHit(1)) {
    game.sceneChange = kToMenu;
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
  }
}
}  // namespace

void BootScene(GameApp& game) {
  beginSceneFrame(game);
  ensureLongLivedObjects(game);
  if (!game.titleScreen) {
    game.titleScreen = std::make_unique<TitleScreen>();
    game.titleScreen->Load(&game.graphics);
    game.titleScreen->Reset();
    game.sceneChange = kMeasuring;
  }
  TitleScreen& title = *game.titleScreen;
  if (!game.pacers[0]) game.pacers[0] = std::make_unique<StepPacer>();  // the measuring pacer
  StepPacer& measure = *game.pacers[0];

  if (title.rolling == 1) {
    title.rolling = 2;
    for (int i = 1; i <= 5; ++i) pacer(game, i);
    title.phase = 1;
  }

  if (game.sceneChange != kMeasuring) readTitleInput(game);

  if (game.frameValid) measure.Calibrate(game.frameMs);
  if (game.sceneChange == kMeasuring && measure.calibrationFrames == kMeasuredFrames) {
    game.gameRecord->machineSpeed = static_cast<uint8_t>(static_cast<int>(measure.reference));
    game.sceneChange = kMeasured;
    title.rolling = 1;
  }
  if (game.frameValid) measure.out = measure.StepAveraged(60, game.frameMs);

  if (title.phase == 2) {
    measure.StepAveraged(50, game.frameMs);
    for (int i = 1; i <= 5; ++i) game.pacers[i]->out = game.pacers[i]->StepAveraged(kTitleRates[i], game.frameMs);
    title.Move(game.pacers[1]->out, game.pacers[2]->out);
  }

  title.Animate();
  title.Draw();

  runSceneClock(game);
  if (game.sceneSeconds >= kTitleSeconds) game.sceneChange = kToMenu;
  if (title.phase == 1) title.phase = 2;

  if (game.sceneChange == kToMenu) {
    game.currentScene = MainMenuScene;
    startSceneClock(game);
  } else if (game.sceneChange == kToQuit) {
    game.currentScene = QuitScene;
  }
  if (game.sceneChange >= kToMenu) game.titleScreen.reset();

  drawFpsOverlay(game, 20, 40);
  game.graphics.EndScene();
  game.graphics.Present();
  if (game.sceneChange < kToMenu) game.EndFrame();
}
