// ilvys-artgen OUTDIR: draws every picture of the game into OUTDIR/Art.
#include "Generator.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: ilvys-artgen OUTDIR\n";
        return 2;
    }
    return artgen::generateAll(argv[1], std::cerr) == 0 ? 0 : 1;
}
