#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpReaderFixture.h"

// Headers the reader refuses, each with its message and without a large allocation.
TEST_F(BmpReader, PixelOffsetPastThePixelsFails) {
    // The pixels lie at 54, but the field says 60, which leaves 10 of the 16 bytes.
    load(bmpFile({}, twoByTwoPadded).replace(10, 1, 1, static_cast<char>(60)));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(printed, readMessage());

    load(bmpFile({}, twoByTwoPadded).replace(10, 4, bytes({0x00, 0x00, 0x00, 0x7F})));
    expectRefusedWithoutAllocating();
}

TEST_F(BmpReader, OtherBitDepthsAreRefusedWithTheirValue) {
    for (const int bits : {32, 8, 1, 0x1018}) {
        SCOPED_TRACE("bits " + std::to_string(bits));
        BmpHeader header;
        header.bitsPerPixel = static_cast<uint16_t>(bits);
        load(bmpFile(header, std::string(16, '\x01')));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(printed, "Bpp from " + path + " is not 24: " + std::to_string(bits) + "\n");
        // The size is kept although the picture is refused.
        EXPECT_EQ(image.width, 2);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.data, nullptr);
    }
}

TEST_F(BmpReader, PlaneCountsOtherThanOneAreRefusedWithTheirValue) {
    for (const int planes : {0, 2, 0x0101, 0xFFFF}) {
        SCOPED_TRACE("planes " + std::to_string(planes));
        BmpHeader header;
        header.planes = static_cast<uint16_t>(planes);
        header.bitsPerPixel = 32;  // the plane count is checked first
        load(bmpFile(header, twoByTwoPadded));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(printed, "Planes from " + path + " is not 1: " + std::to_string(planes) + "\n");
        EXPECT_EQ(image.data, nullptr);
    }
}

// A byte past the end of the file counts as -1 in the sums that make up a field, so a missing
// byte never completes a valid plane or bit count.
TEST_F(BmpReader, ShortFilesFailTheHeaderChecksWithTheirReckonedValues) {
    const std::string whole = bmpFile({}, twoByTwoPadded);
    const struct {
        size_t length;
        std::string message;
    } cases[] = {
        {0, "Planes from %s is not 1: 65279\n"},
        {1, "Planes from %s is not 1: 65279\n"},
        {12, "Planes from %s is not 1: 65279\n"},
        {18, "Planes from %s is not 1: 65279\n"},
        {22, "Planes from %s is not 1: 65279\n"},
        {26, "Planes from %s is not 1: 65279\n"},
        {27, "Planes from %s is not 1: 65281\n"},  // 1 - 256
        {28, "Bpp from %s is not 24: 65279\n"},
        {29, "Bpp from %s is not 24: 65304\n"},  // 24 - 256
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("length " + std::to_string(c.length));
        load(whole.substr(0, c.length));
        std::string message = c.message;
        message.replace(message.find("%s"), 2, path);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(printed, message);
        EXPECT_EQ(image.data, nullptr);
    }

    // Width and height are kept as reckoned: four missing bytes make -1 - 256 - 65536 - 2^24.
    load(whole.substr(0, 18));
    EXPECT_EQ(image.width, -16843009);
    EXPECT_EQ(image.height, -16843009);
    load(whole.substr(0, 20));
    EXPECT_EQ(image.width, 2 - 65536 - 16777216);
}

TEST_F(BmpReader, TruncatedPixelArrayFailsBeforeAnyLargeAllocation) {
    BmpHeader header;
    header.width = 1024;
    header.height = 1024;
    for (const int height : {1024, -1024}) {
        SCOPED_TRACE("height " + std::to_string(height));
        header.height = height;
        load(bmpFile(header, std::string(100, '\x10')));
        expectRefusedWithoutAllocating();

        load(bmpFile(header, ""));
        expectRefusedWithoutAllocating();
    }
}

TEST_F(BmpReader, EmptySizesAndNegativeWidthsFailWithTheReadMessage) {
    // Enough pixel bytes follow for any of these read as a small positive size, so only the
    // sign or the zero can make them fail. A negative height alone is a top-down file.
    const int sizes[][2] = {{0, 2}, {2, 0}, {0, 0}, {-2, 2}, {-2, -2}, {-1, -1}, {0, -2}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]));
        BmpHeader header;
        header.width = size[0];
        header.height = size[1];
        load(bmpFile(header, twoByTwoPadded));
        expectRefusedWithoutAllocating();
        EXPECT_EQ(image.width, size[0]);
        EXPECT_EQ(image.height, size[1]);
    }
}

TEST_F(BmpReader, SizesBeyondTheArithmeticFailWithTheReadMessage) {
    // Each of these makes width * height * 3 wrap around in 32 bits, to 2, 0 and 4 bytes, or to
    // a number close to 2^32; the file holds the wrapped size, not the real one. Top-down heights
    // count by their size, and the one whose size no int holds is refused outright.
    const int32_t sizes[][2] = {
        {0x55555556, 1},          {65536, 65536},   {0x40000000, 0x40000000},
        {0x7FFFFFFF, 0x7FFFFFFF}, {0x55555555, 1},  {1, 0x7FFFFFFF},
        {0x55555556, -1},         {1, -0x7FFFFFFF}, {1, INT32_MIN}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]));
        BmpHeader header;
        header.width = size[0];
        header.height = size[1];
        load(bmpFile(header, std::string(64, '\x33')));
        expectRefusedWithoutAllocating();
    }
}
