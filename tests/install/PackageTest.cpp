#include <gtest/gtest.h>

#include <string>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// The package built by scripts/package.sh (the debian_package test, which also has lintian,
// desktop-file-validate and appstreamcli check it), unpacked rather than installed, starts from
// an unrelated folder with all three of its pictures.
TEST(Package, UnpackedPackageStartsWithItsPictures) {
    const TempDir unpacked;
    runCommand("dpkg-deb -x \"$(ls " + shellQuoted(ROLLING_CUBE_SOURCE_DIR) +
               "/build-package/rolling-cube_*.deb)\" " + shellQuoted(unpacked.path()));
    const TempDir empty;
    ProgramLaunch launch;
    launch.executable = unpacked.file("usr/bin/rolling-cube");
    RunningProgram program(empty.path(), launch);
    EXPECT_EQ(loadingLines(program), allPicturesLoaded);
}

}  // namespace
