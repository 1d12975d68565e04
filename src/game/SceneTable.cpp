#include <cstring>

#include "game/Scenes.h"
#include "quests/PlayOrder.h"

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
    {QuestBriefingScene, "QuestBriefingScene"},
    {QuestResultScene, "QuestResultScene"},
    {SaveScene, "SaveScene"},
    {SaveWriterScene, "SaveWriterScene"},
    {LoadScene, "LoadScene"},
    {SaveLoaderScene, "SaveLoaderScene"},
    {MissionScene, "MissionScene"},
    {WorldScene1, "WorldScene1"},
    {WorldScene2, "WorldScene2"},
    {WorldScene3, "WorldScene3"},
    {WorldScene4, "WorldScene4"},
    {WorldScene5, "WorldScene5"},
    {WorldScene6, "WorldScene6"},
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

SceneRoutine worldSceneOfQuest(int questNumber) {
  static constexpr SceneRoutine kWorldScenes[6] = {WorldScene1, WorldScene2, WorldScene3,
                                                   WorldScene4, WorldScene5, WorldScene6};
  const int world = worldOfQuest(questNumber);
  return world ? kWorldScenes[world - 1] : nullptr;
}
