#pragma once
#include <cstdint>

// How a world's balls roll.
enum class BallRolling : uint8_t {
  AlwaysLeft,  // world 1: the machine's ball rolls left
  ByFlags,     // worlds 2, 3, 5, 6: ballRollsLeft and ballRollsRight say which way
  ThreeBalls,  // world 4: up to three balls wait until a quest script releases them
};

// The few ways in which the six worlds' engines differ, as data.
struct WorldRules {
  uint8_t world;
  const char* victoryMusic;
  uint8_t muffledSmashVolume;
  uint8_t coinVolume;
  // Worlds 1 and 2 keep negative positions in the quest image as a value and a sign byte.
  bool imageSignBytes;
  // World 4's quest image also keeps its walking figure and an armed trampoline bounce.
  bool imageWalkerAndBounce;
  // Worlds 4 and 5 show the frames-per-second reading with a few debug lines.
  bool debugOverlay;
  // World 4: Enter on a solved quest goes on to the result screen like Continue.
  bool enterContinues;
  // World 4's levers are free; elsewhere a visit to a lever costs a heart.
  bool leversCostHearts;
  BallRolling balls;
  // The scenery's closing gate vanishes once its scale falls below this.
  float gateVanishesBelow;
  // World 4's horn opens its passage itself and shows in the bar; elsewhere the scenery's gate
  // animation answers the horn.
  bool hornOpensPassage;
};

// The rules of world 1 to 6.
const WorldRules& worldRules(int world);
