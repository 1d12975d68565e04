#pragma once
#include <string>

class GameApp;

// The game's state as one JSON object: the game object's fields at the top level, then the pointer,
// the audio requests, the game record, the running quest's dude, world and scenery, and whichever
// screens are open.
std::string stateJson(const GameApp& game);
