#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "PicturePrediction.h"
#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// The package unpacked, never installed, and started from another folder under qemu, with the
// sysroot it was built against standing in for the board's system. Skipped, saying why, where
// this machine's apt sources have no packages of the target to build it with.
void checkPackageAndRun(const std::string& arch, const std::string& qemu, const char* triple,
                        const std::string& driver) {
    const std::string folder = ROLLING_CUBE_SOURCE_DIR "/build-package-" + arch;
    std::string unavailable;
    std::getline(std::ifstream(folder + "/sysroot.unavailable"), unavailable);
    if (!unavailable.empty()) GTEST_SKIP() << unavailable;
    ASSERT_FALSE(qemu.empty()) << toolMissing("qemu-user", "arm");
    const std::string deb = folder + "/rolling-cube_" PACKAGE_VERSION "_" + arch + ".deb";
    ASSERT_TRUE(std::ifstream(deb).good()) << deb << " is missing: scripts/package.sh makes it";
    EXPECT_EQ(runCommand("dpkg-deb -f " + shellQuoted(deb) + " Architecture"), arch + "\n");
    // dpkg-shlibdeps found the sysroot's GLUT and the package it came from.
    EXPECT_NE(runCommand("dpkg-deb -f " + shellQuoted(deb) + " Depends").find("libglut"),
              std::string::npos);

    const TempDir unpacked, elsewhere;
    runCommand("dpkg-deb -x " + shellQuoted(deb) + " " + shellQuoted(unpacked.path()));
    ProgramLaunch launch;
    launch.executable = qemu;
    const std::string sysroot = folder + "/sysroot";
    const std::string drivers = "LIBGL_DRIVERS_PATH=" + sysroot + "/usr/lib/" + triple + "/dri";
    const std::string exe = unpacked.file("usr/bin/rolling-cube");
    launch.arguments = {"-L", sysroot, "-E", drivers, "-E", "GALLIUM_DRIVER=" + driver, exe};
    RunningProgram program(elsewhere.path(), launch);
    EXPECT_EQ(loadingLines(program), allPicturesLoaded);
    EXPECT_EQ(program.title(), "Perspective Projection");
    const auto shot = worldview::expectPicture(program, worldview::startingPicture());
    // The ground's grass in many shades; a driver that drops textures draws one flat green.
    int darkest = 255, lightest = 0;
    for (const auto& [column, row] : worldview::startingPicture().ground) {
        const Rgb c = shot.at(column, row);
        if (!grassLike(c)) continue;
        darkest = std::min(darkest, c.g);
        lightest = std::max(lightest, c.g);
    }
    EXPECT_GT(lightest - darkest, 60);
    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    EXPECT_EQ(titleAfterKey(program, "p", "Perspective Projection"), "Perspective Projection");
}

}  // namespace

TEST(ArmPackage, Arm64DrawsTheSceneUnderEmulation) {
    checkPackageAndRun("arm64", toolOnPath("qemu-aarch64"), "aarch64-linux-gnu", "llvmpipe");
}

// Under qemu-arm llvmpipe's generated code drops the textures, so this one draws with softpipe.
TEST(ArmPackage, ArmhfDrawsTheSceneUnderEmulationWithSoftpipe) {
    checkPackageAndRun("armhf", toolOnPath("qemu-arm"), "arm-linux-gnueabihf", "softpipe");
}
