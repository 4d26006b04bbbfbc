// make_art <output-dir>: writes the clock skins, icons and About picture
// into output-dir.
#include <cstdio>

#include "tools/art/Art.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art <output-dir>\n");
        return 2;
    }
    if (!art::WriteAllArt(argv[1])) {
        std::fprintf(stderr, "make_art: cannot write the artwork into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
