// Draws the program's three textures and writes them as 24-bit BMP files.
// Usage: make-textures OUTPUT_DIRECTORY   (the repository keeps its copy in Textures/)
#include <cstdio>
#include <string>

#include "StartupPictureFiles.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string failed = writeStartupPictures(argv[1]);
    if (!failed.empty()) {
        std::fprintf(stderr, "cannot write %s\n", failed.c_str());
        return 1;
    }
    return 0;
}
