#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpReaderFixture.h"

// Where the reader finds the pixels and how it lays them out.
TEST_F(BmpReader, PaddedRowsAreReadWithTheirStrideAndStoredAsPackedRgb) {
    load(bmpFile({}, twoByTwoPadded));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(pixels(), twoByTwoRgb);
}

TEST_F(BmpReader, EveryWidthReadsUnsheared) {
    for (int width = 1; width <= 8; ++width) {
        SCOPED_TRACE("width " + std::to_string(width));
        BmpHeader header;
        header.width = width;
        header.height = 3;
        load(bmpFile(header, paddedRows(width, 3, 0xEE, patternValue)));
        EXPECT_EQ(result, 1);
        EXPECT_EQ(printed, "");
        EXPECT_EQ(pixels(), patternRgb(width, 3));
    }
}

// A negative height marks a file that stores its top row first; it is read the same way up as
// an ordinary file holding the same picture, with or without row padding.
TEST_F(BmpReader, TopDownFilesReadLikeTheirBottomUpTwins) {
    for (const int width : {4, 5}) {
        SCOPED_TRACE("width " + std::to_string(width));
        BmpHeader header;
        header.width = width;
        header.height = -3;
        const auto topRowFirst = [](int x, int y, int channel) {
            return patternValue(x, 2 - y, channel);
        };
        load(bmpFile(header, paddedRows(width, 3, 0xEE, topRowFirst)));
        EXPECT_EQ(result, 1);
        EXPECT_EQ(printed, "");
        EXPECT_EQ(image.height, 3);
        EXPECT_EQ(pixels(), patternRgb(width, 3));
    }
}

TEST_F(BmpReader, LastRowMayLackItsPaddingButNotItsPixels) {
    BmpHeader header;
    header.width = 5;
    header.height = 3;
    std::string rows = paddedRows(5, 3, 0xEE, patternValue);
    rows.pop_back();  // the last row's single padding byte
    load(bmpFile(header, rows));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pixels(), patternRgb(5, 3));

    rows.pop_back();  // now a pixel byte is missing
    load(bmpFile(header, rows));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(printed, readMessage());
}

TEST_F(BmpReader, PixelsStartAtTheOffsetTheFileHeaderGives) {
    // The 124-byte information header that image editors write.
    BmpHeader large;
    large.infoHeaderSize = 124;
    large.pixelOffset = 138;
    load(bmpFile(large, twoByTwoPadded));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pixels(), twoByTwoRgb);

    // A gap after the headers, as a colour table would leave.
    BmpHeader gap;
    gap.pixelOffset = 54 + 16;
    load(bmpFile(gap, twoByTwoPadded));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pixels(), twoByTwoRgb);
}

TEST_F(BmpReader, PixelOffsetInsideTheHeadersCountsAs54) {
    for (const uint32_t offset : {0u, 26u, 53u}) {
        SCOPED_TRACE("offset " + std::to_string(offset));
        BmpHeader header;
        header.pixelOffset = offset;
        load(bmpFile(header, twoByTwoPadded));
        EXPECT_EQ(result, 1);
        EXPECT_EQ(pixels(), twoByTwoRgb);
    }
    // Negative as a signed field.
    load(bmpFile({}, twoByTwoPadded).replace(10, 4, bytes({0x00, 0x00, 0x00, 0x80})));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pixels(), twoByTwoRgb);
}
