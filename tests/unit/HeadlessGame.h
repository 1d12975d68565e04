#pragma once
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/Clock.h"
#include "platform/InputSource.h"
#include "world/Dude.h"
#include "world/QuestClock.h"
#include "world/WorldState.h"

// The real game, headless on the virtual clock, driven frame by frame. It runs in an empty
// directory with an empty Saves folder: missing art draws nothing, and nothing is written into the
// game's own folder.
class HeadlessGame : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    std::filesystem::create_directory("Saves");
    game.options.headless = true;
    game.options.scriptedInput = &input;
    ASSERT_TRUE(game.Open());
    game.Init();
    game.Frame();  // the boot scene makes the long-lived objects
  }
  void TearDown() override {
    game.Cleanup();
    useRealClock();
    std::filesystem::current_path(previous);
  }

  void frames(int n) {
    for (int i = 0; i < n; ++i) game.Frame();
  }
  void open(SceneRoutine scene) {
    game.freeSceneScreens();
    game.currentScene = scene;
    game.sceneChange = 1;
    frames(1);
  }
  // As the briefing's Accept starts a quest.
  void startQuest(int quest) {
    game.freeSceneScreens();
    game.freeWorlds();
    for (auto& p : game.pacers) p.reset();
    questclock::resetForNewQuest(game);
    game.questNumber = static_cast<uint8_t>(quest);
    game.currentScene = WorldScene1;
    game.sceneChange = 1;
    frames(2);
  }
  void tap(uint8_t key) {
    input.state.keys[key] = 0x80;
    frames(1);
    input.state.keys[key] = 0;
  }
  void pointAt(int x, int y) {
    input.state.mouseX = x;
    input.state.mouseY = y;
  }
  // The mouse button goes down at (x, y) for one frame; it is let go afterwards without a frame.
  void press(int x, int y) {
    pointAt(x, y);
    input.state.buttons[0] = 0x80;
    frames(1);
    input.state.buttons[0] = 0;
  }
  // Down for one frame, then up for `after` frames: a button acts on the release.
  void click(int x, int y, int after = 1) {
    press(x, y);
    frames(after);
  }
  GameRecord& record() { return *game.gameRecord; }
  WorldState& world() { return *game.worlds[0].state; }
  Dude& dude() { return *game.worlds[0].dude; }

  TempDir dir;
  std::filesystem::path previous;
  ScriptedInput input;
  GameApp game;
};
