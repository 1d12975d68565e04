#include "world/WorldRules.h"

namespace {
constexpr WorldRules kWorlds[6] = {
    {1, "Data/Music3.mid", 73, 84, true, false, false, false, true, BallRolling::AlwaysLeft, 0.2f, false},
    {2, "Data/Music4.mid", 70, 80, true, false, false, false, true, BallRolling::ByFlags, 0.2f, false},
    {3, "Data/Music4.mid", 70, 80, false, false, false, false, true, BallRolling::ByFlags, 0.2f, false},
    {4, "Data/Music3.mid", 73, 84, false, true, true, true, false, BallRolling::ThreeBalls, 0.05f, true},
    {5, "Data/Music4.mid", 70, 80, false, false, true, false, true, BallRolling::ByFlags, 0.2f, false},
    {6, "Data/Music4.mid", 70, 80, false, false, false, false, true, BallRolling::ByFlags, 0.2f, false},
};
}  // namespace

const WorldRules& worldRules(int world) { return kWorlds[(world >= 1 && world <= 6 ? world : 1) - 1]; }
