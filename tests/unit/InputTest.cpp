#include <gtest/gtest.h>

#include "game/Panels.h"
#include "platform/Input.h"
#include "platform/KeyCodes.h"

namespace {
struct Devices {
  ScriptedInput source;
  InputSystem system;
  InputDevice keyboard, mouse;
  Devices() {
    system.Create(&source);
    keyboard.Create(&system, kKeyboard, 1);
    mouse.Create(&system, kMouse, 0);
  }
  void poll() {
    keyboard.Poll();
    mouse.Poll();
  }
};
constexpr ButtonPlace kTwoButtons[2] = {{100, 100, 50, 20}, {200, 100, 50, 20}};
}  // namespace

TEST(KeyLatch, AHeldKeyActsOnceUntilReleased) {
  Devices d;
  d.source.state.keys[kKeyEnter] = 0x80;
  int acted = 0;
  for (int frame = 0; frame < 5; ++frame) {
    d.poll();
    if (d.keyboard.KeyHit(kKeyEnter)) {
      d.keyboard.SetLatch(kKeyEnter, 1);
      ++acted;
    }
  }
  EXPECT_EQ(acted, 1);
  d.source.state.keys[kKeyEnter] = 0;
  d.poll();
  d.source.state.keys[kKeyEnter] = 0x80;
  d.poll();
  EXPECT_EQ(d.keyboard.KeyHit(kKeyEnter), 1);
  EXPECT_EQ(d.keyboard.KeyHit(kKeyEnter + 256), 1);  // codes are taken modulo 256
}

TEST(KeyLatch, MouseButtonsAreNotLatchedWhileHeld) {
  Devices d;
  d.source.state.buttons[0] = 0x80;
  for (int frame = 0; frame < 3; ++frame) {
    d.poll();
    EXPECT_EQ(d.mouse.ButtonHit(0), 1);
  }
  EXPECT_EQ(d.keyboard.ButtonHit(0), 0);  // only a mouse has buttons
}

TEST(InRect, LeftAndTopEdgesAreInsideRightAndBottomOutside) {
  EXPECT_EQ(InRect(10, 20, 30, 40, 10, 20), 1);
  EXPECT_EQ(InRect(10, 20, 30, 40, 39, 59), 1);
  EXPECT_EQ(InRect(10, 20, 30, 40, 40, 30), 0);
  EXPECT_EQ(InRect(10, 20, 30, 40, 20, 60), 0);
  EXPECT_EQ(InRect(10, 20, 30, 40, 9, 30), 0);
}

class ButtonRuleTest : public ::testing::Test {
 protected:
  Devices d;
  ButtonRule rule;
  uint8_t frames[2] = {};

  // One frame of a screen: hover, press, act, end of frame.
  int frame(int x, int y) {
    d.source.state.mouseX = x;
    d.source.state.mouseY = y;
    d.poll();
    rule.hover(kTwoButtons, frames, 2, x, y);
    rule.press(kTwoButtons, frames, 2, x, y, d.mouse);
    const int acted = rule.act(d.mouse);
    rule.endFrame();
    return acted;
  }
};

TEST_F(ButtonRuleTest, ActsWhenReleasedOverTheButton) {
  EXPECT_EQ(frame(110, 105), 0);
  EXPECT_EQ(frames[0], 1);
  d.source.state.buttons[0] = 0x80;
  EXPECT_EQ(frame(110, 105), 0);
  EXPECT_EQ(frames[0], 2);
  EXPECT_EQ(frame(112, 105), 0);
  d.source.state.buttons[0] = 0;
  EXPECT_EQ(frame(112, 105), 1);
  EXPECT_EQ(rule.pressLock, 0);
  EXPECT_EQ(frame(112, 105), 0);
}

TEST_F(ButtonRuleTest, SlidingOffAPressedButtonActsAtOnce) {
  d.source.state.buttons[0] = 0x80;
  frame(110, 105);
  EXPECT_EQ(frame(300, 300), 1);
}

TEST_F(ButtonRuleTest, HighlightIsFrozenWhileAButtonIsPressed) {
  d.source.state.buttons[0] = 0x80;
  frame(110, 105);
  frame(111, 105);
  EXPECT_EQ(frames[0], 2);
  EXPECT_EQ(frames[1], 0);
}

TEST_F(ButtonRuleTest, BothMouseButtonsHeldActOnlyWhenBothAreUp) {
  d.source.state.buttons[0] = 0x80;
  d.source.state.buttons[1] = 0x80;
  EXPECT_EQ(frame(210, 105), 0);
  d.source.state.buttons[0] = 0;
  EXPECT_EQ(frame(210, 105), 0);
  d.source.state.buttons[1] = 0;
  EXPECT_EQ(frame(210, 105), 2);
  EXPECT_EQ(frame(210, 105), 0);
}

TEST_F(ButtonRuleTest, HoldingTheMouseOverEmptySpaceAndMovingOntoAButtonPressesIt) {
  d.source.state.buttons[0] = 0x80;
  EXPECT_EQ(frame(10, 10), 0);
  EXPECT_EQ(rule.pressLock, 0);  // a press on empty space does not freeze the highlights
  EXPECT_EQ(frame(110, 105), 0);
  EXPECT_EQ(frames[0], 2);
  d.source.state.buttons[0] = 0;
  EXPECT_EQ(frame(110, 105), 1);
}

TEST(MouseCursor, PointerIsPulledBackIntoTheAllowedAreaWhenDrawn) {
  Devices d;
  MouseCursor cursor;
  cursor.mouse.Create(&d.system, kMouse, 0);
  d.source.state.mouseX = 0;
  cursor.Update();
  EXPECT_EQ(cursor.x, 0);  // the frame's logic may see it outside
  cursor.Draw();
  EXPECT_EQ(cursor.x, 400);
  d.source.state.mouseX = 3;
  cursor.Update();
  cursor.Draw();
  EXPECT_EQ(cursor.x, 3);  // back on the real pointer
}

TEST(MouseCursor, AFastMoveIntoTheEdgeBandLeavesNoDistanceBehind) {
  Devices d;
  MouseCursor cursor;
  cursor.mouse.Create(&d.system, kMouse, 0);
  auto frame = [&](int realX, int realY) {
    d.source.state.mouseX = realX;
    d.source.state.mouseY = realY;
    cursor.Update();
    cursor.Draw();
  };
  frame(300, 300);
  frame(799, 300);  // the right edge band: held back
  EXPECT_EQ(cursor.x, 300);
  frame(500, 300);
  frame(600, 300);
  EXPECT_EQ(cursor.x, 600);
  frame(600, 650);  // the letterbox below the picture
  frame(600, 200);
  EXPECT_EQ(cursor.y, 200);
  frame(300, 200);
  EXPECT_EQ(cursor.x, 300);
}
