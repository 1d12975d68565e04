#pragma once
#include "game/GameApp.h"

// The scene routines of the front-end.
void BootScene(GameApp& game);
void MainMenuScene(GameApp& game);
void CreditsScene(GameApp& game);
void QuitScene(GameApp& game);
void InformationScene(GameApp& game);
void NameEntryScene(GameApp& game);
void HallOfFameScene(GameApp& game);

// The table of scenes: each routine with its name.
const char* sceneName(SceneRoutine scene);
SceneRoutine sceneByName(const char* name);
// The world scene that plays a quest; null while no world scene exists for it.
SceneRoutine worldSceneOfQuest(int questNumber);
