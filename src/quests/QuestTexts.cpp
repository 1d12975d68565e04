#include "quests/QuestTexts.h"

#include <initializer_list>

namespace {

constexpr uint32_t rgb(int red, int green, int blue) {
  return 0xFF000000u | uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue);
}

struct QuestGoal {
  int quest;
  TextLine line;
};

// The briefing's goal line of every quest the campaign reaches. Leading and trailing blanks belong
// to the text: they shift it inside its rectangle.
constexpr QuestGoal kGoals[] = {
    {1, {" Retrieve the herb of healing.", 258, 410, 300, rgb(20, 130, 10)}},
    {2, {" You are needed at the castle.", 245, 410, 300, rgb(180, 60, 10)}},
    {3, {"Find the throne room and speak with princess Ilvy.", 162, 360, 470, rgb(220, 20, 10)}},
    {4, {"Talk to princess Ilvy.", 287, 410, 300, rgb(220, 20, 10)}},
    {5, {"Find the letter addressed to you!", 242, 410, 300, rgb(150, 120, 90)}},
    {6, {"Find the owner of the shield.", 260, 410, 300, rgb(100, 150, 100)}},
    {7, {" Talk to the old wizard and give him his wand! ", 188, 390, 400, rgb(100, 100, 150)}},
    {8, {" Go across the river. ", 290, 410, 300, rgb(100, 120, 200)}},
    {9, {"Go to the desert", 310, 410, 300, rgb(120, 140, 10)}},
    {10, {"The pyramid will surely have treasure!", 225, 410, 350, rgb(190, 140, 10)}},
    {11, {"Find the entrance to the lower level.", 228, 410, 350, rgb(190, 140, 10)}},
    {12, {"Climb down the ladder.", 285, 410, 350, rgb(190, 140, 10)}},
    {13, {"Find the gem of light.", 291, 410, 350, rgb(190, 140, 10)}},
    {14, {"Return the red bow to its owner.", 250, 410, 350, rgb(150, 160, 180)}},
    {15, {"Find the entrance to the green cave.", 220, 410, 350, rgb(30, 130, 10)}},
    {16, {"Enter the dungeon of hope!", 260, 410, 350, rgb(130, 130, 130)}},
    {17, {"Go to the mountains.", 290, 410, 350, rgb(130, 130, 130)}},
    {18, {"Find the magician's wand.", 270, 410, 350, rgb(200, 10, 30)}},
    {19, {"Find the red bow.", 305, 410, 350, rgb(200, 10, 30)}},
    {20, {"Reach the cave of mystery!", 260, 410, 350, rgb(120, 120, 110)}},
    {21, {"Find the shield of lightning!", 265, 410, 350, rgb(150, 150, 150)}},
    {22, {"Find the blue shoes.", 292, 410, 350, rgb(150, 150, 250)}},
    {23, {"Find the blue gloves.", 292, 410, 350, rgb(150, 150, 250)}},
    {24, {"Find the amulet of health.", 276, 410, 350, rgb(50, 150, 50)}},
    {25, {"Take the white pearl !", 285, 410, 350, rgb(150, 150, 150)}},
    {31, {"Enter the Palace!", 304, 410, 350, rgb(20, 90, 200)}},
    {32, {"Find the entrance to the throne room.", 230, 410, 350, rgb(240, 40, 20)}},
    {33, {"Talk to Princess Ilvy!", 286, 410, 350, rgb(100, 150, 250)}},
    {34, {"Go to the apple tree.", 284, 410, 350, rgb(140, 60, 30)}},
    {35, {"Enter the green dungeon!", 280, 410, 350, rgb(40, 150, 70)}},
    {36, {"Find the lower level.", 295, 410, 350, rgb(40, 150, 70)}},
    {37, {"Recover the gem of health!", 267, 410, 350, rgb(100, 130, 200)}},
    {38, {"Enter the brown dungeon!", 280, 410, 350, rgb(140, 50, 10)}},
    {39, {"Go down the ladder.", 290, 410, 350, rgb(160, 50, 10)}},
    {40, {"Find the bag of treasure!", 280, 410, 350, rgb(130, 120, 30)}},
    {41, {"Find the map.", 320, 410, 350, rgb(180, 110, 30)}},
    {42, {"Enter the brown dungeon.", 270, 410, 350, rgb(160, 80, 10)}},
    {43, {"Enter the lower level.", 296, 410, 350, rgb(160, 80, 10)}},
    {44, {"Find the lowest level.", 295, 410, 350, rgb(160, 80, 10)}},
    {45, {"Recover the gem of power!", 264, 410, 350, rgb(190, 120, 60)}},
    {51, {"Find the entrance to the lower level.", 236, 410, 350, rgb(140, 160, 50)}},
    {52, {"Find the entrance to the lowest level.", 233, 410, 350, rgb(140, 160, 50)}},
    {53, {"Find the silver sword!", 290, 410, 350, rgb(180, 180, 170)}},
    {54, {"Find the crystal gem!", 290, 410, 350, rgb(180, 180, 30)}},
    {55, {"Open the blue door.", 296, 410, 350, rgb(170, 140, 70)}},
    {56, {"Open the yellow door.", 288, 410, 350, rgb(170, 170, 70)}},
    {57, {"Find the green gem!", 295, 410, 350, rgb(20, 110, 30)}},
    {58, {"Break the vase to find the entrance. ", 235, 410, 350, rgb(80, 100, 180)}},
    {59, {"Find and open the blue door! ", 260, 410, 350, rgb(80, 130, 180)}},
    {60, {"Recover the gem of wonder! ", 260, 410, 350, rgb(80, 130, 180)}},
};

struct ContinueButton {
  ContinuePlace place;
  int x, y;
};
constexpr ContinueButton fixedAt(int x, int y) { return {ContinuePlace::Fixed, x, y}; }
constexpr ContinueButton kAtButtonFields{ContinuePlace::ButtonFields, 0, 0};
constexpr ContinueButton kAtButtonFieldsRaised{ContinuePlace::ButtonFieldsRaised, 0, 0};

struct ExtraPicture {
  int slot, x, y;
  float scale;
};
constexpr ExtraPicture kNoPicture{-1, 0, 0, 0.0f};

constexpr SolvedMessage message(int quest, int frameX, float frameScale, ContinueButton button,
                                std::initializer_list<TextLine> lines,
                                ExtraPicture picture = kNoPicture) {
  SolvedMessage result{};
  result.quest = uint8_t(quest);
  result.frameX = frameX;
  result.frameScale = frameScale;
  result.continuePlace = button.place;
  result.continueX = button.x;
  result.continueY = button.y;
  for (const TextLine& line : lines) result.lines[result.lineCount++] = line;
  result.pictureSlot = picture.slot;
  result.pictureX = picture.x;
  result.pictureY = picture.y;
  result.pictureScale = picture.scale;
  return result;
}

// Quest 6's message opens with a lone blank line, which draws nothing.
constexpr SolvedMessage kMessages[] = {
    message(1, 290, 2.5f, fixedAt(320, 440),
            {{"The healing herb is yours!", 340, 524, 250, rgb(20, 150, 10)},
             {"You can keep the gem too!", 338, 553, 250, rgb(160, 150, 10)}}),
    message(2, 300, 2.3f, fixedAt(320, 440),
            {{"Princess Ilvy ", 383, 530, 250, rgb(20, 150, 10)},
             {"is waiting for you!", 370, 555, 250, rgb(20, 150, 10)}}),
    message(3, 300, 2.3f, fixedAt(320, 442),
            {{"Come in!", 410, 540, 250, rgb(20, 150, 10)}}),
    message(4, 300, 2.3f, kAtButtonFields,
            {{"Thank You ", 395, 530, 250, rgb(20, 150, 10)},
             {"for the herb of healing", 354, 555, 250, rgb(20, 150, 10)}}),
    message(5, 282, 2.6f, kAtButtonFields,
            {{"Ilvy's message: ", 385, 516, 250, rgb(20, 100, 150)},
             {"Come back to the castle!", 345, 545, 250, rgb(220, 150, 10)},
             {"I have a huge quest for you!", 332, 565, 250, rgb(220, 150, 10)}}),
    message(6, 255, 2.3f, kAtButtonFields,
            {{" ", 338, 530, 250, rgb(20, 150, 10)},
             {"Thank you for the shield!", 300, 540, 250, rgb(150, 150, 150)}}),
    message(7, 200, 2.9f, kAtButtonFields,
            {{"Wizard says:", 330, 516, 250, rgb(200, 30, 30)},
             {"Thank you for the wand! Search", 251, 540, 270, rgb(150, 150, 10)},
             {"the dungeons under my towers!", 254, 560, 350, rgb(150, 150, 10)}}),
    message(8, 300, 2.3f, kAtButtonFields,
            {{" You made it! ", 382, 540, 250, rgb(20, 150, 10)}}),
    message(9, 300, 2.3f, kAtButtonFields,
            {{" The desert is open ", 360, 530, 290, rgb(130, 150, 10)},
             {" for exploration ", 380, 555, 290, rgb(130, 150, 10)}}),
    message(10, 300, 2.3f, kAtButtonFields,
            {{" Search the pyramid  ", 360, 530, 290, rgb(130, 150, 10)},
             {" for treasure ", 400, 555, 290, rgb(130, 150, 10)}}),
    message(11, 244, 2.5f, kAtButtonFields,
            {{"You reached the entrance!", 292, 540, 250, rgb(140, 150, 10)}}),
    message(12, 238, 2.5f, kAtButtonFields,
            {{"The ladder will lead you", 297, 530, 250, rgb(160, 150, 30)},
             {"down to the lowest level!", 294, 555, 250, rgb(160, 150, 30)}}),
    message(13, 248, 2.5f, kAtButtonFields,
            {{"You found the gem of light! ", 297, 540, 250, rgb(160, 150, 30)}}),
    message(14, 265, 2.1f, kAtButtonFields,
            {{"Thank you for the bow!", 306, 512, 250, rgb(230, 50, 50)},
             {"Here is a gem for you!", 306, 532, 250, rgb(70, 100, 210)}},
            {20, 382, 555, 0.6f}),
    message(15, 198, 2.5f, kAtButtonFields,
            {{"You reached the entrance! ", 247, 540, 250, rgb(100, 150, 30)}}),
    message(16, 278, 2.5f, kAtButtonFields,
            {{"You reached the entrance! ", 327, 540, 250, rgb(120, 140, 130)}}),
    message(17, 248, 2.5f, kAtButtonFields,
            {{"You reached the mountains! ", 293, 540, 250, rgb(120, 120, 120)}}),
    message(18, 265, 2.8f, kAtButtonFields,
            {{"You found the magician's wand ! ", 315, 540, 270, rgb(120, 120, 120)}}),
    message(19, 265, 2.8f, kAtButtonFields,
            {{"The Bow of Accuracy is yours ! ", 315, 540, 270, rgb(180, 120, 120)}}),
    message(20, 212, 3.0f, kAtButtonFields,
            {{"You reached the cave of mystery. ", 262, 540, 290, rgb(80, 160, 70)}}),
    message(21, 178, 2.85f, kAtButtonFields,
            {{"You found the shield of lightning!", 225, 540, 280, rgb(20, 150, 10)}}),
    message(22, 250, 2.4f, kAtButtonFields,
            {{"You found shoes !", 323, 541, 250, rgb(140, 120, 240)}}),
    message(23, 255, 2.4f, kAtButtonFields,
            {{"You found gloves !", 327, 541, 250, rgb(120, 120, 230)}}),
    message(24, 198, 2.82f, kAtButtonFields,
            {{"You found the amulet of health !", 246, 540, 280, rgb(20, 150, 10)}}),
    message(25, 250, 2.5f, kAtButtonFields,
            {{"You found the white pearl !", 300, 540, 250, rgb(180, 180, 180)}}),
    message(31, 240, 2.5f, fixedAt(270, 440),
            {{"You reached Ilvy's palace!", 286, 540, 250, rgb(150, 150, 10)}}),
    message(32, 250, 2.3f, kAtButtonFields,
            {{"You found the entrance!", 299, 540, 250, rgb(200, 40, 40)}}),
    message(33, 255, 2.3f, kAtButtonFieldsRaised,
            {{"Princess Ilvy:", 345, 520, 230, rgb(80, 200, 250)},
             {"Your mission is to find", 311, 548, 250, rgb(250, 10, 10)},
             {"9 gems for my necklace!", 300, 568, 250, rgb(250, 10, 10)}}),
    message(34, 250, 2.3f, kAtButtonFields,
            {{"You get some apples", 308, 530, 250, rgb(180, 150, 10)},
             {"for a long journey!", 323, 555, 250, rgb(180, 150, 10)}}),
    message(35, 250, 2.3f, kAtButtonFieldsRaised,
            {{"This green dungeon ", 311, 530, 250, rgb(60, 145, 10)},
             {"must have treasure!", 311, 555, 250, rgb(60, 145, 10)}}),
    message(36, 276, 2.3f, kAtButtonFields,
            {{"You reached the entrance", 317, 530, 250, rgb(50, 130, 10)},
             {"to the lower level.", 349, 555, 250, rgb(50, 130, 10)}}),
    message(37, 260, 2.56f, kAtButtonFields,
            {{" You found the gem of health! ", 298, 540, 250, rgb(180, 30, 110)}}),
    message(38, 300, 2.3f, kAtButtonFields,
            {{"You found the entrance!", 349, 540, 250, rgb(160, 50, 10)}}),
    message(39, 300, 2.3f, kAtButtonFields,
            {{"You found the ladder!", 353, 540, 250, rgb(150, 50, 10)}}),
    message(40, 300, 2.3f, kAtButtonFields,
            {{"You found ", 382, 530, 250, rgb(180, 100, 20)},
             {"a bag of treasure!", 360, 560, 250, rgb(180, 100, 20)}},
            {34, 485, 513, 0.7f}),
    message(41, 300, 2.3f, fixedAt(320, 440),
            {{"You found a map!", 375, 560, 250, rgb(150, 50, 10)}},
            {34, 430, 513, 0.7f}),
    message(42, 300, 2.3f, kAtButtonFieldsRaised,
            {{"You found the entrance!", 351, 540, 250, rgb(150, 80, 40)}}),
    message(43, 280, 2.6f, kAtButtonFieldsRaised,
            {{"You reached the lower level!", 330, 545, 250, rgb(100, 150, 10)}}),
    message(44, 280, 2.6f, kAtButtonFieldsRaised,
            {{"The final door is open!", 350, 545, 250, rgb(160, 90, 10)}}),
    message(45, 232, 2.56f, kAtButtonFields,
            {{"You found the gem of power!", 275, 543, 290, rgb(180, 140, 10)}}),
    message(51, 280, 2.6f, kAtButtonFieldsRaised,
            {{"You reached the lower level!", 330, 545, 250, rgb(40, 150, 10)}}),
    message(52, 250, 2.3f, kAtButtonFieldsRaised,
            {{"You found the entrance!", 298, 540, 250, rgb(150, 140, 40)}}),
    message(53, 230, 2.6f, kAtButtonFieldsRaised,
            {{"You found the silver sword!", 281, 545, 250, rgb(150, 150, 150)}}),
    message(54, 240, 2.6f, kAtButtonFieldsRaised,
            {{"You found the crystal gem!", 292, 545, 250, rgb(180, 180, 10)}}),
    message(55, 262, 2.56f, kAtButtonFields,
            {{"The door is open!", 348, 543, 290, rgb(20, 140, 190)}}),
    message(56, 265, 2.56f, kAtButtonFields,
            {{"You reached the lower level!", 312, 543, 290, rgb(220, 200, 20)}}),
    message(57, 240, 2.6f, kAtButtonFieldsRaised,
            {{"You found the green gem!", 290, 545, 250, rgb(120, 190, 10)}}),
    message(58, 261, 2.3f, kAtButtonFields,
            {{"You reached the entrance", 302, 530, 250, rgb(70, 130, 180)},
             {"to the lower level.", 337, 555, 250, rgb(70, 130, 180)}}),
    message(59, 280, 2.56f, kAtButtonFields,
            {{" You found the entrance! ", 337, 540, 250, rgb(80, 130, 180)}}),
    message(60, 240, 2.6f, kAtButtonFieldsRaised,
            {{"You found the gem of wonder!", 280, 540, 260, rgb(120, 90, 190)}}),
};

}  // namespace

const TextLine* goalLine(int questNumber) {
  for (const QuestGoal& goal : kGoals) {
    if (goal.quest == questNumber) return &goal.line;
  }
  return nullptr;
}

const SolvedMessage* solvedMessage(int questNumber) {
  for (const SolvedMessage& message : kMessages) {
    if (message.quest == questNumber) return &message;
  }
  return nullptr;
}
