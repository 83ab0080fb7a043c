#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpReaderFixture.h"

// What lies around the picture: bytes after it, no file at all, no memory for its pixels.

TEST_F(BmpReader, BytesAfterThePixelsAreIgnored) {
    load(bmpFile({}, twoByTwoPadded + std::string(100, '\xAB')));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(pixels(), twoByTwoRgb);
}

TEST_F(BmpReader, MissingFileIsReportedWithItsPath) {
    const std::string missing = dir.file("no-such-picture.bmp");
    loadPath(missing);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(printed, "File Not Found : " + missing + "\n");
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.data, nullptr);
}

TEST_F(BmpReader, AllocationFailureIsReportedNotThrown) {
    BmpHeader header;
    header.width = 64;
    header.height = 64;
    writeFile(path, bmpFile(header, paddedRows(64, 64, 0, [](int, int, int) { return 7; })));
    testing::internal::CaptureStdout();
    allocationprobe::failNextOfAtLeast(64 * 64 * 3);
    EXPECT_NO_THROW(result = image.loadBmp(path.c_str()));
    allocationprobe::failNextOfAtLeast(0);
    printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(result, 0);
    // No line break: the caller's next text follows on the same line.
    EXPECT_EQ(printed, "Error allocating memory for color-corrected image data");
    EXPECT_EQ(image.data, nullptr);

    // The reader is none the worse for it.
    loadPath(path);
    EXPECT_EQ(result, 1);
}
