#include "RandomInput.h"

#include <vector>

#include "game/Scenes.h"
#include "quests/PlayOrder.h"

namespace {
constexpr const char* kKeys[] = {"ESCAPE", "BACKSPACE", "ENTER", "LSHIFT", "RSHIFT", "PERIOD", "SPACE", "UP",
                                 "DOWN", "LEFT", "RIGHT", "PAD8", "PAD4", "PAD6", "PAD2", "PAD0", "DELETE",
                                 "PADENTER", "A", "B", "E", "I", "L", "N", "Q", "S", "V", "Y", "Z"};
constexpr const char* kArrows[] = {"UP", "DOWN", "LEFT", "RIGHT", "PAD8", "PAD4", "PAD6", "PAD2"};
// Where the menus' buttons, the save and load rows, Back, the in-game menu and the dialogs sit.
struct Spot {
  int x, y;
};
constexpr Spot kButtons[] = {
    {445, 550}, {370, 550}, {527, 300}, {520, 550}, {740, 35}, {660, 335}, {400, 240}, {440, 340}, {400, 340},
    {660, 210}, {80, 30},   {527, 390}, {420, 310}, {400, 470}, {380, 460}, {527, 560}, {790, 580}, {740, 15},
    {660, 510}, {527, 210}, {430, 525}, {380, 440}, {360, 570}, {660, 450}, {660, 390}, {660, 270}, {527, 475},
    {430, 575}, {400, 440}, {364, 575}, {364, 525}, {350, 340}, {30, 30}};

template <typename T, size_t N>
constexpr size_t countOf(const T (&)[N]) {
  return N;
}

const std::vector<int>& questsWithAWorld() {
  static const std::vector<int> quests = [] {
    std::vector<int> found;
    // The quests a campaign reaches: the numbers between the worlds have a world but no quest.
    for (int n = 1; n <= 99; ++n)
      if (worldSceneOfQuest(n) && questOrdinal(n)) found.push_back(n);
    return found;
  }();
  return quests;
}
}  // namespace

std::string RandomInput::jump() {
  const std::vector<int>& quests = questsWithAWorld();
  const std::string quest = std::to_string(quests[below(quests.size())]);
  switch (below(4)) {
    case 0:
      return "goto briefing " + quest;
    case 1:
      return "set lastHeartsLeft " + std::to_string(1 + below(5)) + "\nset lastTimeLeft " +
             std::to_string(below(151)) + "\ngoto result " + quest;
    case 2:
      return "set score " + std::to_string(below(2560000)) + "\nset gemCount " + std::to_string(below(10));
    default:
      return "goto quest " + quest;
  }
}

std::string RandomInput::next() {
  const uint64_t roll = below(100);
  if (roll < 30) return std::string("tap ") + kKeys[below(countOf(kKeys))];
  if (roll < 50) return std::string("hold ") + kArrows[below(countOf(kArrows))] + " " + std::to_string(20 + below(1500));
  if (roll < 58) return std::string("hold ") + kKeys[below(countOf(kKeys))] + " " + std::to_string(20 + below(600));
  if (roll < 78) {
    const Spot& spot = kButtons[below(countOf(kButtons))];
    const int dx = static_cast<int>(below(13)) - 6, dy = static_cast<int>(below(13)) - 6;
    return "click " + std::to_string(spot.x + dx) + " " + std::to_string(spot.y + dy);
  }
  if (roll < 85) return "click " + std::to_string(below(800)) + " " + std::to_string(below(600));
  if (roll < 90) return "mouse " + std::to_string(below(800)) + " " + std::to_string(below(600));
  if (roll < 98) return "frames " + std::to_string(1 + below(120));
  return jump();
}
