#pragma once
#include <cstdint>

// The few ways in which the six worlds' engines differ, as data.
struct WorldRules {
  uint8_t world;
  const char* victoryMusic;
  uint8_t muffledSmashVolume;
  uint8_t coinVolume;
  // Worlds 1 and 2 keep negative positions in the quest image as a value and a sign byte.
  bool imageSignBytes;
  // Worlds 4 and 5 show the frames-per-second reading with a few debug lines.
  bool debugOverlay;
  // World 4: Enter on a solved quest goes on to the result screen like Continue.
  bool enterContinues;
};

// The rules of world 1 to 6.
const WorldRules& worldRules(int world);
