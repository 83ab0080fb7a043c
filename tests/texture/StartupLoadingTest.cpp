#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AllocationProbe.h"
#include "RunningProgram.h"
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
    explicit TexturesDirectory(std::initializer_list<StartupPicture> pictures) {
        mkdir(dir.file(pictureFolder).c_str(), 0755);
        for (const StartupPicture& picture : pictures) {
            writeFile(dir.file(relativePath(picture)), committedTexture(picture.file));
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
    EXPECT_EQ(loadAll(scene), allPicturesLoaded);
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
    const TexturesDirectory textures({startupPictures[1], startupPictures[2]});
    const WorkingDirectory inside(textures.dir.path());
    Scene scene;
    EXPECT_EQ(loadAll(scene), allLoadedBut(0, "File Not Found : Textures/Noise.bmp\n"));
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
              allLoadedBut(0, "Error allocating memory for color-corrected image data"));
    EXPECT_EQ(scene.cubeTexture, 0u);
    const GLuint slots[] = {scene.groundTexture, scene.rollerTexture};
    glDeleteTextures(2, slots);
}

// Where standard output goes during the test below, and what that file held each time a
// picture's pixel buffer was allocated, that is, while its file was being read.
std::string stdoutFile;
std::vector<std::string> writtenWhileReading;

// Sends standard output to a file, as a shell redirection would, bypassing GoogleTest's capture.
class StdoutToFile {
  public:
    explicit StdoutToFile(const std::string& path) {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, STDOUT_FILENO);
        close(file);
    }
    ~StdoutToFile() {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
    StdoutToFile(const StdoutToFile&) = delete;
    StdoutToFile& operator=(const StdoutToFile&) = delete;

  private:
    int saved_ = -1;
};

// A file or a pipe gets each text as soon as it is printed, as a terminal does: the user sees
// which picture is being read, and a program killed later loses no line.
TEST_F(StartupLoading, EachTextReachesAFileBeforeTheNextPictureIsRead) {
    const WorkingDirectory root(ROLLING_CUBE_SOURCE_DIR);
    const TempDir dir;
    stdoutFile = dir.file("stdout.txt");
    writtenWhileReading.clear();
    Scene scene;
    std::string afterLoading;
    {
        const StdoutToFile redirect(stdoutFile);
        allocationprobe::watchEveryOfAtLeast(
            256 * 256 * 3, [] { writtenWhileReading.push_back(readFile(stdoutFile)); });
        loadStartupTextures(scene);
        allocationprobe::watchEveryOfAtLeast(0, nullptr);
        afterLoading = readFile(stdoutFile);
    }
    // Each picture is read once its text up to "... " is out.
    std::vector<std::string> expected;
    const std::string all = allPicturesLoaded;
    for (size_t at = all.find("... "); at != std::string::npos; at = all.find("... ", at + 1)) {
        expected.push_back(all.substr(0, at + 4));
    }
    EXPECT_EQ(writtenWhileReading, expected);
    EXPECT_EQ(afterLoading, all);
    const GLuint slots[] = {scene.cubeTexture, scene.groundTexture, scene.rollerTexture};
    glDeleteTextures(3, slots);
}

}  // namespace
