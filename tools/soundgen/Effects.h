// The game's seven sound effects, each drawn by one small routine.
#pragma once

#include <span>

#include "Synth.h"

namespace soundgen {

struct Effect {
  const char* fileName;  // written under Data/
  Buffer (*render)();    // raw mix; renderEffect() trims the edges and sets the level
};

std::span<const Effect> effects();

// The finished effect: edges faded so it never clicks, peak at kEffectPeakDb.
Buffer renderEffect(const Effect& effect);

inline constexpr double kEffectPeakDb = -3.0;

}  // namespace soundgen
