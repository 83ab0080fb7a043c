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
    runCommand("cmake --install " + shellQuoted(ROLLING_CUBE_BINARY_DIR) + " --prefix " +
               shellQuoted(prefix.path()) + " >/dev/null");
    const std::string executable = prefix.file("bin/rolling-cube");
    const TempDir empty;
    EXPECT_EQ(startupLines(empty.path(), executable), allPicturesLoaded);

    // A picture in the working directory is the one read, even when it is broken.
    const TempDir broken;
    mkdir(broken.file("Textures").c_str(), 0755);
    BmpHeader header;
    header.bitsPerPixel = 8;
    writeFile(broken.file(relativePath(startupPictures[0])),
              bmpFile(header, std::string(12, '\0')));
    EXPECT_EQ(startupLines(broken.path(), executable),
              allLoadedBut(0, "Bpp from Textures/Noise.bmp is not 24: 8\n"));

    // Without the installed pictures, the messages name the relative paths, as they always have.
    ASSERT_EQ(std::rename(prefix.file("share/rolling-cube").c_str(), prefix.file("away").c_str()),
              0);
    EXPECT_EQ(startupLines(empty.path(), executable), noneFound())
        << "(pictures installed in " ROLLING_CUBE_DATA_DIR
           ", the folder this build was configured for, would be read instead)";
}

// Without /proc, as in some chroots and containers, the program cannot tell where its executable
// is; through a hard link in another folder it is told the wrong place. Either way it finds its
// pictures in the data folder its build was configured to install into, so the test installs a
// build configured for a scratch prefix.
TEST(Install, InstalledProgramFindsItsPicturesWithoutProcAndThroughAHardLink) {
    const TempDir scratch;
    const std::string build = scratch.file("build"), prefix = scratch.file("prefix");
    runCommand("cmake -S " + shellQuoted(ROLLING_CUBE_SOURCE_DIR) + " -B '" + build +
               "' -DROLLING_CUBE_TESTS=OFF -DCMAKE_INSTALL_PREFIX='" + prefix +
               "' >/dev/null && cmake --build '" + build +
               "' -j$(nproc) --target rolling-cube >/dev/null && cmake --install '" + build +
               "' >/dev/null");
    const std::string executable = prefix + "/bin/rolling-cube";
    const TempDir empty;

    // An empty file system over /proc, in a mount namespace of the program's own (which takes
    // root, as the test suite has).
    const TempDir wrapper;
    const std::string withoutProc = wrapper.file("without-proc");
    writeFile(withoutProc,
              "#!/bin/sh\nexec unshare --mount sh -c "
              "'mount -t tmpfs hidden /proc && exec \"$0\"' '" +
                  executable + "'\n");
    ASSERT_EQ(chmod(withoutProc.c_str(), 0755), 0);
    ProgramLaunch launch;
    launch.executable = withoutProc;
    {
        RunningProgram program(empty.path(), launch);
        EXPECT_EQ(loadingLines(program), allPicturesLoaded);
    }

    const TempDir elsewhere;
    ASSERT_EQ(link(executable.c_str(), elsewhere.file("rolling-cube").c_str()), 0);
    launch.executable = elsewhere.file("rolling-cube");
    RunningProgram program(empty.path(), launch);
    EXPECT_EQ(loadingLines(program), allPicturesLoaded);
}

}  // namespace
