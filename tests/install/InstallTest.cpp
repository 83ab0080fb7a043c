#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "BmpBytes.h"
#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// What the installed program prints while it starts in workingDirectory, run through a symbolic
// link elsewhere, so that only the executable's real place can lead it to its pictures.
std::string startupLines(const std::string& workingDirectory, const std::string& executable) {
    const TempDir links;
    if (symlink(executable.c_str(), links.file("rolling-cube").c_str()) != 0) return "no link";
    ProgramLaunch launch;
    launch.executable = links.file("rolling-cube");
    RunningProgram program(workingDirectory, launch);
    return loadingLines(program);
}

TEST(Install, InstalledProgramFindsItsPicturesFromAnyFolderButPrefersTheWorkingDirectory) {
    const TempDir prefix;
    runCommand("cmake --install '" ROLLING_CUBE_BINARY_DIR "' --prefix '" + prefix.path() +
               "' >/dev/null");
    const std::string executable = prefix.file("bin/rolling-cube");
    const TempDir empty;
    EXPECT_EQ(startupLines(empty.path(), executable),
              "Loading cube texture... Success\n"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");

    // A picture in the working directory is the one read, even when it is broken.
    const TempDir broken;
    mkdir(broken.file("Textures").c_str(), 0755);
    BmpHeader header;
    header.bitsPerPixel = 8;
    writeFile(broken.file("Textures/Noise.bmp"), bmpFile(header, std::string(12, '\0')));
    EXPECT_EQ(startupLines(broken.path(), executable),
              "Loading cube texture... Bpp from Textures/Noise.bmp is not 24: 8\n"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");

    // Without the installed pictures, the messages name the relative paths, as they always have.
    ASSERT_EQ(std::rename(prefix.file("share/rolling-cube").c_str(), prefix.file("away").c_str()),
              0);
    EXPECT_EQ(startupLines(empty.path(), executable),
              "Loading cube texture... File Not Found : Textures/Noise.bmp\n"
              "Loading ground texture... File Not Found : Textures/Grass.bmp\n"
              "Loading roller texture... File Not Found : Textures/Spot.bmp\n");
}

}  // namespace
