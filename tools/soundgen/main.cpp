// ilvys-soundgen OUTDIR: writes the game's sound effects and music into OUTDIR/Data.
#include <filesystem>
#include <iostream>

#include "Soundgen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ilvys-soundgen OUTDIR\n";
    return 2;
  }
  const std::string error = soundgen::writeAll(std::filesystem::path(argv[1]) / "Data");
  if (!error.empty()) {
    std::cerr << "ilvys-soundgen: " << error << "\n";
    return 1;
  }
  return 0;
}
