// Draws the program's three textures and writes them as 24-bit BMP files.
// Usage: make-textures OUTPUT_DIRECTORY   (the repository keeps its copy in Textures/)
#include <cstdio>
#include <string>

#include "BmpWriter.h"
#include "Pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    // A power of two, which every OpenGL accepts for a texture.
    const int size = 256;
    const std::string directory = argv[1];
    const struct {
        const char* name;
        Picture picture;
    } outputs[] = {
        {"Noise.bmp", drawNoise(size)},
        {"Grass.bmp", drawGrass(size)},
        {"Spot.bmp", drawSpot(size)},
    };
    for (const auto& output : outputs) {
        const std::string path = directory + "/" + output.name;
        if (!writeBmp(output.picture, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
