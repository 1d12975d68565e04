#include "quests/QuestLayout.h"
#include "quests/world4/World4Quests.h"

// World 1's quests, one namespace each: the dude's walls and start, and the goal. A quest's objects
// belong beside its walls, in the same namespace.

namespace {

constexpr GoalArea kNoGoal{0, 0, 0, 0};

// Solved at the trader by handing over the gem, so the quest has no goal area.
namespace quest1 {
constexpr HorizontalWall kUp[] = {
    {0, 57, 396}, {57, 108, 245}, {108, 130, 396}, {130, 400, 94},
    {182, 652, 396}, {270, 495, 294}, {495, 545, 190}, {545, 651, 294},
    {651, 706, 144}, {706, 777, 227}, {706, 800, 396},
};
constexpr HorizontalWall kDown[] = {
    {0, 535, 458}, {182, 400, 154}, {270, 652, 355}, {706, 777, 285},
};
constexpr VerticalWall kLeft[] = {
    {57, 245, 396}, {130, 94, 396}, {535, 458, 500}, {652, 355, 396},
    {270, 294, 355}, {495, 190, 294}, {651, 144, 294},
};
constexpr VerticalWall kRight[] = {
    {108, 245, 396}, {400, 94, 154}, {182, 154, 396}, {545, 190, 294},
    {706, 144, 227}, {777, 227, 285}, {706, 285, 396},
};
constexpr DudeLayout kDude{20, 402, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{1, kDude, false, kNoGoal};
}  // namespace quest1

namespace quest2 {
constexpr HorizontalWall kUp[] = {
    {757, 800, 440}, {706, 757, 420}, {680, 706, 440}, {628, 680, 420},
    {544, 628, 440}, {489, 544, 400}, {341, 489, 440}, {285, 341, 400},
    {70, 285, 440}, {70, 207, 281}, {21, 300, 126}, {233, 373, 247},
    {412, 553, 247}, {594, 639, 247}, {639, 688, 168}, {688, 734, 247},
};
constexpr HorizontalWall kDown[] = {
    {70, 207, 355}, {70, 300, 187}, {233, 373, 380}, {412, 553, 380},
    {594, 734, 380},
};
constexpr VerticalWall kLeft[] = {
    {706, 420, 440}, {628, 420, 440}, {489, 400, 440}, {285, 400, 440},
    {21, 126, 500}, {233, 247, 380}, {412, 247, 380}, {594, 247, 380},
    {639, 168, 247},
};
constexpr VerticalWall kRight[] = {
    {757, 420, 440}, {680, 420, 440}, {544, 400, 440}, {341, 400, 440},
    {70, 355, 440}, {207, 281, 355}, {70, 187, 281}, {300, 126, 187},
    {373, 247, 380}, {553, 247, 380}, {734, 247, 380}, {688, 168, 247},
};
constexpr DudeLayout kDude{766, 449, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{2, kDude, true, {639, 168, 49, 20}};
}  // namespace quest2

namespace quest3 {
constexpr HorizontalWall kUp[] = {
    {89, 800, 427}, {0, 697, 255}, {0, 364, 87}, {470, 800, 87},
};
constexpr HorizontalWall kDown[] = {
    {89, 800, 335}, {0, 697, 165},
};
constexpr VerticalWall kLeft[] = {
    {697, 165, 255}, {364, 0, 87},
};
constexpr VerticalWall kRight[] = {
    {89, 335, 427}, {470, 0, 87},
};
constexpr DudeLayout kDude{20, 440, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{3, kDude, true, {364, 67, 106, 20}};
}  // namespace quest3

namespace quest4 {
constexpr HorizontalWall kUp[] = {
    {0, 207, 414}, {324, 474, 414}, {592, 800, 414}, {119, 326, 244},
    {476, 800, 244}, {0, 800, 78},
};
constexpr HorizontalWall kDown[] = {
    {0, 207, 333}, {324, 474, 333}, {592, 800, 333}, {119, 326, 165},
    {476, 800, 165},
};
constexpr VerticalWall kLeft[] = {
    {207, 333, 414}, {474, 333, 414}, {326, 165, 244}, {591, 78, 165},
};
constexpr VerticalWall kRight[] = {
    {324, 333, 414}, {592, 333, 414}, {119, 165, 244}, {476, 165, 244},
    {213, 78, 165}, {762, 414, 500},
};
constexpr DudeLayout kDude{5, 440, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{4, kDude, true, {326, 200, 150, 24}};
}  // namespace quest4

namespace quest5 {
constexpr HorizontalWall kUp[] = {
    {56, 330, 44}, {56, 114, 142}, {56, 114, 239}, {56, 114, 339},
    {56, 166, 437}, {495, 580, 437}, {301, 361, 375}, {361, 435, 437},
    {580, 640, 200}, {721, 782, 292}, {782, 800, 437}, {166, 226, 142},
    {226, 431, 167}, {431, 491, 61}, {595, 790, 45}, {640, 721, 437},
    {226, 301, 437},
};
constexpr HorizontalWall kDown[] = {
    {56, 330, 113}, {56, 114, 212}, {56, 114, 310}, {56, 114, 411},
    {721, 782, 236}, {226, 435, 235}, {595, 721, 115}, {782, 800, 115},
};
constexpr VerticalWall kLeft[] = {
    {166, 272, 437}, {301, 375, 437}, {435, 272, 437}, {580, 200, 437},
    {721, 292, 437}, {166, 142, 437}, {721, 115, 236}, {595, 45, 115},
    {431, 61, 167},
};
constexpr VerticalWall kRight[] = {
    {56, 0, 44}, {330, 44, 113}, {114, 142, 212}, {114, 239, 310},
    {114, 339, 411}, {56, 113, 142}, {56, 212, 239}, {56, 310, 339},
    {56, 411, 437}, {226, 235, 437}, {361, 375, 437}, {493, 61, 437},
    {640, 200, 437}, {782, 292, 437}, {782, 115, 236}, {226, 142, 167},
};
constexpr DudeLayout kDude{300, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{5, kDude, true, {431, 60, 62, 20}};
}  // namespace quest5

namespace quest6 {
constexpr HorizontalWall kUp[] = {
    {0, 132, 375}, {0, 132, 216}, {132, 310, 54}, {310, 368, 384},
    {431, 480, 384}, {480, 661, 54}, {661, 800, 215}, {661, 800, 376},
};
constexpr HorizontalWall kDown[] = {
    {0, 195, 448}, {0, 132, 287}, {195, 247, 122}, {247, 368, 452},
    {431, 545, 452}, {545, 598, 122}, {661, 800, 287}, {598, 800, 448},
};
constexpr VerticalWall kLeft[] = {
    {132, 287, 375}, {132, 54, 216}, {247, 122, 452}, {368, 452, 500},
    {368, 160, 384}, {480, 54, 384}, {598, 122, 448},
};
constexpr VerticalWall kRight[] = {
    {195, 122, 448}, {310, 54, 384}, {431, 160, 384}, {431, 452, 500},
    {545, 122, 452}, {661, 54, 215}, {661, 287, 376},
};
constexpr DudeLayout kDude{386, 446, 2, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{6, kDude, true, {372, 136, 62, 20}};
}  // namespace quest6

namespace quest7 {
constexpr HorizontalWall kUp[] = {
    {74, 800, 390}, {0, 800, 25}, {185, 723, 212},
};
constexpr HorizontalWall kDown[] = {
    {0, 800, 470}, {74, 723, 106}, {185, 800, 291},
};
constexpr VerticalWall kLeft[] = {
    {723, 106, 212},
};
constexpr VerticalWall kRight[] = {
    {74, 106, 390},
};
constexpr DudeLayout kDude{763, 406, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{7, kDude, true, {185, 212, 135, 81}};
}  // namespace quest7

namespace quest8 {
constexpr HorizontalWall kUp[] = {
    {0, 68, 440}, {125, 184, 290}, {50, 168, 80}, {272, 390, 174},
    {390, 502, 44}, {630, 745, 51}, {535, 650, 249}, {330, 440, 363},
    {640, 727, 436}, {727, 800, 293},
};
constexpr HorizontalWall kDown[] = {
    {125, 184, 360}, {50, 68, 150}, {125, 168, 150}, {272, 390, 242},
    {390, 502, 114}, {630, 745, 120}, {535, 650, 318}, {330, 440, 432},
};
constexpr VerticalWall kLeft[] = {
    {68, 150, 440}, {50, 80, 150}, {727, 293, 436},
};
constexpr VerticalWall kRight[] = {
    {125, 360, 500}, {184, 290, 360}, {168, 80, 150}, {125, 150, 290},
};
constexpr DudeLayout kDude{752, 436, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{8, kDude, true, {0, 465, 125, 35}};
}  // namespace quest8

namespace quest9 {
constexpr HorizontalWall kUp[] = {
    {65, 276, 436}, {65, 276, 268}, {342, 429, 436}, {494, 577, 436},
    {577, 800, 84}, {429, 494, 84},
};
constexpr HorizontalWall kDown[] = {
    {65, 276, 347}, {642, 733, 162},
};
constexpr VerticalWall kLeft[] = {
    {65, 436, 500}, {276, 347, 436}, {65, 268, 347}, {276, 84, 268},
    {429, 84, 436}, {577, 84, 436}, {733, 162, 500},
};
constexpr VerticalWall kRight[] = {
    {342, 84, 436}, {494, 84, 436}, {642, 162, 500},
};
constexpr DudeLayout kDude{448, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{9, kDude, true, {276, 84, 66, 50}};
}  // namespace quest9

namespace quest10 {
constexpr HorizontalWall kUp[] = {
    {210, 256, 429}, {256, 312, 365}, {312, 378, 45}, {378, 503, 100},
    {503, 568, 45}, {568, 742, 240}, {742, 800, 61}, {568, 742, 431},
};
constexpr HorizontalWall kDown[] = {
    {325, 378, 436}, {378, 503, 173}, {568, 742, 312},
};
constexpr VerticalWall kLeft[] = {
    {145, 240, 500}, {256, 365, 429}, {312, 45, 365}, {503, 45, 100},
    {503, 173, 500}, {742, 61, 240}, {742, 312, 431},
};
constexpr VerticalWall kRight[] = {
    {210, 240, 429}, {325, 436, 500}, {378, 173, 436}, {378, 45, 100},
    {568, 45, 240}, {568, 312, 431},
};
constexpr DudeLayout kDude{710, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{10, kDude, true, {145, 220, 65, 30}};
}  // namespace quest10

// Every quest that has a layout; later worlds add theirs here.
const QuestLayout* const kLayouts[] = {
    &quest31::kLayout,
    &quest1::kLayout, &quest2::kLayout, &quest3::kLayout, &quest4::kLayout, &quest5::kLayout,
    &quest6::kLayout, &quest7::kLayout, &quest8::kLayout, &quest9::kLayout, &quest10::kLayout,
};

}  // namespace

const QuestLayout* questLayout(int questNumber) {
  for (const QuestLayout* layout : kLayouts) {
    if (layout->quest == questNumber) return layout;
  }
  return nullptr;
}
