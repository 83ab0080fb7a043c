#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AllocationProbe.h"
#include "BmpBytes.h"
#include "TestFiles.h"
#include "texture/Image.h"

// The BMP reader run on files made up byte by byte, with what it printed and allocated.

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
inline int patternValue(int x, int y, int channel) { return 1 + 32 * y + 3 * x + channel; }

inline std::vector<int> patternRgb(int width, int height) {
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
