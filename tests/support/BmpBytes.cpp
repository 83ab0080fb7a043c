#include "BmpBytes.h"

#include <algorithm>

#include "LittleEndian.h"

std::string bmpFile(const BmpHeader& header, const std::string& pixels) {
    const uint32_t headersEnd = 14 + header.infoHeaderSize;
    const uint32_t pixelsAt = std::max(header.pixelOffset, headersEnd);
    std::string out = "BM";
    put32(out, pixelsAt + static_cast<uint32_t>(pixels.size()));
    put32(out, 0);
    put32(out, header.pixelOffset);
    put32(out, header.infoHeaderSize);
    put32(out, static_cast<uint32_t>(header.width));
    put32(out, static_cast<uint32_t>(header.height));
    put16(out, header.planes);
    put16(out, header.bitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, static_cast<uint32_t>(pixels.size()));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    out.resize(pixelsAt, static_cast<char>(0x5A));
    return out + pixels;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int value : values) out.push_back(static_cast<char>(value));
    return out;
}
