// Draws the program's three textures and writes them as 24-bit BMP files.
// Usage: make-textures OUTPUT_DIRECTORY   (the repository keeps its copy in Textures/)
#include <cstdio>
#include <string>

#include "BmpWriter.h"
#include "Pictures.h"
#include "app/StartupPictures.h"

namespace {

// Each picture is drawn for what it covers.
Picture draw(int (Scene::*load)(const char*), int size) {
    if (load == &Scene::loadCubeTexture) return drawNoise(size);
    if (load == &Scene::loadGroundTexture) return drawGrass(size);
    return drawSpot(size);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    // A power of two, which every OpenGL accepts for a texture.
    const int size = 256;
    const std::string directory = argv[1];
    for (const StartupPicture& picture : startupPictures) {
        const std::string path = directory + "/" + picture.file;
        if (!writeBmp(draw(picture.load, size), path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
