#pragma once
#include "quests/WorldArt.h"

// The sprite sheets of the quests of worlds 2 to 6.
int laterWorldSheetSlots(int questNumber);
SlotArt laterWorldSlotArt(int questNumber, int slot);
