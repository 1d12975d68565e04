#pragma once

#include "Manifest.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace artgen {

// Draws one picture on a fresh transparent canvas of the entry's size.
std::unique_ptr<Canvas> render(const ArtEntry& entry);

// Draws and writes OUTDIR/Art/<name>.bmp for every manifest entry. Reports each failure on err and
// returns how many pictures could not be written (0 when all are there).
int generateAll(const std::filesystem::path& outDir, std::ostream& err);

}  // namespace artgen
