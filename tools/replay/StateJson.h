#pragma once
#include <string>

class GameApp;

// The game's state as one JSON object: the game object's fields at the top level, then the pointer,
// the audio requests and the game record.
std::string stateJson(const GameApp& game);
