#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "AllocationProbe.h"
#include "BmpBytes.h"
#include "TestFiles.h"
#include "TestWindow.h"
#include "texture/TextureLoader.h"

namespace {

int load(const std::string& path, GLuint& slot) {
    testing::internal::CaptureStdout();
    const int result = loadTexture(path.c_str(), slot);
    testing::internal::GetCapturedStdout();
    return result;
}

GLint boundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

GLint levelParameter(GLenum parameter) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    return value;
}

GLint textureParameter(GLenum parameter) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

int value(int x, int y, int channel) { return 10 + 40 * y + 7 * x + channel; }

class TextureLoad : public testing::Test {
  protected:
    void SetUp() override { testwindow::resetToProgramState(); }

    // A 5 x 3 picture: its rows carry a padding byte in the file and none in memory.
    std::string oddWidthFile() {
        BmpHeader header;
        header.width = 5;
        header.height = 3;
        const std::string path = dir.file("odd.bmp");
        writeFile(path, bmpFile(header, paddedRows(5, 3, 0xEE, value)));
        return path;
    }

    // A black picture, width x height, in the fixture's directory. Its pixels are a hole in a
    // sparse file, so that even a picture of many megabytes costs no time or disk to make.
    std::string blankFile(int width, int height) {
        BmpHeader header;
        header.width = width;
        header.height = height;
        const std::string path = dir.file(std::to_string(width) + "x" + std::to_string(height));
        writeFile(path, bmpFile(header, ""));
        const off_t stride = (3 * static_cast<off_t>(width) + 3) / 4 * 4;
        EXPECT_EQ(truncate(path.c_str(), 54 + stride * height), 0);
        return path;
    }

    static GLint sizeLimit() {
        GLint limit = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
        return limit;
    }

    TempDir dir;
};

TEST_F(TextureLoad, OddWidthPictureArrivesWholeInTheTexture) {
    GLuint slot = 0;
    ASSERT_EQ(load(oddWidthFile(), slot), 1);
    ASSERT_NE(slot, 0u);
    EXPECT_EQ(glIsTexture(slot), GL_TRUE);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(slot));
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 5);
    EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), 3);
    // Without mipmaps only a linear (or nearest) minifying filter leaves the texture usable.
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);

    std::vector<unsigned char> texels(5 * 3 * 3, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    std::vector<unsigned char> expected;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                expected.push_back(static_cast<unsigned char>(value(x, y, channel)));
            }
        }
    }
    EXPECT_EQ(texels, expected);
    glDeleteTextures(1, &slot);
}

TEST_F(TextureLoad, FailureLeavesTheSlotAndTheBoundTextureAsTheyWere) {
    GLuint held = 0;
    GLuint bound = 0;
    glGenTextures(1, &held);
    glBindTexture(GL_TEXTURE_2D, held);
    glGenTextures(1, &bound);
    glBindTexture(GL_TEXTURE_2D, bound);

    BmpHeader deep;
    deep.bitsPerPixel = 32;
    writeFile(dir.file("deep.bmp"), bmpFile(deep, std::string(16, '\x01')));
    for (const std::string& path :
         {dir.file("missing.bmp"), dir.file("deep.bmp"), blankFile(sizeLimit() + 1, 1)}) {
        SCOPED_TRACE(path);
        GLuint slot = held;
        EXPECT_EQ(load(path, slot), 0);
        EXPECT_EQ(slot, held);
        EXPECT_EQ(glIsTexture(held), GL_TRUE);
        EXPECT_EQ(boundTexture(), static_cast<GLint>(bound));
    }
    glDeleteTextures(1, &held);
    glDeleteTextures(1, &bound);
}

// OpenGL would refuse these with no more than an error flag; the loader says why instead.
TEST_F(TextureLoad, PictureBeyondTheRenderersLimitIsRefusedWithItsSize) {
    const GLint limit = sizeLimit();
    const std::string limitText = std::to_string(limit) + " x " + std::to_string(limit);
    for (const auto& size :
         {std::pair{limit + 1, 1}, std::pair{1, limit + 1}, std::pair{limit + 1, 1000}}) {
        const std::string path = blankFile(size.first, size.second);
        GLuint slot = 0;
        testing::internal::CaptureStdout();
        allocationprobe::resetLargest();
        EXPECT_EQ(loadTexture(path.c_str(), slot), 0);
        const size_t largest = allocationprobe::largest();
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  path + " is " + std::to_string(size.first) + " x " + std::to_string(size.second) +
                      " pixels, larger than this OpenGL's texture limit of " + limitText + "\n");
        // Refused from the header: reading the last picture's pixels first would cost their
        // 49 MB (at llvmpipe's limit) and the time to read them.
        EXPECT_LT(largest, size_t{1} << 20);
        EXPECT_EQ(slot, 0u);
    }

    // The limit itself is allowed.
    GLuint slot = 0;
    ASSERT_EQ(load(blankFile(limit, 1), slot), 1);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), limit);
    glDeleteTextures(1, &slot);
}

TEST_F(TextureLoad, LoadingIntoAFullSlotDeletesItsOldTexture) {
    GLuint slot = 0;
    ASSERT_EQ(load(oddWidthFile(), slot), 1);
    const GLuint first = slot;
    writeFile(dir.file("small.bmp"), bmpFile({}, std::string(16, '\x40')));
    ASSERT_EQ(load(dir.file("small.bmp"), slot), 1);

    // OpenGL may hand out a freed name again; a name still in use it never hands out.
    EXPECT_TRUE(slot == first || glIsTexture(first) == GL_FALSE);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(slot));
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 2);
    glDeleteTextures(1, &slot);
}

}  // namespace
