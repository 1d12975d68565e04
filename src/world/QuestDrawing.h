#pragma once

class WorldState;
struct QuestObjects;

// Draws the quest's objects by its drawing lines, then the rolling ball and the flying bursts.
void drawQuestObjects(const WorldState& world, const QuestObjects* quest);
// The falling rocks, drawn under the heads-up bar.
void drawRocks(const WorldState& world);
