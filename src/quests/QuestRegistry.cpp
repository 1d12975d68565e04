#include "quests/QuestRegistry.h"

namespace {

// Every quest that exists; each table carries its own quest number.
constexpr const QuestContent* kQuests[] = {
    &kQuest1, &kQuest2, &kQuest3, &kQuest4, &kQuest5, &kQuest6, &kQuest7, &kQuest8, &kQuest9, &kQuest10,
    &kQuest11, &kQuest12, &kQuest13, &kQuest14, &kQuest15, &kQuest16, &kQuest17, &kQuest18, &kQuest19, &kQuest20,
    &kQuest21, &kQuest22, &kQuest23, &kQuest24, &kQuest25,
    &kQuest31, &kQuest32, &kQuest33, &kQuest34, &kQuest35, &kQuest36, &kQuest37, &kQuest38, &kQuest39, &kQuest40,
    &kQuest41, &kQuest42, &kQuest43, &kQuest44, &kQuest45,
    &kQuest51, &kQuest52, &kQuest53, &kQuest54, &kQuest55, &kQuest56, &kQuest57, &kQuest58, &kQuest59, &kQuest60,
};

}  // namespace

std::span<const QuestContent* const> registeredQuests() { return kQuests; }

const QuestLayout* questLayout(int questNumber) {
  for (const QuestContent* quest : kQuests) {
    if (quest->layout && quest->layout->quest == questNumber) return quest->layout;
  }
  return nullptr;
}

const QuestObjects* questObjects(int questNumber) {
  for (const QuestContent* quest : kQuests) {
    if (quest->objects && quest->objects->quest == questNumber) return quest->objects;
  }
  return nullptr;
}
