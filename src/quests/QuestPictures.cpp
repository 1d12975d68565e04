#include "quests/QuestPictures.h"

#include "platform/Texture.h"

namespace {
constexpr QuestPicture kQuestPictures[] = {
    {1, "Art/Intro7.bmp", 64, 32, kKeyRed, 346, 280, 1.2f, 1.4f},
    {2, "Art/Castle3.bmp", 128, 128, kKeyRed, 342, 240, 0.65f, 0.7f},
    {3, "Art/Gate.bmp", 128, 64, kNoKey, 340, 235, 0.67f, 1.42f},
    {4, "Art/Throne.bmp", 128, 128, kKeyBlack, 337, 235, 0.73f, 0.71f},
    {5, "Art/Clue.bmp", 32, 32, kKeyRed, 366, 260, 1.2f, 1.2f},
    {6, "Art/Scribe.bmp", 64, 64, kKeyRed, 351, 249, 1.0f, 1.3f},
    {7, "Art/Wizard.bmp", 128, 128, kKeyBlack, 339, 238, 0.7f, 0.7f},
    {8, "Art/Intro22.bmp", 64, 64, kKeyRed, 338, 235, 1.4f, 1.4f},
    {9, "Art/Intro8.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {10, "Art/Pyramid.bmp", 64, 64, kKeyBlack, 348, 268, 1.1f, 1.1f},
    {11, "Art/Intro9.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {12, "Art/Intro10.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {13, "Art/Intro11.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {14, "Art/Intro13.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {15, "Art/Intro12.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {16, "Art/Intro15.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {17, "Art/Intro14.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.4f},
    {18, "Art/Wand.bmp", 16, 64, kKeyBlack, 373, 250, 1.1f, 1.1f},
    {19, "Art/Bow.bmp", 32, 64, kKeyRed, 365, 254, 1.0f, 0.9f},
    {20, "Art/Intro27.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.4f},
    {21, "Art/Shield.bmp", 32, 64, kKeyBlack, 364, 252, 1.1f, 1.1f},
    {22, "Art/Shoes.bmp", 64, 64, kKeyRed, 348, 250, 1.1f, 1.1f},
    {23, "Art/Gloves.bmp", 64, 64, kKeyRed, 346, 260, 1.1f, 1.1f},
    {24, "Art/Amulet1.bmp", 64, 64, kKeyRed, 352, 250, 1.0f, 1.0f},
    {25, "Art/Gem5.bmp", 64, 64, kKeyBlack, 356, 260, 0.8f, 0.8f},
    {31, "Art/Intro1.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {32, "Art/Intro2.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {33, "Art/Throne.bmp", 128, 128, kKeyBlack, 337, 235, 0.73f, 0.71f},
    {34, "Art/Intro23.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {35, "Art/Intro24.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {36, "Art/Intro25.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {37, "Art/Gem3.bmp", 64, 32, kKeyBlack, 348, 268, 1.1f, 1.1f},
    {38, "Art/Intro26.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {39, "Art/Ladder2.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.42f},
    {40, "Art/Bag.bmp", 64, 64, kKeyBlack, 348, 256, 1.1f, 1.1f},
    {41, "Art/Map.bmp", 64, 64, kKeyBlack, 354, 252, 0.9f, 0.9f},
    {42, "Art/Intro19.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.4f},
    {43, "Art/Intro20.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {44, "Art/Intro21.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.4f},
    {45, "Art/Gem4.bmp", 32, 64, kKeyBlack, 366, 250, 1.0f, 1.0f},
    {51, "Art/Intro4.bmp", 64, 64, kKeyBlack, 348, 255, 1.1f, 1.1f},
    {52, "Art/Intro5.bmp", 64, 64, kKeyBlack, 348, 255, 1.1f, 1.1f},
    {53, "Art/Intro6.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {54, "Art/Gem7.bmp", 64, 64, kKeyBlack, 354, 253, 0.9f, 0.9f},
    {55, "Art/Intro16.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {56, "Art/Intro17.bmp", 64, 64, kKeyBlack, 338, 235, 1.4f, 1.4f},
    {57, "Art/Gem8.bmp", 64, 64, kKeyBlack, 351, 258, 1.0f, 1.0f},
    {58, "Art/Intro18.bmp", 64, 64, kNoKey, 338, 235, 1.4f, 1.4f},
    {59, "Art/Door5.bmp", 32, 32, kKeyBlack, 360, 270, 1.4f, 1.4f},
    {60, "Art/Gem9.bmp", 64, 64, kKeyBlack, 354, 260, 0.9f, 0.9f},
};
}  // namespace

const QuestPicture* questPicture(int questNumber) {
  for (const QuestPicture& picture : kQuestPictures)
    if (picture.quest == questNumber) return &picture;
  return nullptr;
}
