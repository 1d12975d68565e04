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
void QuestBriefingScene(GameApp& game);
void QuestResultScene(GameApp& game);
void SaveScene(GameApp& game);
void LoadScene(GameApp& game);
void MissionScene(GameApp& game);
// One frame each, drawing nothing: they write or read the slot their screen picked.
void SaveWriterScene(GameApp& game);
void SaveLoaderScene(GameApp& game);
// One scene per world; they share one engine.
void WorldScene1(GameApp& game);
void WorldScene2(GameApp& game);
void WorldScene3(GameApp& game);
void WorldScene4(GameApp& game);
void WorldScene5(GameApp& game);
void WorldScene6(GameApp& game);

// The table of scenes: each routine with its name.
const char* sceneName(SceneRoutine scene);
SceneRoutine sceneByName(const char* name);
// The world scene that plays a quest; null while no world scene exists for it.
SceneRoutine worldSceneOfQuest(int questNumber);
