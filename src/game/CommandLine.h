#pragma once
#include <string>

// What the player asked for on the command line.
struct CommandLine {
  enum class Action { Play, ShowHelp, ShowVersion, RefuseUnknown };
  Action action = Action::Play;
  bool windowed = false;
  std::string unknown;  // the first option not understood
};

// The first --help or --version decides; any option not known refuses the whole line.
CommandLine parseCommandLine(int argc, const char* const* argv);

const char* usageLine();
const char* helpText();
const char* versionText();
