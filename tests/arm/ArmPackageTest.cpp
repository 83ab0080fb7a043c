#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "PicturePrediction.h"
#include "RunningProgram.h"
#include "TestFiles.h"

// Each ARM package unpacked, never installed, and started from another folder under qemu with
// the sysroot it was built against standing in for the board's system.
namespace {

struct Target {
    std::string arch, qemu, triple;
    std::vector<std::string> guestEnvironment;
};

std::string folder(const Target& t) { return ROLLING_CUBE_SOURCE_DIR "/build-package-" + t.arch; }

// Why this machine cannot make the package (its apt sources have no packages of the target),
// as scripts/sysroot.sh wrote it; empty when it can.
std::string unavailable(const Target& t) {
    std::ifstream in(folder(t) + "/sysroot.unavailable");
    std::string reason;
    std::getline(in, reason);
    return reason;
}

void checkPackageAndRun(const Target& t) {
    ASSERT_EQ(t.qemu.find("NOTFOUND"), std::string::npos) << "qemu-user is missing";
    const std::string deb = folder(t) + "/rolling-cube_" PACKAGE_VERSION "_" + t.arch + ".deb";
    ASSERT_TRUE(std::ifstream(deb).good())
        << deb << " is missing: scripts/package.sh --arch " << t.arch << " makes it";
    EXPECT_EQ(runCommand("dpkg-deb -f '" + deb + "' Architecture"), t.arch + "\n");
    // dpkg-shlibdeps found the sysroot's GLUT and the package it came from.
    EXPECT_NE(runCommand("dpkg-deb -f '" + deb + "' Depends").find("libglut"), std::string::npos);

    const TempDir unpacked, elsewhere;
    runCommand("dpkg-deb -x '" + deb + "' '" + unpacked.path() + "'");
    const std::string sysroot = folder(t) + "/sysroot";
    ProgramLaunch launch;
    launch.executable = t.qemu;
    launch.arguments = {"-L", sysroot, "-E",
                        "LIBGL_DRIVERS_PATH=" + sysroot + "/usr/lib/" + t.triple + "/dri"};
    for (const std::string& variable : t.guestEnvironment) {
        launch.arguments.insert(launch.arguments.end(), {"-E", variable});
    }
    launch.arguments.push_back(unpacked.file("usr/bin/rolling-cube"));
    RunningProgram program(elsewhere.path(), launch);
    EXPECT_EQ(loadingLines(program),
              "Loading cube texture... Success\n"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");
    EXPECT_EQ(program.title(), "Perspective Projection");
    const auto shot = worldview::expectPicture(program, worldview::startingPicture());
    // Textured: the ground shows grass in many shades, where a driver that drops textures
    // (llvmpipe under qemu-arm) draws one flat green.
    int darkest = 255, lightest = 0;
    for (const auto& [column, row] : worldview::startingPicture().ground) {
        const Rgb c = shot.at(column, row);
        if (c.g <= c.r + 20 || c.g <= c.b + 20) continue;
        darkest = std::min(darkest, c.g);
        lightest = std::max(lightest, c.g);
    }
    EXPECT_GT(lightest - darkest, 60);
    program.key("o");
    EXPECT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    program.key("p");
    EXPECT_EQ(titleOnceSettled(program, "Perspective Projection"), "Perspective Projection");
    EXPECT_TRUE(program.alive());
}

}  // namespace

TEST(ArmPackage, Arm64DrawsTheSceneUnderEmulation) {
    const Target t{"arm64", QEMU_AARCH64, "aarch64-linux-gnu", {}};
    if (!unavailable(t).empty()) GTEST_SKIP() << unavailable(t);
    checkPackageAndRun(t);
}

// Mesa's llvmpipe draws flat colours without textures under qemu-arm (its generated code, not
// this program's), so the 32-bit package draws with softpipe.
TEST(ArmPackage, ArmhfDrawsTheSceneUnderEmulationWithSoftpipe) {
    const Target t{"armhf", QEMU_ARM, "arm-linux-gnueabihf", {"GALLIUM_DRIVER=softpipe"}};
    if (!unavailable(t).empty()) GTEST_SKIP() << unavailable(t);
    checkPackageAndRun(t);
}
