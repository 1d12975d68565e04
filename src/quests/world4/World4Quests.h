#pragma once
#include "quests/QuestLayout.h"
#include "quests/QuestObjects.h"

// World 4's quests, one source file each.
namespace quest31 {
extern const QuestLayout kLayout;
const QuestObjects& objects();
}  // namespace quest31
