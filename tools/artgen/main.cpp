// ilvys-artgen OUTDIR: draws every picture of the game into OUTDIR/Art.
// ilvys-artgen --overlay-walls DIR: writes each quest background with its walls drawn over it, to
// check by eye that every invisible wall lies on an edge of the picture.
// ilvys-artgen --contact-sheet FILE.png: every picture on one labelled sheet, to review the style.
// ilvys-artgen --icons DIR NAME: the game's icon in the desktop's sizes, DIR/<N>x<N>/apps/NAME.png.
#include "ContactSheet.h"
#include "Generator.h"
#include "Icons.h"
#include "draw/BackgroundDraw.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--overlay-walls")
        return artgen::writeWallOverlays(argv[2], std::cerr) == 0 ? 0 : 1;
    if (argc == 3 && std::string_view(argv[1]) == "--contact-sheet")
        return artgen::writeContactSheet(argv[2], std::cerr) ? 0 : 1;
    if (argc == 4 && std::string_view(argv[1]) == "--icons")
        return artgen::writeIcons(argv[2], argv[3], std::cerr) == 0 ? 0 : 1;
    // An option it does not know is not taken for an output folder.
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: ilvys-artgen OUTDIR | ilvys-artgen --overlay-walls DIR | "
                     "ilvys-artgen --contact-sheet FILE.png | ilvys-artgen --icons DIR NAME\n";
        return 2;
    }
    return artgen::generateAll(argv[1], std::cerr) == 0 ? 0 : 1;
}
