#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "quests/QuestLayout.h"
#include "quests/QuestObjects.h"
#include "quests/WorldArt.h"
#include "world/Dude.h"
#include "world/WorldState.h"

// Every designed quest keeps what the campaign fixes for it: its goal, where the dude starts and
// with how many hearts, how many walls of each kind it has, and the objects drawn at its start by
// picture and count (for some quests by position too). Everything else is the designer's.
namespace {

struct ArtCount {
  const char* art;
  int count;
};
struct Givens {
  int quest;
  GoalArea goal;
  int startX, startY;
  int up, down, left, right;
  std::vector<ArtCount> objects;
};

void PrintTo(const Givens& g, std::ostream* os) { *os << "quest " << g.quest; }

// clang-format off
const Givens kGivens[] = {
    {11, {378, 264, 45, 26}, 19, 441, 4, 2, 3, 3,
     {{"Horn", 1}, {"Hammer3", 2}, {"Weight", 3}, {"Cheese", 2}, {"Lever", 2}, {"Swing3", 2}, {"TeleportPad4", 6},
      {"Teleporter", 3}, {"Coin", 10}, {"House4", 2}, {"Vases3", 7}, {"Block", 3}}},
    {12, {392, 287, 10, 73}, 390, 110, 5, 4, 4, 4,
     {{"Weight", 2}, {"Swing", 2}, {"Hammer2", 2}, {"House2", 1}, {"Key5", 2}, {"Lever", 2}, {"SuspiciousWall3", 2},
      {"Door11", 2}, {"Vases5", 6}, {"Block", 4}, {"TeleportPad4", 8}, {"Teleporter", 4}, {"Coin", 5}}},
    {13, {359, 201, 69, 56}, 151, 438, 8, 4, 4, 4,
     {{"Ladder", 1}, {"Bowl", 6}, {"Coin", 6}, {"House2", 1}, {"TeleportPad3", 6}, {"Teleporter", 3}, {"Vases6", 3},
      {"Block8", 6}, {"Lever2", 3}, {"Gem2", 1}, {"Hammer", 2}, {"Machine", 1}}},
    {14, {369, 160, 62, 30}, 621, 445, 10, 6, 8, 8,
     {{"Weight", 3}, {"Hammer", 2}, {"Coin", 7}, {"Scoop", 1}, {"Lever", 2}, {"Vases7", 5}, {"House2", 1},
      {"TeleportPad2", 6}, {"Teleporter", 3}, {"Swing5", 2}, {"Block9", 4}}},
    {15, {325, 70, 60, 30}, 128, 438, 4, 2, 2, 2,
     {{"Weight", 1}, {"Coin", 4}, {"Chocolate", 1}, {"Lever", 2}, {"Vases9", 6}, {"House", 1}, {"TeleportPad", 10},
      {"Teleporter", 6}, {"Swing", 1}, {"Block11", 3}}},
    {16, {414, 30, 71, 30}, 435, 300, 12, 2, 6, 6,
     {{"Hammer3", 3}, {"Weight", 1}, {"Key", 1}, {"Door7", 1}, {"Coin", 6}, {"Banana", 1}, {"Lever", 3},
      {"Vases11", 3}, {"House3", 1}, {"TeleportPad5", 6}, {"Teleporter", 3}, {"Swing", 1}, {"Block9", 3}}},
    {17, {440, 127, 400, 67}, 478, 444, 9, 2, 4, 5,
     {{"Weight", 1}, {"Hammer3", 1}, {"Key2", 2}, {"Door5", 4}, {"Coin", 5}, {"Grapes", 1}, {"Lever", 1},
      {"Vases12", 3}, {"House3", 1}, {"TeleportPad", 5}, {"Teleporter", 3}, {"Swing7", 1}, {"Block12", 4}}},
    {18, {700, 126, 30, 67}, 425, 446, 14, 6, 9, 6,
     {{"Wand", 1}, {"Weight", 3}, {"Hammer", 1}, {"Key3", 3}, {"Door4", 4}, {"Cherries", 4}, {"Lever", 3},
      {"Vases10", 2}, {"House", 1}, {"TeleportPad", 14}, {"Teleporter", 7}, {"Coin", 6}, {"Swing", 1},
      {"Block13", 4}}},
    {19, {760, 174, 30, 70}, 390, 448, 6, 4, 5, 3,
     {{"Bow", 1}, {"Icecream", 3}, {"Lever5", 1}, {"Vases13", 8}, {"House5", 1}, {"TeleportPad5", 10},
      {"Teleporter", 5}, {"Coin", 7}, {"Hammer5", 3}}},
    {20, {611, 120, 63, 30}, 630, 445, 9, 3, 5, 5,
     {{"Axe2", 1}, {"Weight", 2}, {"Key", 1}, {"Key6", 1}, {"Key2", 1}, {"Key5", 1}, {"Door7", 1}, {"Door8", 1},
      {"Door4", 1}, {"Door5", 1}, {"Drink4", 3}, {"Lever3", 2}, {"Tree4", 2}, {"TeleportPad", 3}, {"Teleporter", 2},
      {"Swing7", 1}, {"Block13", 3}}},
    {21, {526, 130, 71, 30}, 154, 440, 10, 3, 7, 5,
     {{"Shield", 1}, {"Axe2", 2}, {"Key6", 1}, {"Key2", 1}, {"Key", 1}, {"Door7", 1}, {"Door8", 1}, {"Door4", 1},
      {"Door5", 1}, {"Coin", 10}, {"Mushroom", 1}, {"Tree7", 10}, {"House", 2}, {"TeleportPad3", 13},
      {"Teleporter", 7}, {"Block14", 2}}},
    {22, {750, 183, 50, 30}, 153, 445, 7, 5, 5, 5,
     {{"Shoes", 1}, {"Ladder4", 1}, {"Hammer5", 1}, {"Icecream", 4}, {"Lever5", 2}, {"Vases13", 7}, {"House5", 1},
      {"TeleportPad5", 11}, {"Teleporter", 6}, {"Coin", 5}, {"Swing8", 1}, {"Weight", 1}}},
    {23, {367, 190, 40, 52}, 393, 440, 8, 1, 4, 4,
     {{"Gloves", 1}, {"Ladder5", 1}, {"Hammer5", 4}, {"Icecream", 2}, {"Lever5", 2}, {"Vases13", 9}, {"House5", 1},
      {"TeleportPad5", 8}, {"Teleporter", 4}, {"Coin", 5}}},
    {24, {305, 52, 35, 66}, 608, 444, 12, 8, 10, 9,
     {{"Amulet1", 1}, {"Ladder3", 2}, {"Hammer2", 2}, {"Key2", 1}, {"Key3", 1}, {"Key", 1}, {"Door7", 1},
      {"Door5", 1}, {"Door13", 1}, {"Lever", 4}, {"House", 1}, {"TeleportPad", 7}, {"Teleporter", 4}, {"Coin", 6},
      {"Swing", 2}, {"Weight", 5}, {"Ham", 8}, {"Block", 7}, {"Machine", 1}}},
    {25, {390, 220, 62, 30}, 253, 441, 11, 5, 9, 6,
     {{"Gem5", 1}, {"Hammer2", 1}, {"Ladder", 1}, {"Key2", 1}, {"Key3", 1}, {"Door7", 1}, {"Door5", 1}, {"Door13", 1},
      {"Coin", 7}, {"Ham", 4}, {"Lever", 4}, {"House", 2}, {"TeleportPad", 10}, {"Teleporter", 6}, {"Swing", 1},
      {"Block", 6}, {"Weight", 1}, {"Machine", 1}}},
    {31, {266, 300, 271, 30}, 646, 443, 3, 0, 1, 1,
     {{"Food8", 1}, {"Button4", 1}, {"TeleportPad3", 2}, {"Teleporter", 1}, {"TrapDoor", 1}, {"Vases7", 1}, {"Ball", 1}}},
    {32, {348, 31, 106, 50}, 388, 423, 5, 4, 2, 2,
     {{"Button5", 1}, {"Dinner", 1}, {"Lever2", 1}, {"Vases21", 6}, {"TeleportPad4", 13}, {"Teleporter", 7}, {"Hammer2", 3}}},
    {33, {348, 136, 105, 40}, 152, 424, 6, 5, 4, 4,
     {{"Horn", 1}, {"SuspiciousWall", 2}, {"Weight", 2}, {"Trampoline", 1}, {"Coin", 6}, {"Lever2", 1}, {"Vases3", 4},
      {"House2", 1}, {"TeleportPad7", 10}, {"Teleporter", 6}, {"Swing9", 1}, {"Block2", 4}}},
    {34, {373, 180, 51, 30}, 396, 443, 6, 4, 4, 4,
     {{"Bridge2", 1}, {"Hammer3", 1}, {"Coin", 5}, {"Mushroom", 3}, {"Lever", 3}, {"Vases14", 5}, {"House3", 1},
      {"TeleportPad2", 6}, {"Teleporter", 3}}},
    {35, {220, 10, 65, 30}, 73, 445, 6, 6, 5, 5,
     {{"Bridge4", 1}, {"Hammer2", 1}, {"Weight", 5}, {"Trampoline", 1}, {"Key3", 1}, {"Key", 1}, {"Key2", 1},
      {"Door7", 1}, {"Door5", 1}, {"Door4", 1}, {"Cheese", 3}, {"Lever", 3}, {"Vases13", 2}, {"House2", 1},
      {"TeleportPad4", 7}, {"Teleporter", 4}, {"Coin", 3}, {"Swing", 1}, {"Block9", 2}}},
    {36, {696, 125, 54, 22}, 268, 330, 14, 6, 10, 9,
     {{"Hammer6", 1}, {"Weight", 1}, {"Trampoline2", 1}, {"Key3", 1}, {"Door13", 1}, {"Food6", 3}, {"Lever6", 2},
      {"Vases22", 5}, {"House11", 1}, {"Ladder", 1}, {"TeleportPad11", 8}, {"Teleporter", 4}, {"Coin", 3},
      {"Swing10", 1}}},
    {37, {384, 160, 51, 47}, 177, 256, 18, 5, 10, 10,
     {{"Gem3", 1}, {"Button5", 2}, {"Door8", 1}, {"Ladder", 1}, {"Food9", 3}, {"Lever6", 2}, {"Vases3", 2},
      {"House6", 1}, {"TeleportPad4", 8}, {"Teleporter", 4}, {"Coin", 5}, {"Block23", 2}}},
    {38, {380, 42, 72, 30}, 70, 445, 4, 2, 1, 1,
     {{"Button5", 1}, {"Button4", 1}, {"TrapDoor", 2}, {"Key", 1}, {"Door7", 2}, {"Drink3", 1}, {"Lever5", 1},
      {"TeleportPad", 8}, {"Teleporter", 4}, {"Coin", 1}, {"Ball", 3}}},
    {39, {50, 76, 30, 81}, 110, 445, 9, 2, 6, 3,
     {{"Key2", 2}, {"Door5", 5}, {"Banana", 1}, {"Lever4", 2}, {"Vases20", 1}, {"House12", 1}, {"TeleportPad8", 8},
      {"Teleporter", 5}, {"Coin", 5}}},
    {40, {374, 70, 76, 32}, 85, 290, 5, 10, 6, 6,
     {{"Bag", 1}, {"Hammer", 2}, {"Chocolate", 1}, {"Lever", 3}, {"House9", 1}, {"TeleportPad2", 8},
      {"Teleporter", 4}, {"Coin", 5}, {"Block17", 6}}},
    {41, {670, 80, 30, 87}, 203, 441, 11, 3, 7, 5,
     {{"Map", 1}, {"Hammer", 3}, {"Key2", 1}, {"Door5", 2}, {"Weight", 1}, {"Coin", 7}, {"Food1", 1}, {"Lever", 1},
      {"Vases16", 1}, {"House3", 1}, {"TeleportPad3", 2}, {"Teleporter", 1}, {"Swing", 1}, {"Block4", 4}}},
    {42, {595, 110, 65, 30}, 255, 444, 10, 0, 5, 5,
     {{"Hammer2", 2}, {"Key", 3}, {"Door7", 3}, {"Coin", 7}, {"Food2", 4}, {"Lever", 3}, {"Vases17", 3},
      {"House3", 1}, {"TeleportPad4", 2}, {"Teleporter", 1}, {"Block17", 4}, {"Machine", 1}}},
    {43, {719, 300, 65, 30}, 211, 445, 7, 1, 4, 4,
     {{"Hammer", 2}, {"Coin", 3}, {"Food5", 4}, {"Lever", 4}, {"Vases18", 2}, {"House", 1}, {"TeleportPad3", 2},
      {"Teleporter", 1}, {"Block19", 3}}},
    {44, {396, 90, 62, 30}, 412, 443, 9, 1, 5, 5,
     {{"Weight", 1}, {"Coin", 4}, {"Chocolate", 2}, {"Vases18", 2}, {"House7", 1}, {"TeleportPad2", 19},
      {"Teleporter", 12}, {"Swing", 2}, {"Block19", 1}}},
    {45, {365, 80, 65, 30}, 382, 445, 6, 2, 3, 3,
     {{"Gem4", 1}, {"Hammer", 2}, {"Weight", 2}, {"Door7", 1}, {"Lever", 4}, {"Vases18", 4}, {"House8", 2},
      {"Coin", 10}, {"Swing", 2}, {"Block19", 4}}},
    {51, {719, 240, 61, 30}, 10, 441, 9, 2, 5, 5,
     {{"Hammer", 2}, {"Key2", 1}, {"Key5", 1}, {"Door5", 1}, {"Door10", 1}, {"Food6", 2}, {"Vases19", 3},
      {"TeleportPad3", 3}, {"Teleporter", 2}, {"Machine", 1}}},
    {52, {369, 250, 69, 25}, 388, 448, 9, 1, 5, 5,
     {{"Hammer2", 2}, {"Door10", 2}, {"Coin", 6}, {"Vases19", 1}, {"House7", 1}, {"TeleportPad4", 2},
      {"Teleporter", 1}, {"Swing", 1}, {"Block6", 3}}},
    {53, {370, 115, 67, 30}, 386, 445, 11, 0, 5, 5,
     {{"SuspiciousWall3", 2}, {"Door7", 1}, {"Coin", 5}, {"Lever2", 2}, {"House", 1}, {"TeleportPad3", 4},
      {"Teleporter", 2}, {"Block19", 2}}},
    {54, {377, 128, 62, 30}, 687, 440, 12, 3, 6, 7,
     {{"Gem7", 1}, {"Weight", 1}, {"Coin", 5}, {"Chocolate", 1}, {"Lever", 1}, {"House7", 1}, {"TeleportPad2", 4},
      {"Teleporter", 2}, {"Swing", 1}, {"Block20", 3}, {"Machine", 1}}},
    {55, {396, 275, 63, 30}, 411, 440, 6, 2, 5, 5,
     {{"Door5", 1}, {"Chocolate", 3}, {"Lever", 2}, {"House9", 1}, {"TeleportPad9", 8}, {"Teleporter", 4},
      {"Coin", 5}}},
    {56, {706, 185, 56, 30}, 416, 430, 10, 5, 8, 5,
     {{"Hammer3", 1}, {"Weight", 3}, {"Door8", 1}, {"Banana", 1}, {"Lever2", 2}, {"Vases3", 3}, {"House10", 1},
      {"TeleportPad7", 8}, {"Teleporter", 4}, {"Coin", 5}, {"Swing3", 1}, {"Block19", 3}}},
    {57, {377, 120, 72, 30}, 397, 387, 8, 1, 5, 5,
     {{"Gem8", 1}, {"Hammer", 2}, {"Weight", 1}, {"Door12", 2}, {"Drink2", 1}, {"Lever3", 1}, {"Vases12", 2},
      {"House11", 1}, {"TeleportPad", 8}, {"Teleporter", 5}, {"Coin", 4}, {"Swing3", 1}}},
    {58, {374, 230, 63, 38}, 391, 385, 11, 6, 9, 9,
     {{"Food7", 3}, {"Lever4", 3}, {"Vases20", 3}, {"House12", 2}, {"TeleportPad10", 8}, {"Teleporter", 4},
      {"Hammer4", 2}, {"Coin", 7}, {"Swing6", 1}, {"Block21", 5}}},
    {59, {406, 230, 66, 20}, 425, 441, 9, 4, 6, 6,
     {{"Hammer4", 2}, {"Weight", 1}, {"Door5", 1}, {"Lever4", 5}, {"Vases20", 3}, {"House12", 2}, {"TeleportPad8", 10},
      {"Teleporter", 6}, {"Coin", 8}, {"Swing6", 1}, {"Food7", 4}, {"Block21", 3}, {"Ladder3", 1}}},
    {60, {376, 160, 62, 30}, 160, 340, 7, 7, 7, 4,
     {{"Gem9", 1}, {"Hammer4", 1}, {"Weight", 2}, {"Lever4", 4}, {"Vases20", 3}, {"House12", 1}, {"TeleportPad8", 7},
      {"Teleporter", 4}, {"Coin", 3}, {"Swing6", 3}, {"Banana", 2}, {"Block21", 1}}},
};
// clang-format on

// Quest 31 is given to the pixel: each picture's objects where they stand (not where they are drawn).
const std::map<std::string, std::vector<Spot>> kQuest31Places = {
    {"Food8", {{385, 440}}},     {"Button4", {{20, 433}}},  {"TeleportPad3", {{100, 472}, {742, 472}}},
    {"Teleporter", {{747, 436}}}, {"TrapDoor", {{180, 435}}}, {"Vases7", {{548, 427}}},
    {"Ball", {{495, 444}}},
};

// Quest 11 is given to the pixel too, in no particular order within a picture.
const std::map<std::string, std::vector<Spot>> kQuest11Places = {
    {"Horn", {{730, 95}}},
    {"Hammer3", {{7, 360}, {743, 300}}},
    {"Weight", {{275, 454}, {493, 454}, {670, 100}}},
    {"Cheese", {{13, 240}, {752, 240}}},
    {"Lever", {{114, 446}, {644, 446}}},
    {"Swing3", {{180, 450}, {540, 450}}},
    {"TeleportPad4", {{325, 473}, {435, 473}, {746, 406}, {152, 126}, {390, 126}, {595, 126}}},
    {"Teleporter", {{157, 90}, {395, 90}, {600, 90}}},
    {"Coin", {{21, 305}, {324, 461}, {348, 461}, {336, 440}, {434, 461}, {458, 461}, {446, 440}, {746, 395},
              {770, 395}, {758, 374}}},
    {"House4", {{10, 81}, {748, 432}}},
    {"Vases3", {{270, 78}, {518, 78}, {12, 150}, {750, 150}, {367, 296}, {398, 296}, {382, 296}}},
    {"Block", {{68, 441}, {385, 441}, {700, 441}}},
};

// Quest 21 is given to the pixel too.
const std::map<std::string, std::vector<Spot>> kQuest21Places = {
    {"Shield", {{543, 125}}},
    {"Axe2", {{151, 148}, {151, 384}}},
    {"Key6", {{759, 130}}},
    {"Key2", {{62, 273}}},
    {"Key", {{361, 166}}},
    {"Door7", {{146, 199}}},
    {"Door8", {{538, 199}}},
    {"Door4", {{345, 199}}},
    {"Door5", {{745, 199}}},
    // A quest holds ten coins; of the eleven places the one at (550, 350) stays empty.
    {"Coin", {{756, 172}, {756, 448}, {357, 266}, {357, 449}, {550, 380}, {756, 418}, {140, 123}, {150, 123},
              {160, 123}, {170, 123}}},
    {"Mushroom", {{697, 442}}},
    {"Tree7", {{88, 250}, {203, 250}, {486, 250}, {594, 250}, {203, 430}, {486, 430}, {541, 430}, {594, 430},
               {645, 250}, {748, 250}}},
    {"House", {{646, 430}, {88, 430}}},
    {"TeleportPad3", {{146, 296}, {346, 296}, {540, 296}, {346, 476}, {745, 476}, {146, 476}, {5, 296}, {271, 476},
                      {425, 476}, {5, 476}, {271, 296}, {425, 296}, {687, 296}}},
    {"Teleporter", {{10, 260}, {276, 440}, {430, 440}, {10, 440}, {276, 260}, {430, 260}, {692, 260}}},
    {"Block14", {{150, 323}, {748, 333}}},
};

// Quest 51 is given to the pixel too, in no particular order within a picture.
const std::map<std::string, std::vector<Spot>> kQuest51Places = {
    {"Hammer", {{225, 436}, {354, 130}}},
    {"Key2", {{744, 444}}},
    {"Key5", {{171, 190}}},
    {"Door5", {{299, 205}}},
    {"Door10", {{728, 365}}},
    {"Food6", {{515, 365}, {165, 365}}},
    {"Vases19", {{157, 235}, {300, 314}, {508, 195}}},
    {"TeleportPad3", {{410, 478}, {156, 156}, {405, 166}}},
    {"Teleporter", {{161, 120}, {410, 130}}},
    {"Machine", {{566, 430}}},
};

// Quest 41, the first of world 5, is given to the pixel as well.
const std::map<std::string, std::vector<Spot>> kQuest41Places = {
    {"Map", {{670, 99}}},
    {"Hammer", {{250, 358}, {142, 265}, {566, 200}}},
    {"Key2", {{764, 300}}},
    {"Door5", {{143, 368}, {361, 320}}},
    {"Weight", {{147, 325}}},
    {"Coin", {{662, 450}, {522, 326}, {100, 450}, {372, 196}, {372, 226}, {155, 196}, {155, 226}}},
    {"Food1", {{477, 196}}},
    {"Lever", {{253, 295}}},
    {"Vases16", {{753, 188}}},
    {"House3", {{515, 430}}},
    {"TeleportPad3", {{650, 478}, {5, 478}}},
    {"Teleporter", {{10, 442}}},
    {"Swing", {{660, 303}}},
    {"Block4", {{421, 437}, {568, 437}, {703, 437}, {743, 437}}},
};

std::string artName(int quest, int slot) {
  const SlotArt art = worldSlotArt(quest, slot);
  if (!art.file) return "(empty slot " + std::to_string(slot) + ")";
  std::string name = art.file;
  name = name.substr(name.find('/') + 1);
  return name.substr(0, name.rfind('.'));
}

// The objects a drawing line shows at the start, at the positions the objects stand at.
std::vector<Spot> shownBy(const WorldState& w, const DrawLine& line) {
  std::vector<Spot> spots;
  const auto add = [&](int count, auto&& shown, const int* xs, const int* ys) {
    for (int i = 0; i < count; ++i)
      if ((line.index < 0 || line.index == i) && shown(i)) spots.push_back({xs[i], ys[i]});
  };
  const auto all = [](int) { return true; };
  switch (line.what) {
    case Draw::Coins: add(w.coinCount, [&](int i) { return w.coinPresent[i]; }, w.coinX, w.coinY); break;
    case Draw::Keys:
      add(w.keyCount, [&](int i) { return w.keyPresent[i] && w.keyKind[i] == line.slot; }, w.keyX, w.keyY);
      break;
    case Draw::Food: add(w.foodCount, [&](int i) { return w.foodPresent[i]; }, w.foodX, w.foodY); break;
    case Draw::Weights: add(w.weightCount, [&](int i) { return w.weightPresent[i]; }, w.weightX, w.weightY); break;
    case Draw::Doors: add(w.doorCount, [&](int i) { return w.doorPresent[i]; }, w.doorX, w.doorY); break;
    case Draw::Blocks: add(w.blockCount, [&](int i) { return w.blockPresent[i]; }, w.blockX, w.blockY); break;
    case Draw::Hammers: add(kMaxHammers, [&](int i) { return w.hammerPresent[i]; }, w.hammerX, w.hammerY); break;
    case Draw::TeleporterPads:
    case Draw::TeleporterBeams: add(w.teleporterCount, all, w.teleporterX, w.teleporterY); break;
    case Draw::Catapults: add(w.catapultCount, [&](int i) { return w.catapultPresent[i]; }, w.catapultX, w.catapultY); break;
    case Draw::Levers: add(w.leverCount, [&](int i) { return w.leverPresent[i]; }, w.leverX, w.leverY); break;
    case Draw::Stores: add(kMaxStores, [&](int i) { return w.storePresent[i]; }, w.storeX, w.storeY); break;
    case Draw::Vases: add(w.vaseCount, [&](int i) { return w.vasePresent[i]; }, w.vaseX, w.vaseY); break;
    case Draw::Ladders: add(w.ladderCount, [&](int i) { return w.ladderPresent[i]; }, w.ladderX, w.ladderY); break;
    case Draw::SuspiciousWalls:
      add(w.suspWallCount, [&](int i) { return w.suspWallPresent[i]; }, w.suspWallX, w.suspWallY);
      break;
    case Draw::Buttons: add(w.buttonCount, [&](int i) { return w.buttonPresent[i]; }, w.buttonX, w.buttonY); break;
    case Draw::TrapDoors: add(w.trapDoorCount, all, w.trapDoorX, w.trapDoorY); break;
    case Draw::Trampolines:
      add(w.trampolineCount, [&](int i) { return w.trampolinePresent[i]; }, w.trampolineX, w.trampolineY);
      break;
    case Draw::Balls: {
      if (w.ballRolling) spots.push_back({w.ballX, w.ballY});
      add(kWorld4Balls - 1, [&](int i) { return w.moreBallRolling[i]; }, w.moreBallX, w.moreBallY);
      break;
    }
    case Draw::Gem: if (w.gemPresent) spots.push_back({w.gemX, w.gemY}); break;
    case Draw::Machine: if (w.machinePresent) spots.push_back({w.machineX, w.machineY}); break;
    case Draw::Horn: if (w.hornPresent == 1) spots.push_back({w.hornX, w.hornY}); break;
    case Draw::MovablePad: spots.push_back({w.movablePadX, w.movablePadY}); break;
    case Draw::Picture: spots.push_back(*line.at); break;
  }
  if (line.at && line.what != Draw::Picture)
    for (Spot& s : spots) s = *line.at;
  return spots;
}

std::map<std::string, std::vector<Spot>> drawnAtStart(int quest) {
  WorldState w;
  w.reset();
  w.setupQuest(quest);
  std::map<std::string, std::vector<Spot>> drawn;
  if (const QuestObjects* q = questObjects(quest))
    for (const DrawLine& line : q->drawing)
      for (const Spot& s : shownBy(w, line)) drawn[artName(quest, line.slot)].push_back(s);
  return drawn;
}

class QuestGivens : public testing::TestWithParam<Givens> {};

TEST_P(QuestGivens, GoalStartHeartsAndWallsAreKept) {
  const Givens& g = GetParam();
  const QuestLayout* layout = questLayout(g.quest);
  ASSERT_NE(layout, nullptr) << "quest " << g.quest << " is not laid out";
  ASSERT_TRUE(layout->hasGoal);
  EXPECT_EQ(layout->goal.x, g.goal.x);
  EXPECT_EQ(layout->goal.y, g.goal.y);
  EXPECT_EQ(layout->goal.width, g.goal.width);
  EXPECT_EQ(layout->goal.height, g.goal.height);
  Dude d;
  d.setupQuest(g.quest);
  EXPECT_EQ(d.x, g.startX);
  EXPECT_EQ(d.y, g.startY);
  EXPECT_EQ(d.hearts, 0);
  EXPECT_EQ(d.wallUpCount, g.up);
  EXPECT_EQ(d.wallDownCount, g.down);
  EXPECT_EQ(d.wallLeftCount, g.left);
  EXPECT_EQ(d.wallRightCount, g.right);
}

TEST_P(QuestGivens, ObjectsAtTheStartAreTheGivenPicturesAndCounts) {
  const Givens& g = GetParam();
  const auto drawn = drawnAtStart(g.quest);
  std::map<std::string, int> expected, actual;
  for (const ArtCount& a : g.objects) expected[a.art] = a.count;
  for (const auto& [art, spots] : drawn) actual[art] = static_cast<int>(spots.size());
  EXPECT_EQ(actual, expected) << "quest " << g.quest;
}

INSTANTIATE_TEST_SUITE_P(Designed, QuestGivens, testing::ValuesIn(kGivens),
                         [](const testing::TestParamInfo<Givens>& info) { return "Quest" + std::to_string(info.param.quest); });

TEST(QuestGivensPlaces, Quest31StandsWhereTheCampaignPutsIt) {
  const auto drawn = drawnAtStart(31);
  for (const auto& [art, places] : kQuest31Places) {
    auto found = drawn.find(art);
    ASSERT_NE(found, drawn.end()) << art;
    ASSERT_EQ(found->second.size(), places.size()) << art;
    for (size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(found->second[i].x, places[i].x) << art << " " << i;
      EXPECT_EQ(found->second[i].y, places[i].y) << art << " " << i;
    }
  }
}

// Quests 11, 21, 41 and 51 are compared in no particular order within a picture.
void expectStandsAt(int quest, const std::map<std::string, std::vector<Spot>>& given) {
  const auto sorted = [](std::vector<Spot> spots) {
    std::sort(spots.begin(), spots.end(), [](Spot a, Spot b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return spots;
  };
  const auto drawn = drawnAtStart(quest);
  for (const auto& [art, places] : given) {
    auto found = drawn.find(art);
    ASSERT_NE(found, drawn.end()) << art;
    const std::vector<Spot> got = sorted(found->second), want = sorted(places);
    ASSERT_EQ(got.size(), want.size()) << art;
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(got[i].x, want[i].x) << art << " " << i;
      EXPECT_EQ(got[i].y, want[i].y) << art << " " << i;
    }
  }
}

TEST(QuestGivensPlaces, Quest11StandsWhereTheCampaignPutsIt) { expectStandsAt(11, kQuest11Places); }

TEST(QuestGivensPlaces, Quest21StandsWhereTheCampaignPutsIt) { expectStandsAt(21, kQuest21Places); }

TEST(QuestGivensPlaces, Quest41StandsWhereTheCampaignPutsIt) { expectStandsAt(41, kQuest41Places); }

TEST(QuestGivensPlaces, Quest51StandsWhereTheCampaignPutsIt) { expectStandsAt(51, kQuest51Places); }

}  // namespace
