#pragma once

class WorldState;
class Dude;
struct QuestObjects;

// The choice panel in the heads-up bar, shared by levers, catapults, stores and the trader (three
// choices), and its four-sign variant at suspicious walls.
namespace panel {

// Which choice and which sign the pointer is over.
void hover(WorldState& world, int cx, int cy);
// The panels of what the dude stands at: frame and pictures.
void draw(const WorldState& world, const QuestObjects* quest);
// Highlights the hovered choice; on a click, runs the choice's action for each panel that is up.
void runScripts(WorldState& world, Dude& dude, const QuestObjects* quest);

}  // namespace panel
