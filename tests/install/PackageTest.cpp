#include <gtest/gtest.h>

#include <string>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// The package built by scripts/package.sh (the debian_package test, which also has lintian,
// desktop-file-validate and appstreamcli check it), unpacked rather than installed, starts from
// an unrelated folder with all three of its pictures; the script refuses words it does not take.
TEST(Package, UnpackedPackageStartsWithItsPictures) {
    const TempDir unpacked;
    runCommand("dpkg-deb -x \"$(ls " + shellQuoted(ROLLING_CUBE_SOURCE_DIR) +
               "/build-package/rolling-cube_*.deb)\" " + shellQuoted(unpacked.path()));
    const TempDir empty;
    ProgramLaunch launch;
    launch.executable = unpacked.file("usr/bin/rolling-cube");
    RunningProgram program(empty.path(), launch);
    EXPECT_EQ(loadingLines(program), allPicturesLoaded);

    // A word the script does not take is refused, before anything is built, not built past.
    for (const std::string words : {"--arch armhf extra", "--arch amd64 --junk", "--arch"}) {
        EXPECT_EQ(runCommand(shellQuoted(ROLLING_CUBE_SOURCE_DIR "/scripts/package.sh") + " " +
                             words + " 2>&1; echo \"exit status $?\""),
                  "usage: scripts/package.sh [--arch arm64|armhf]\nexit status 2\n");
    }
}

}  // namespace
