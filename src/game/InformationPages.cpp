#include "game/InformationPages.h"

namespace {
using C = InformationScreen::Counter;

constexpr InformationDraw picture(int slot, C frame, int x, int y, float scaleX, float scaleY) {
  return {false, x, y, slot, frame, scaleX, scaleY, 0, 0, nullptr};
}
constexpr InformationDraw picture(int slot, C frame, int x, int y, float scale) {
  return picture(slot, frame, x, y, scale, scale);
}
constexpr InformationDraw text(int x, int y, int width, uint32_t colour, const char* line) {
  return {true, x, y, 0, C::kFixed, 0, 0, width, colour, line};
}

constexpr InformationDraw kPage0[] = {
    picture(29, C::kFixed, 40, 70, 1.0f),
    text(125, 90, 500, 0xFFFA8232, "Mission - "),
    text(220, 90, 500, 0xFF1E78F0, "Solve 50 quests and find your mission from Ilvy!"),
    picture(28, C::kFixed, 40, 140, 0.9f),
    text(159, 142, 550, 0xFF1EB428, "- After solving a quest you get points for the time left over"),
    text(170, 165, 400, 0xFF1EB428, "and 10 points for each heart you still have."),
    picture(9, C::kDude, 40, 200, 0.9f, 0.8f),
    text(125, 220, 500, 0xFFE6E6E6, "You  - "),
    text(190, 220, 500, 0xFFB4B4FA, "Move your dude with the arrows -> on the keyboard."),
    picture(10, C::kFixed, 40, 280, 0.9f),
    text(125, 290, 500, 0xFFFF3232, "Heart  - "),
    text(210, 290, 500, 0xFFFF9632, "Get food to get a heart. Need hearts to use levers."),
    picture(11, C::kCoin, 40, 345, 0.9f),
    text(125, 350, 500, 0xFFFFFA32, "Coin  - "),
    text(205, 350, 500, 0xFFC3BE32, "You need coins to buy stuff."),
    picture(12, C::kWeight, 36, 400, 1.2f),
    text(125, 410, 500, 0xFF505050, "Weight  - "),
    text(216, 410, 500, 0xFF969696, "You need weights to use catapults"),
    picture(13, C::kFood, 39, 470, 1.1f),
    text(125, 480, 500, 0xFFA05050, "Food  - "),
    text(216, 480, 500, 0xFF967832, "Find or buy food to get hearts."),
    picture(27, C::kKey, 46, 551, 1.2f),
    text(125, 550, 500, 0xFF8C3232, "Key  - "),
    text(216, 550, 500, 0xFF8C3C3C, "Keys open doors."),
};

constexpr InformationDraw kPage1[] = {
    picture(14, C::kFixed, 43, 95, 0.7f),
    text(125, 105, 500, 0xFFE682C8, "Lever  - "),
    text(206, 105, 550, 0xFFB4B4FA, "Each lever has a unique function: making blocks vanish"),
    text(206, 128, 560, 0xFFB4B4FA, "or appear, moving teleporters, moving ladders, and more...  "),
    text(206, 151, 560, 0xFFB4B4FA, "A levers takes a heart if you start to use it. "),
    picture(16, C::kFixed, 40, 201, 1.4f),
    picture(15, C::kTeleporter, 45, 170, 1.3f),
    text(105, 200, 500, 0xFF8282C8, "Teleporter  - "),
    text(230, 200, 550, 0xFF6464B4, "Just step into a teleporter and come out someplace else!"),
    picture(17, C::kFixed, 26, 264, 1.2f),
    text(121, 270, 500, 0xFFA03232, "Catapult  - "),
    text(230, 270, 550, 0xFFBE6432, "Want to fly?  A weight is needed to use it."),
    picture(18, C::kFixed, 44, 330, 1.1f),
    text(149, 350, 500, 0xFFA09696, "Vase  - "),
    text(230, 350, 550, 0xFFB4B496, "Vases block your way."),
    picture(20, C::kFixed, 22, 437, 1.2f),
    text(124, 430, 500, 0xFFFAFA96, "Suspicious Walls - "),
    text(304, 430, 550, 0xFFB4B496, "Once you are over this wall then to open it touch "),
    text(149, 466, 550, 0xFFB4B496, "the sign which looks different from the others. "),
    text(145, 502, 550, 0xFFB4B496, "Make the choice in your inventory (like with stores) "),
    picture(31, C::kFixed, 628, 455, 1.25f, 1.18f),
    picture(26, C::kFixed, 38, 541, 1.3f),
    text(119, 556, 500, 0xFFFA2832, "Doors  - "),
    text(204, 556, 550, 0xFFB45032, "The right key will open it."),
};

constexpr InformationDraw kPage2[] = {
    picture(21, C::kFixed, 40, 105, 1.1f),
    text(125, 143, 500, 0xFF9B9696, "Machine  - "),
    text(240, 143, 500, 0xFFAABE96, "Machines create balls."),
    picture(22, C::kBall, 33, 210, 0.9f),
    text(125, 220, 500, 0xFF19A032, "Ball  - "),
    text(194, 220, 550, 0xFF327832, "A large ball rolls by and you lose a heart if it touches you."),
    picture(23, C::kRock, 45, 290, 0.8f, 1.1f),
    text(125, 290, 500, 0xFFA5A096, "Rock  - "),
    text(203, 290, 550, 0xFF787878, "Same as balls but rocks fall downward."),
    picture(24, C::kFixed, 36, 350, 1.1f, 1.3f),
    text(125, 360, 500, 0xFF787878, "Block  - "),
    text(205, 360, 550, 0xFFB4B4B4, "Is your path blocked? "),
    text(205, 383, 550, 0xFFB4B4B4, "Well many things can block your way besides a block!"),
    picture(25, C::kHammer, 30, 430, 0.8f),
    text(125, 460, 500, 0xFFAA6428, "Hammer  - "),
    text(240, 460, 550, 0xFFBE8C64, "Hammers break blocks,machines,vases... "),
    picture(30, C::kFixed, 40, 510, 1.1f),
    text(125, 540, 500, 0xFFAAAA28, "Store  - "),
    text(214, 540, 550, 0xFF8C3C0A, "Stores sell stuff !"),
};

constexpr InformationDraw kPage3[] = {
    picture(33, C::kFixed, 40, 115, 0.8f),
    text(115, 143, 500, 0xFFFF3232, "Trampoline  - "),
    text(261, 143, 500, 0xFFFA6464, "Jump on it and you bounce! "),
    picture(34, C::kFixed, 45, 210, 0.8f),
    text(125, 240, 500, 0xFFFAA096, "Button  - "),
    text(220, 240, 550, 0xFFFAAAA0, "Click on it and see what happens."),
};

template <int N>
constexpr InformationPage page(const InformationDraw (&draws)[N]) {
  return {draws, N};
}
}  // namespace

const InformationPage kInformationPages[InformationScreen::kPages] = {page(kPage0), page(kPage1), page(kPage2),
                                                                       page(kPage3)};
