// make_manual: writes the game's manual page (section 6, roff) from the same table as the
// game's --help, so that the two say the same. The one generator that uses the game's code
// (app/Usage, which needs the standard library only): a copy of the table would drift.
// Usage: make_manual <output file>
#include "app/Usage.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_manual <output file>\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << Usage::manualPage();
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
