#include <gtest/gtest.h>

#include <set>

#include "quests/PlayOrder.h"
#include "quests/QuestRegistry.h"

// A quest file copied from another and not renumbered, a row left out of the registry or a number
// the campaign never plays would each leave a quest that loads someone else's tables or none.
TEST(QuestRegistry, EveryQuestIsFoundUnderItsOwnNumberWithBothItsTables) {
  std::set<int> numbers;
  for (const QuestContent* quest : registeredQuests()) {
    ASSERT_NE(quest->layout, nullptr);
    ASSERT_NE(quest->objects, nullptr);
    const int number = quest->layout->quest;
    SCOPED_TRACE(testing::Message() << "quest " << number);
    EXPECT_EQ(int(quest->objects->quest), number);
    EXPECT_TRUE(numbers.insert(number).second) << "registered twice";
    EXPECT_NE(questOrdinal(number), 0) << "the campaign never plays it";
    EXPECT_EQ(questLayout(number), quest->layout);
    EXPECT_EQ(questObjects(number), quest->objects);
  }
  EXPECT_FALSE(numbers.empty());
  for (int number = -1; number <= 61; ++number) {
    if (numbers.count(number)) continue;
    EXPECT_EQ(questLayout(number), nullptr) << number;
    EXPECT_EQ(questObjects(number), nullptr) << number;
  }
}
