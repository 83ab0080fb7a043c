#include <gtest/gtest.h>

#include <string>

#include "RunningProgram.h"
#include "TestFiles.h"
#include "app/StartupPictures.h"
#include "texture/Image.h"

namespace {

TEST(PictureTool, ReproducesTheCommittedPicturesByteForByte) {
    TempDir dir;
    runCommand(shellQuoted(MAKE_TEXTURES_EXECUTABLE) + " " + dir.path());
    for (const StartupPicture& picture : startupPictures) {
        const char* name = picture.file;
        SCOPED_TRACE(name);
        const std::string made = readFile(dir.file(name));
        const std::string committed = committedTexture(name);
        EXPECT_EQ(made.size(), committed.size());
        EXPECT_TRUE(made == committed) << "rerun make-textures into Textures/ and commit";
    }
}

// What the program's look relies on: each picture reads as a 256 x 256 texture, and shows what
// its name says.
class CommittedPicture : public testing::Test {
  protected:
    void read(const char* name) {
        const std::string path = std::string(ROLLING_CUBE_SOURCE_DIR) + "/Textures/" + name;
        testing::internal::CaptureStdout();
        ASSERT_EQ(image.loadBmp(path.c_str()), 1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ASSERT_EQ(image.width, 256);
        ASSERT_EQ(image.height, 256);
    }

    int channel(int pixel, int c) const { return image.data[static_cast<size_t>(pixel) * 3 + c]; }
    static constexpr int pixelCount = 256 * 256;
    Image image;
};

TEST_F(CommittedPicture, NoiseIsLightGreyThatVaries) {
    read("Noise.bmp");
    int darkest = 255;
    int lightest = 0;
    for (int p = 0; p < pixelCount; ++p) {
        ASSERT_EQ(channel(p, 0), channel(p, 1));
        ASSERT_EQ(channel(p, 1), channel(p, 2));
        darkest = std::min(darkest, channel(p, 0));
        lightest = std::max(lightest, channel(p, 0));
    }
    // Light enough that a block's colour still shows through, and not one flat grey.
    EXPECT_GE(darkest, 96);
    EXPECT_GE(lightest - darkest, 80);
}

TEST_F(CommittedPicture, GrassIsGreenEverywhere) {
    read("Grass.bmp");
    long greenSum = 0;
    for (int p = 0; p < pixelCount; ++p) {
        ASSERT_GT(channel(p, 1), channel(p, 0));
        ASSERT_GT(channel(p, 1), channel(p, 2) + 20);
        greenSum += channel(p, 1);
    }
    EXPECT_GT(greenSum / pixelCount, 60);
}

TEST_F(CommittedPicture, SpotIsALightFaceWithDarkSpots) {
    read("Spot.bmp");
    int dark = 0;
    int light = 0;
    for (int p = 0; p < pixelCount; ++p) {
        ASSERT_EQ(channel(p, 0), channel(p, 1));
        ASSERT_EQ(channel(p, 1), channel(p, 2));
        if (channel(p, 0) < 60) ++dark;
        if (channel(p, 0) > 200) ++light;
    }
    EXPECT_GT(dark, pixelCount / 20);
    EXPECT_GT(light, pixelCount / 2);
    // The middle of the face is a spot, the middle of an edge is not.
    EXPECT_LT(channel(128 * 256 + 128, 0), 60);
    EXPECT_GT(channel(128 * 256 + 20, 0), 200);
}

}  // namespace
