#include "game/SceneFrame.h"

#include <cstdio>

#include "game/Panels.h"
#include "game/Settings.h"
#include "persistence/GameRecord.h"
#include "platform/Clock.h"

void enterScene(GameApp& game) {
  if (!game.sceneChange) return;
  game.sceneChange = 0;
  game.frameValid = 0;
}

void pollKeyboard(GameApp& game) {
  game.keyboard.Acquire(1);
  game.keyboard.Poll();
}

bool takeKey(GameApp& game, uint8_t key) {
  if (!game.keyboard.KeyHit(key)) return false;
  game.keyboard.SetLatch(key, 1);
  return true;
}

void ensureBackContinuePanel(GameApp& game) {
  if (game.backContinuePanel) return;
  game.backContinuePanel = std::make_unique<BackContinuePanel>();
  game.backContinuePanel->Load(&game.graphics);
}

void ensureLongLivedObjects(GameApp& game) {
  ensureBackContinuePanel(game);
  if (!game.settings) {
    game.settings = std::make_unique<Settings>();
    game.settings->Read();
  }
  if (!game.gameRecord) {
    game.gameRecord = std::make_unique<GameRecord>();
    game.gameRecord->loadHallOfFame();
  }
}

namespace {
void beginFrameWithoutClear(GameApp& game) {
  game.BeginFrame();
  game.CountFps();
  game.cursor.Update();
  game.graphics.BeginScene();
}
}  // namespace

void beginSceneFrame(GameApp& game) {
  beginFrameWithoutClear(game);
  game.graphics.Clear(0, 1.0f);
}

void beginCoveredSceneFrame(GameApp& game, int x, int y, int width, int height) {
  beginFrameWithoutClear(game);
  game.graphics.ClearRect(0, x, y, width, height);
}

void endSceneFrame(GameApp& game, bool drawPointer) {
  if (drawPointer) game.cursor.Draw();
  game.graphics.EndScene();
  game.graphics.Present();
  game.EndFrame();
}

void runSceneClock(GameApp& game) {
  if (game.sceneClockRestart == 1) {
    game.sceneStartMs = timeGetTime();
    game.sceneClockRestart = 0;
  }
  game.sceneSeconds = (timeGetTime() - game.sceneStartMs) / 1000;
}

void drawFpsOverlay(GameApp& game, int x, int y) {
  if (!game.settings || !game.settings->showFps()) return;
  char reading[16];
  std::snprintf(reading, sizeof reading, "%ld", static_cast<long>(game.fps));
  game.font.DrawText(reading, x, y, 400, 100, 0xFFF582F5, 0);
  game.font.DrawText("Frames per second", x + 30, y, 400, 100, 0xFFF582F5, 0);
}

void changeScene(GameApp& game, SceneRoutine next) {
  game.currentScene = next;
  game.sceneClockRestart = 1;
  game.sceneChange = 1;
}

void openOver(GameApp& game, SceneRoutine next) { game.currentScene = next; }

void startTitleMusic(GameApp& game) {
  game.audio.SetMasterVolume(100);
  game.music.Load(kTitleMusic);
  game.music.SetVolume(90);
  game.music.Play(60, 0);
}

void restartTitleMusicIfAsked(GameApp& game) {
  if (!game.restartMusic) return;
  startTitleMusic(game);
  game.restartMusic = 0;
}

void startSceneClock(GameApp& game) {
  game.frameValid = 0;
  game.sceneClockRestart = 1;
  game.sceneSeconds = 0;
}

StepPacer& pacer(GameApp& game, int index) {
  auto& slot = game.pacers[index];
  if (!slot) {
    slot = std::make_unique<StepPacer>();
    slot->reference = game.gameRecord ? game.gameRecord->machineSpeed : 0;
  }
  return *slot;
}

void deletePacers(GameApp& game) {
  for (auto& p : game.pacers) p.reset();
}
