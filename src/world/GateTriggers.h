#pragma once

class WorldState;
class QuestScenery;
struct QuestObjects;

// What starts a world-4 quest's gate animation every frame: ball 1 no longer rolling (quest 31)
// or the horn taken (quest 33).
void runGateTriggers(WorldState& w, QuestScenery& scenery, const QuestObjects* q);
// Quest 32: the press that released the gate opens the grate when it is sounded.
void openGateOnSoundedPress(const WorldState& w, QuestScenery& scenery, const QuestObjects* q);
