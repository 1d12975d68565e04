#include "game/CommandLine.h"

#include <cstring>

CommandLine parseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    if (std::strcmp(option, "--windowed") == 0) {
      line.windowed = true;
    } else if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
      line.action = CommandLine::Action::ShowHelp;
      return line;
    } else if (std::strcmp(option, "--version") == 0) {
      line.action = CommandLine::Action::ShowVersion;
      return line;
    } else {
      line.action = CommandLine::Action::RefuseUnknown;
      line.unknown = option;
      return line;
    }
  }
  return line;
}

const char* usageLine() { return "Usage: ilvys-mission [--windowed] [--help] [--version]\n"; }

const char* helpText() {
  return "Usage: ilvys-mission [--windowed] [--help] [--version]\n"
         "Ilvy's Mission: a puzzle adventure through the quests of six worlds.\n"
         "\n"
         "Options:\n"
         "  --windowed   play in an 800 by 600 window instead of the full screen\n"
         "  --help       show this help and leave\n"
         "  --version    show the version and leave\n"
         "\n"
         "Controls:\n"
         "  arrow keys (or the numeric pad's)  move the hero in a quest\n"
         "  mouse                              every button; the choices in the bar of a quest\n"
         "  Enter                              skip the title; accept a briefing, a result, a name\n"
         "  Escape or Backspace                in a quest the in-game menu; elsewhere back\n"
         "  letters, Shift, full stop, space   type a name; Backspace deletes a letter\n"
         "  F11 or Alt+Enter                   switch between full screen and a window\n"
         "\n"
         "Saved games and the hall of fame are kept in $XDG_DATA_HOME/ilvys-mission/Saves\n"
         "(~/.local/share/ilvys-mission/Saves), or in the Saves folder of a game directory that has one.\n"
         "Settings are read from $XDG_CONFIG_HOME/ilvys-mission/data1.txt when it exists.\n";
}

const char* versionText() { return "Ilvy's Mission " ILVYS_VERSION "\n"; }
