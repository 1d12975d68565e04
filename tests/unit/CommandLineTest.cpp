#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "game/CommandLine.h"
#include "platform/SdlInput.h"

namespace {
CommandLine parse(std::vector<const char*> options) {
  options.insert(options.begin(), "ilvys-mission");
  return parseCommandLine(static_cast<int>(options.size()), options.data());
}
}  // namespace

TEST(CommandLine, PlaysFullScreenOrWindowed) {
  EXPECT_EQ(parse({}).action, CommandLine::Action::Play);
  EXPECT_FALSE(parse({}).windowed);
  const CommandLine windowed = parse({"--windowed"});
  EXPECT_EQ(windowed.action, CommandLine::Action::Play);
  EXPECT_TRUE(windowed.windowed);
}

TEST(CommandLine, HelpAndVersionLeaveBeforePlaying) {
  EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::ShowHelp);
  EXPECT_EQ(parse({"--windowed", "-h"}).action, CommandLine::Action::ShowHelp);
  EXPECT_EQ(parse({"--version", "--help"}).action, CommandLine::Action::ShowVersion);
  EXPECT_NE(std::string(helpText()).find("--windowed"), std::string::npos);
  EXPECT_NE(std::string(helpText()).find("F11"), std::string::npos);
  EXPECT_NE(std::string(versionText()).find(ILVYS_TEST_VERSION), std::string::npos);
}

TEST(CommandLine, AnUnknownOptionRefusesTheWholeLine) {
  const CommandLine bad = parse({"--windowed", "--fullscreeen", "--help"});
  EXPECT_EQ(bad.action, CommandLine::Action::RefuseUnknown);
  EXPECT_EQ(bad.unknown, "--fullscreeen");
  EXPECT_EQ(parse({"windowed"}).action, CommandLine::Action::RefuseUnknown);
  EXPECT_EQ(parse({""}).action, CommandLine::Action::RefuseUnknown);
}

TEST(FullScreenToggle, F11OrEnterWithAltOnly) {
  EXPECT_TRUE(isFullScreenToggle(SDL_SCANCODE_F11, KMOD_NONE));
  EXPECT_TRUE(isFullScreenToggle(SDL_SCANCODE_F11, KMOD_LSHIFT));
  EXPECT_TRUE(isFullScreenToggle(SDL_SCANCODE_RETURN, KMOD_LALT));
  EXPECT_TRUE(isFullScreenToggle(SDL_SCANCODE_RETURN, KMOD_RALT));
  EXPECT_TRUE(isFullScreenToggle(SDL_SCANCODE_KP_ENTER, KMOD_LALT));
  EXPECT_FALSE(isFullScreenToggle(SDL_SCANCODE_RETURN, KMOD_NONE));
  EXPECT_FALSE(isFullScreenToggle(SDL_SCANCODE_RETURN, KMOD_LCTRL));
  EXPECT_FALSE(isFullScreenToggle(SDL_SCANCODE_F10, KMOD_LALT));
}
