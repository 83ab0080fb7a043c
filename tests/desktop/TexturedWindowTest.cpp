#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// The roller is cyan; its picture is a light face with dark spots. Red stays near zero and green
// and blue stay together on both, which neither the grass, the grey background nor any block
// colour does.
bool cyan(const Rgb& c) { return c.r < 40 && c.g - c.b < 25 && c.b - c.g < 25; }
bool lightCyan(const Rgb& c) { return cyan(c) && c.g > 120; }
bool darkCyan(const Rgb& c) { return cyan(c) && c.g >= 15 && c.g <= 110; }

struct RollerSpots {
    int light = 0;
    int dark = 0;  // counted only within the light pixels' bounding box
};

RollerSpots findRollerSpots(const RunningProgram::Screenshot& shot) {
    RollerSpots spots;
    int left = shot.width, right = -1, top = shot.height, bottom = -1;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (!lightCyan(shot.at(x, y))) continue;
            ++spots.light;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (darkCyan(shot.at(x, y))) ++spots.dark;
        }
    }
    return spots;
}

TEST(TexturedWindow, GroundShowsGrassAndRollerShowsItsSpots) {
    RunningProgram program;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const auto ground = program.screenshot();
    int grass = 0;
    int darkestGreen = 255;
    int lightestGreen = 0;
    for (int y = 0; y < ground.height; ++y) {
        for (int x = 0; x < ground.width; ++x) {
            const Rgb c = ground.at(x, y);
            if (!grassLike(c)) continue;
            ++grass;
            darkestGreen = std::min(darkestGreen, c.g);
            lightestGreen = std::max(lightestGreen, c.g);
        }
    }
    // The ground fills most of the view; untextured it would be one flat cyan.
    EXPECT_GT(grass, ground.width * ground.height / 3);
    EXPECT_GT(lightestGreen - darkestGreen, 60);

    // The roller wanders, sometimes out of view: look a few times.
    RollerSpots best;
    for (int attempt = 0; attempt < 20 && best.dark < 40; ++attempt) {
        const RollerSpots spots = findRollerSpots(program.screenshot());
        if (spots.light > 400 && (best.light == 0 || spots.dark > best.dark)) best = spots;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    EXPECT_GT(best.light, 400) << "the roller never showed";
    EXPECT_GE(best.dark, 40) << "the roller showed no dark spots";
    EXPECT_LT(best.dark, best.light);
    EXPECT_TRUE(program.alive());
}

TEST(TexturedWindow, ConsoleReportsEachLoadOnItsOwnLine) {
    RunningProgram program;
    ASSERT_TRUE(program.closeWindow(20)) << "the program did not close with its window";
    EXPECT_EQ(program.output(), allPicturesLoaded);
    const int status = program.stop();
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
}

// Standard output goes to a file, where nothing flushes a buffer at a kill. The window takes its
// title before the pictures are read, so the kill waits until the lines are there; held in a
// buffer, they would never come.
TEST(TexturedWindow, KilledProgramHasWrittenEveryLoadingLine) {
    RunningProgram program;
    loadingLines(program);
    const int status = program.stop();
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
    EXPECT_EQ(program.output(), allPicturesLoaded);
}

// A reader that has gone, as `| head -n1` goes once it has its line: the loading texts then go
// into a pipe nobody reads, and the failed writes must not end the program.
TEST(TexturedWindow, ProgramOutlivesTheReaderOfItsOutput) {
    int ends[2];
    // Close-on-exec, so that the program holds no read end of its own that would keep the pipe
    // open.
    ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
    close(ends[0]);
    ProgramLaunch launch;
    launch.standardOutput = ends[1];
    RunningProgram program(ROLLING_CUBE_SOURCE_DIR, launch);
    close(ends[1]);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_TRUE(program.alive()) << "status " << program.stop();
    EXPECT_TRUE(program.closeWindow(20)) << "the program did not close with its window";
}

// A named pipe with no writer in place of a picture; waiting for one would keep the window from
// ever showing.
TEST(TexturedWindow, PipeInPlaceOfAPictureCostsOnlyThatPicture) {
    const TempDir dir;
    ASSERT_EQ(mkdir(dir.file("Textures").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(dir.file(relativePath(startupPictures[0])).c_str(), 0600), 0);
    for (const StartupPicture& picture : {startupPictures[1], startupPictures[2]}) {
        writeFile(dir.file(relativePath(picture)), committedTexture(picture.file));
    }
    RunningProgram program(dir.path());
    EXPECT_TRUE(program.closeWindow(20)) << "the program did not close with its window";
    EXPECT_EQ(program.output(),
              allLoadedBut(0, "Planes from Textures/Noise.bmp is not 1: 65279\n"));
}

}  // namespace
