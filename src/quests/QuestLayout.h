#pragma once
#include <cstdint>
#include <span>

// The parts of a quest's layout that the world engine reads: where the dude starts, its hearts,
// its invisible walls and the goal. The game, the tests and the background generator read the
// same tables.

// A horizontal wall stops the dude's top edge moving up across y (up list) or its bottom edge
// moving down across y (down list), between x1 and x2.
struct HorizontalWall {
  int x1, x2, y;
};
// A vertical wall stops the dude's left edge moving left across x (left list) or its right edge
// moving right across x (right list), between y1 and y2.
struct VerticalWall {
  int x, y1, y2;
};

struct GoalArea {
  int x, y, width, height;
};

struct DudeLayout {
  int startX, startY;
  uint8_t hearts;
  std::span<const HorizontalWall> up, down;
  std::span<const VerticalWall> left, right;
};

struct QuestLayout {
  uint8_t quest;
  DudeLayout dude;
  bool hasGoal;
  GoalArea goal;
};

// The layout of a quest, or null for a quest number without one.
const QuestLayout* questLayout(int questNumber);
