#pragma once
#include <cstdint>
#include <random>
#include <string>

// Made-up play as replay script lines, from a seed, so a run that finds a fault can be repeated:
// keys tapped and held, the pointer moved and clicked (mostly where the game's buttons sit), idle
// stretches, and now and then a jump to a quest, its briefing or its result.
class RandomInput {
 public:
  explicit RandomInput(uint64_t seed) : rng(seed) {}
  std::string next();

 private:
  uint64_t below(uint64_t n) { return rng() % n; }
  std::string jump();
  std::mt19937_64 rng;
};
