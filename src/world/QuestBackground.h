#pragma once

// A few backgrounds are cut out in red where a prop drawn behind them (a gate, a door) shows through.
constexpr bool backgroundHasRedKey(int quest) { return quest == 2 || quest == 11 || quest == 21; }
// Quest 11's door shows only through the picture's keyed-out doorway, so it is drawn first.
constexpr bool propBehindBackground(int quest) { return quest == 11; }
