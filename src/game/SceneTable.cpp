#include <cstring>

#include "game/Scenes.h"

namespace {
struct SceneEntry {
  SceneRoutine routine;
  const char* name;
};
constexpr SceneEntry kScenes[] = {
    {BootScene, "BootScene"},
    {MainMenuScene, "MainMenuScene"},
    {CreditsScene, "CreditsScene"},
    {QuitScene, "QuitScene"},
    {InformationScene, "InformationScene"},
    {NameEntryScene, "NameEntryScene"},
    {HallOfFameScene, "HallOfFameScene"},
};
}  // namespace

const char* sceneName(SceneRoutine scene) {
  for (const SceneEntry& entry : kScenes)
    if (entry.routine == scene) return entry.name;
  return "none";
}

SceneRoutine sceneByName(const char* name) {
  for (const SceneEntry& entry : kScenes)
    if (std::strcmp(entry.name, name) == 0) return entry.routine;
  return nullptr;
}

SceneRoutine worldSceneOfQuest(int) { return nullptr; }
