#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "AllocationProbe.h"
#include "TestFiles.h"
#include "TestWindow.h"
#include "app/Init.h"
#include "scene/Scene.h"

namespace {

std::string loadAll(Scene& scene) {
    testing::internal::CaptureStdout();
    loadStartupTextures(scene);
    return testing::internal::GetCapturedStdout();
}

// A working directory holding Textures/ with the named committed pictures.
class TexturesDirectory {
  public:
    explicit TexturesDirectory(std::initializer_list<const char*> names) {
        mkdir(dir.file("Textures").c_str(), 0755);
        for (const char* name : names) {
            writeFile(dir.file(std::string("Textures/") + name), committedTexture(name));
        }
    }
    TempDir dir;
};

class StartupLoading : public testing::Test {
  protected:
    void SetUp() override { testwindow::resetToProgramState(); }
};

TEST_F(StartupLoading, AllThreePicturesLoadWithOneLineEach) {
    const WorkingDirectory root(ROLLING_CUBE_SOURCE_DIR);
    Scene scene;
    EXPECT_EQ(loadAll(scene),
              "Loading cube texture... Success\n"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");
    const GLuint slots[] = {scene.cubeTexture, scene.groundTexture, scene.rollerTexture};
    for (const GLuint slot : slots) {
        EXPECT_EQ(glIsTexture(slot), GL_TRUE);
        glBindTexture(GL_TEXTURE_2D, slot);
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        EXPECT_EQ(width, 256);
    }
    EXPECT_NE(slots[0], slots[1]);
    EXPECT_NE(slots[1], slots[2]);
    glDeleteTextures(3, slots);
}

TEST_F(StartupLoading, MissingCubePictureCostsOnlyItsTexture) {
    const TexturesDirectory textures({"Grass.bmp", "Spot.bmp"});
    const WorkingDirectory inside(textures.dir.path());
    Scene scene;
    EXPECT_EQ(loadAll(scene),
              "Loading cube texture... File Not Found : Textures/Noise.bmp\n"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");
    EXPECT_EQ(scene.cubeTexture, 0u);
    EXPECT_EQ(glIsTexture(scene.groundTexture), GL_TRUE);
    EXPECT_EQ(glIsTexture(scene.rollerTexture), GL_TRUE);
    const GLuint slots[] = {scene.groundTexture, scene.rollerTexture};
    glDeleteTextures(2, slots);
}

TEST_F(StartupLoading, AllocationFailureMessageRunsIntoTheNextLoadingText) {
    const WorkingDirectory root(ROLLING_CUBE_SOURCE_DIR);
    Scene scene;
    testing::internal::CaptureStdout();
    // The first picture's pixel buffer is the first allocation this large.
    allocationprobe::failNextOfAtLeast(256 * 256 * 3);
    loadStartupTextures(scene);
    allocationprobe::failNextOfAtLeast(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading cube texture... Error allocating memory for color-corrected image data"
              "Loading ground texture... Success\n"
              "Loading roller texture... Success\n");
    EXPECT_EQ(scene.cubeTexture, 0u);
    const GLuint slots[] = {scene.groundTexture, scene.rollerTexture};
    glDeleteTextures(2, slots);
}

// Standard output on a pseudo-terminal, read from its other end.
class Terminal {
  public:
    Terminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) std::abort();
        slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);  // no line-ending translation
        tcsetattr(slave_, TCSANOW, &raw);
    }
    ~Terminal() {
        restoreStdout();
        close(master_);
    }

    void becomeStdout() {
        std::fflush(stdout);
        savedStdout_ = dup(STDOUT_FILENO);
        dup2(slave_, STDOUT_FILENO);
    }

    void restoreStdout() {
        if (savedStdout_ < 0) return;
        std::fflush(stdout);
        dup2(savedStdout_, STDOUT_FILENO);
        close(savedStdout_);
        close(slave_);
        savedStdout_ = -1;
    }

    // Reads what has arrived until text has or the time is up; true if it has.
    bool readUntil(const std::string& text, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (received.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd ready{master_, POLLIN, 0};
            if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) continue;
            char buffer[256];
            const ssize_t got = read(master_, buffer, sizeof buffer);
            if (got <= 0) return false;  // the terminal's last writer has gone
            received.append(buffer, static_cast<size_t>(got));
        }
        return true;
    }

    std::string received;

  private:
    int master_ = -1;
    int slave_ = -1;
    int savedStdout_ = -1;
};

// The cube's picture is a named pipe: its read blocks until someone opens the pipe for
// writing, and this test does so only once the loading text has reached the terminal.
TEST_F(StartupLoading, OnATerminalEachLoadingTextShowsBeforeItsFileIsRead) {
    const TexturesDirectory textures({});
    const std::string pipe = textures.dir.file("Textures/Noise.bmp");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const WorkingDirectory inside(textures.dir.path());

    Terminal terminal;
    bool shownBeforeRead = false;
    std::thread watcher([&] {
        shownBeforeRead =
            terminal.readUntil("Loading cube texture... ", std::chrono::milliseconds(5000));
        // Let the read go on either way: open the pipe as soon as the reader waits on it, then
        // close it, so the reader meets an empty file.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int writer = -1;
        while (writer < 0 && std::chrono::steady_clock::now() < deadline) {
            writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (writer >= 0) close(writer);
        terminal.readUntil("Loading roller texture... File Not Found : Textures/Spot.bmp\n",
                           std::chrono::milliseconds(10000));
    });

    terminal.becomeStdout();
    Scene scene;
    loadStartupTextures(scene);
    std::fflush(stdout);
    watcher.join();
    terminal.restoreStdout();

    EXPECT_TRUE(shownBeforeRead);
    EXPECT_EQ(terminal.received,
              "Loading cube texture... Planes from Textures/Noise.bmp is not 1: 65279\n"
              "Loading ground texture... File Not Found : Textures/Grass.bmp\n"
              "Loading roller texture... File Not Found : Textures/Spot.bmp\n");
}

}  // namespace
