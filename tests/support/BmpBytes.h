#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// The header fields of a BMP file made up for a test.
struct BmpHeader {
    int32_t width = 2;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bitsPerPixel = 24;
    uint32_t infoHeaderSize = 40;
    // The value of the pixel-offset field. The pixels themselves go there, or right after the
    // information header when the field points into the headers.
    uint32_t pixelOffset = 54;
};

// A whole file: file header, information header, filler up to the pixels, the pixels. Header
// bytes past the first 40 and the filler are 0x5A, so that reading them as pixels shows.
std::string bmpFile(const BmpHeader& header, const std::string& pixels);

// Bytes written as numbers, e.g. bytes({0x01, 0x02}).
std::string bytes(std::initializer_list<int> values);

// The pixel array of a 24-bit picture in file order, each row padded to 4 bytes with padByte.
// Pixel (x, y) of row y (counted in file order) has red, green and blue value(x, y, 0..2).
template <typename Value>
std::string paddedRows(int width, int height, unsigned char padByte, Value value) {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int channel = 2; channel >= 0; --channel) {
                rows.push_back(static_cast<char>(value(x, y, channel)));
            }
        }
        for (int pad = width * 3; pad % 4 != 0; ++pad) rows.push_back(static_cast<char>(padByte));
    }
    return rows;
}
