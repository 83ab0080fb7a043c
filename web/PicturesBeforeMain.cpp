// The page downloads no pictures: they are drawn here, by the same code that drew the ones in
// Textures/ (tools/make-textures), into Textures/ in the virtual file system's working directory,
// before main runs. The program then reads the very same BMP bytes, with the same reader and the
// same console text, as it does on the desktop; drawing them takes milliseconds, where
// downloading them cost 590 kB.
#include <cstdio>
#include <string>

#include "StartupPictureFiles.h"

namespace {

// Emscripten sets up its file system before it runs the static constructors, and those run
// before main.
struct PicturesBeforeMain {
    PicturesBeforeMain() {
        // A picture that could not be written is reported as missing when the program reads it.
        const std::string failed = writeStartupPicturesForTheProgram();
        if (!failed.empty()) std::fprintf(stderr, "Could not draw %s\n", failed.c_str());
    }
};

const PicturesBeforeMain picturesBeforeMain;

}  // namespace
