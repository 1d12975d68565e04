#include "game/GameApp.h"

#include <cstring>

#include "game/CreditsScreen.h"
#include "game/InformationScreen.h"
#include "game/MainMenuScreen.h"
#include "game/Panels.h"
#include "game/Scenes.h"
#include "game/Settings.h"
#include "game/TitleScreen.h"
#include "persistence/GameRecord.h"
#include "quests/PlayOrder.h"
#include "quests/QuestPanel.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"
#include "persistence/HallOfFameScreen.h"
#include "persistence/LoadScreen.h"
#include "persistence/MissionScreen.h"
#include "persistence/NameEntryScreen.h"
#include "persistence/SaveScreen.h"

WorldObjects::WorldObjects() = default;
WorldObjects::~WorldObjects() = default;

void WorldObjects::free() {
  scenery.reset();
  state.reset();
  dude.reset();
}

void GameApp::freeWorlds() {
  for (WorldObjects& world : worlds) world.free();
}

GameApp::GameApp() {
  std::strcpy(caption, "Ilvy's Mission");
  width = 600;
  height = 480;
}

GameApp::~GameApp() = default;

int GameApp::Init() {
  graphics.Create();
  graphics.SetMode(window, options.windowed ? 1 : 0, 0, 800, 600, 16);
  input.Create(platformInput());
  keyboard.Create(&input, kKeyboard, 1);
  cursor.mouse.Create(&input, kMouse, 0);
  cursor.Load(&graphics);
  font.Create(&graphics, "Arial", 16, 0, 0, 0, 0);
  font.Begin();
  if (!options.headless) audio.Create(22050);
  audio.SetMasterVolume(100);
  sound.Attach(&audio);
  sound.Play("Data/Vibrate.wav", 5, 1);
  audio.SetMasterVolume(100);
  music.Attach(&audio);
  music.Load(kTitleMusic);
  music.SetVolume(90);
  music.Play(60, 0);
  fps = 0;
  currentScene = BootScene;
  return 1;
}

void GameApp::freeSceneScreens() {
  titleScreen.reset();
  mainMenuScreen.reset();
  creditsScreen.reset();
  informationScreen.reset();
  nameEntryScreen.reset();
  hallOfFameScreen.reset();
  questPanel.reset();
  quitDialog.reset();
  saveScreen.reset();
  loadScreen.reset();
  missionScreen.reset();
}

// Screens hold textures of the renderer, so they go before the graphics device does.
void GameApp::freeAllScreens() {
  freeSceneScreens();
  freeWorlds();
  backContinuePanel.reset();
  cursor.sheet.Destroy();
}

WorldObjects* GameApp::runningWorld() {
  const int world = worldOfQuest(questNumber);
  if (!world || !worlds[world - 1].state) return nullptr;
  return &worlds[world - 1];
}

int GameApp::Cleanup() {
  font.End();
  font.Release();
  keyboard.Release();
  cursor.mouse.Release();
  input.Release();
  freeAllScreens();
  sound.Release();
  music.Release();
  audio.Release();
  graphics.Release();
  return 1;
}

int GameApp::Frame() {
  music.Update();
  if (currentScene) currentScene(*this);
  return 1;
}
