#include "StartupPictureFiles.h"

#include <sys/stat.h>

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

std::string writeStartupPictures(const std::string& directory) {
    // A power of two, which every OpenGL accepts for a texture.
    const int size = 256;
    for (const StartupPicture& picture : startupPictures) {
        const std::string path = directory + "/" + picture.file;
        if (!writeBmp(draw(picture.load, size), path)) return path;
    }
    return "";
}

std::string writeStartupPicturesForTheProgram() {
    std::string folder = pictureFolder;
    folder.pop_back();
    // A folder that is there already is as good as a new one.
    mkdir(folder.c_str(), 0755);
    return writeStartupPictures(folder);
}
