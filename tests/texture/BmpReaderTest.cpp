#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AllocationProbe.h"
#include "BmpBytes.h"
#include "TestFiles.h"
#include "texture/Image.h"

namespace {

// Anything the reader may allocate for a header it refuses stays below this.
constexpr size_t smallAllocation = 64 * 1024;

class BmpReader : public testing::Test {
  protected:
    // Writes content to a file and reads it, keeping the result and what was printed.
    void load(const std::string& content) {
        writeFile(path, content);
        loadPath(path);
    }

    void loadPath(const std::string& file) {
        allocationprobe::resetLargest();
        testing::internal::CaptureStdout();
        result = image.loadBmp(file.c_str());
        printed = testing::internal::GetCapturedStdout();
    }

    std::vector<int> pixels() const {
        std::vector<int> values;
        if (image.data == nullptr || image.width <= 0 || image.height <= 0) return values;
        const size_t count = static_cast<size_t>(image.width) * image.height * 3;
        for (size_t i = 0; i < count; ++i) values.push_back(image.data[i]);
        return values;
    }

    std::string readMessage() const { return "Error reading image data from " + path + ".\n"; }

    // A refused header: the read message, nothing kept and nothing large allocated.
    void expectRefusedWithoutAllocating() {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(printed, readMessage());
        EXPECT_EQ(image.data, nullptr);
        EXPECT_LT(allocationprobe::largest(), smallAllocation);
    }

    TempDir dir;
    const std::string path = dir.file("picture.bmp");
    Image image;
    int result = -1;
    std::string printed;
};

const std::string twoByTwoPadded = bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x00, 0x00,  //
                                          0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x00, 0x00});
const std::vector<int> twoByTwoRgb = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04,
                                      0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A};

// A recognisable value for each byte of a small picture.
int patternValue(int x, int y, int channel) { return 1 + 32 * y + 3 * x + channel; }

std::vector<int> patternRgb(int width, int height) {
    std::vector<int> values;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                values.push_back(patternValue(x, y, channel));
            }
        }
    }
    return values;
}

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

}  // namespace
