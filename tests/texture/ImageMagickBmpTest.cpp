#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunningProgram.h"
#include "TestFiles.h"
#include "texture/Image.h"

namespace {

struct Writer {
    const char* name;
    const char* prefix;       // ImageMagick's output format prefix
    unsigned infoHeaderSize;  // what that writer puts in the file
};

// BMP3 writes the classic 40-byte information header; ImageMagick's default BMP writer the
// 124-byte one, so the pixels start at 138.
const Writer writers[] = {{"BMP3", "BMP3:", 40}, {"default BMP", "", 124}};

unsigned little32(const std::string& file, size_t at) {
    unsigned value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value |= static_cast<unsigned>(static_cast<unsigned char>(file[at + i])) << (8 * i);
    }
    return value;
}

// Rows of a top-down RGB picture in bottom-up order, as the reader keeps a BMP's rows.
std::string bottomUp(const std::string& topDown, int width, int height) {
    std::string rows;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = height - 1; y >= 0; --y) rows += topDown.substr(y * rowBytes, rowBytes);
    return rows;
}

TEST(ImageMagickBmp, FilesFromBothWritersReadToThePixelsImageMagickReports) {
    TempDir dir;
    const int sizes[][2] = {{5, 3}, {6, 2}, {7, 4}};
    for (const auto& size : sizes) {
        const int width = size[0];
        const int height = size[1];
        // Distinct values everywhere, so any shift, swap or flip shows.
        std::string raw;
        for (int i = 0; i < width * height * 3; ++i) raw.push_back(static_cast<char>(17 + 5 * i));
        writeFile(dir.file("in.rgb"), raw);
        const std::string geometry = std::to_string(width) + "x" + std::to_string(height);

        for (const auto& writer : writers) {
            SCOPED_TRACE(std::string(writer.name) + " " + geometry);
            const std::string bmp = dir.file("out.bmp");
            runCommand("convert -size " + geometry + " -depth 8 rgb:" + dir.file("in.rgb") +
                       " -type TrueColor " + writer.prefix + bmp);
            const std::string file = readFile(bmp);
            ASSERT_GE(file.size(), 54u);
            ASSERT_EQ(little32(file, 14), writer.infoHeaderSize);

            const std::string reported = runCommand("convert " + bmp + " -depth 8 rgb:-");
            ASSERT_EQ(reported, raw);  // the writer kept the picture as it was

            Image image;
            testing::internal::CaptureStdout();
            const int result = image.loadBmp(bmp.c_str());
            EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
            ASSERT_EQ(result, 1);
            EXPECT_EQ(image.width, width);
            EXPECT_EQ(image.height, height);
            const std::string read(reinterpret_cast<const char*>(image.data.get()),
                                   static_cast<size_t>(width) * height * 3);
            EXPECT_EQ(read, bottomUp(reported, width, height));
        }
    }
}

}  // namespace
