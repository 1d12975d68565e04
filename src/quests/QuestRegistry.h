#pragma once
#include <span>

#include "quests/QuestLayout.h"
#include "quests/QuestObjects.h"

// Every quest's content lives in its own file, quests/world<W>/Quest<N>.cpp, which defines
// kQuest<N> below. questLayout and questObjects find them through the table in QuestRegistry.cpp.
// A new quest: its file, its name on its world's line here and one row in that table.

struct QuestContent {
  const QuestLayout* layout;    // walls, start and goal
  const QuestObjects* objects;  // objects, scripts and drawing lines
};

// Every quest that exists, in the table's order. questLayout(n) and questObjects(n) find theirs here.
std::span<const QuestContent* const> registeredQuests();

// World 1.
extern const QuestContent kQuest1, kQuest2, kQuest3, kQuest4, kQuest5, kQuest6, kQuest7, kQuest8, kQuest9, kQuest10;

// World 2.
extern const QuestContent kQuest11, kQuest12, kQuest13, kQuest14, kQuest15, kQuest16, kQuest17, kQuest18, kQuest19,
    kQuest20;

// World 3.
extern const QuestContent kQuest21, kQuest22, kQuest23, kQuest24, kQuest25;

// World 4.
extern const QuestContent kQuest31, kQuest32, kQuest33, kQuest34, kQuest35, kQuest36, kQuest37, kQuest38, kQuest39,
    kQuest40;

// World 5.
extern const QuestContent kQuest41, kQuest42, kQuest43, kQuest44, kQuest45;

// World 6.
extern const QuestContent kQuest51, kQuest52, kQuest53, kQuest54, kQuest55, kQuest56, kQuest57, kQuest58, kQuest59,
    kQuest60;

