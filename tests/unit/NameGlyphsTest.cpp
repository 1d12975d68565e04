#include <gtest/gtest.h>

#include <vector>

#include "persistence/NameEntryScreen.h"
#include "persistence/NameGlyphs.h"

namespace {
std::vector<int> codes(const Name name) { return std::vector<int>(name, name + kNameSlots); }
std::vector<int> padded(std::vector<int> head) {
  head.resize(kNameSlots, 0);
  return head;
}
constexpr int kLetterC = 2, kLetterI = 8, kLetterZ = 25;
}  // namespace

TEST(NameTyping, CapitalsTakeTwoSlotsAndTheNarrowIOne) {
  Name name;
  clearName(name);
  typeLetter(name, 0, false);
  typeLetter(name, 1, false);
  typeLetter(name, kLetterC, true);
  EXPECT_EQ(codes(name), padded({2, 3, 32, 33, 1}));
  typeLetter(name, kLetterI, true);
  typeLetter(name, kLetterZ, true);
  typeGlyph(name, kGlyphFullStop);
  EXPECT_EQ(codes(name), padded({2, 3, 32, 33, 44, 76, 77, 78, 1}));
}

TEST(NameTyping, DeleteRemovesAWholeCapitalOrOneSlot) {
  Name name;
  clearName(name);
  typeLetter(name, kLetterC, true);
  typeLetter(name, kLetterI, true);
  deleteGlyph(name);
  EXPECT_EQ(codes(name), padded({32, 33, 1}));
  deleteGlyph(name);
  EXPECT_EQ(codes(name), padded({1}));
  EXPECT_FALSE(deleteGlyph(name));
  EXPECT_EQ(codes(name), padded({1}));
}

TEST(NameTyping, AFullLineRefusesWhatDoesNotFit) {
  Name name;
  clearName(name);
  for (int i = 0; i < 19; ++i) ASSERT_TRUE(typeLetter(name, 0, false));
  EXPECT_EQ(cursorSlot(name), 19);
  EXPECT_FALSE(typeLetter(name, kLetterC, true));  // a capital needs two free slots
  EXPECT_FALSE(typeLetter(name, kLetterI, true));
  EXPECT_FALSE(typeGlyph(name, kGlyphFullStop));
  EXPECT_TRUE(typeLetter(name, 1, false));  // a lower-case letter still fits
  EXPECT_EQ(cursorSlot(name), 20);
  EXPECT_FALSE(typeLetter(name, 1, false));
  EXPECT_EQ(name[20], kGlyphCursor);  // the cursor always stays the last code
  EXPECT_EQ(lastGlyphIndex(name), 20);
}

TEST(NameTyping, TheCursorIsAlwaysTheLastCode) {
  Name name;
  clearName(name);
  for (int step = 0; step < 60; ++step) {
    if (step % 5 == 4)
      deleteGlyph(name);
    else
      typeLetter(name, step % 26, step % 3 == 0);
    const int cursor = cursorSlot(name);
    EXPECT_EQ(name[cursor], kGlyphCursor);
    for (int i = cursor + 1; i < kNameSlots; ++i) EXPECT_EQ(name[i], 0) << "step " << step;
    for (int i = 0; i < cursor; ++i) EXPECT_NE(name[i], kGlyphCursor);
  }
}

TEST(NameEntryHands, SlowHandsArriveEvenWithFewStepsAFrame) {
  // At 60 frames a second the pacer gives two or three steps a frame; a third of that, rounded
  // down each frame, would leave the sleeve and the rising arm where they start.
  NameEntryScreen screen;
  for (int frame = 0; frame < 600; ++frame) screen.Move(2);
  EXPECT_EQ(screen.hand3X, 0);
  EXPECT_EQ(screen.hand5Y, 536);
  EXPECT_EQ(screen.hand1X, 233);
}
