// The game's four music pieces, written as data.
#pragma once

#include <vector>

#include "Score.h"

namespace soundgen {

// Throws ScoreError when something in the written music does not add up.
std::vector<Piece> compositions();

}  // namespace soundgen
