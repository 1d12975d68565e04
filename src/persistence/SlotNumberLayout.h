#pragma once
#include <cstdint>

#include "quests/QuestPanelLayout.h"

// Where the save and load rows, the save screen's header and the ending put their numbers: pure
// rules, so they can be checked without a screen.

// A score's lowest five digits from the left edge x, spaced by how many there are.
DigitRow savedScoreDigits(uint32_t score, int x);
// The running game's quest ordinal in the save screen's header, from x.
DigitRow headerOrdinalDigits(int ordinal, int x);
// A slot row's quest ordinal, from the row's left edge x.
DigitRow slotOrdinalDigits(int ordinal, int x);
