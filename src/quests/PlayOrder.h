#pragma once
#include <cstdint>

// The campaign: fifty quests in a fixed order that wanders through the six worlds. Quest numbers
// are 1 to 60; their tens pick the world.
constexpr int kCampaignLength = 50;
constexpr uint8_t kFirstQuest = 31;
constexpr uint8_t kLastQuest = 5;

// The world (1 to 6) that plays a quest number: 0..10 world 1, 11..20 world 2, ... 51..60 world 6;
// 0 for numbers above 60.
int worldOfQuest(int questNumber);
// The quest's place in the play order, 1 to 50; 0 for a quest the order never reaches.
int questOrdinal(int questNumber);
// Whether accepting this quest's result adds a gem to the necklace.
bool questAwardsGem(int questNumber);
// The quest after this one in the play order; 0 after the last.
int nextQuest(int questNumber);
