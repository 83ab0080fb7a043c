#include "BmpWriter.h"

#include <cstdint>
#include <cstdio>

#include "LittleEndian.h"

bool writeBmp(const Picture& picture, const std::string& path) {
    const uint32_t headerBytes = 14 + 40;
    const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(picture.height);
    const uint32_t pixelsPerMetre = 2835;  // 72 dots per inch

    std::string out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + pixelBytes);
    put32(out, 0);  // reserved
    put32(out, headerBytes);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(picture.width));
    put32(out, static_cast<uint32_t>(picture.height));
    put16(out, 1);   // planes
    put16(out, 24);  // bits per pixel
    put32(out, 0);   // no compression
    put32(out, pixelBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours

    // Bottom row first, each pixel as blue, green, red, and each row padded to whole words.
    out.resize(headerBytes + pixelBytes, 0);
    char* row = &out[headerBytes];
    for (int y = picture.height - 1; y >= 0; --y, row += stride) {
        const uint8_t* p = &picture.rgb[static_cast<size_t>(y) * picture.width * 3];
        for (int x = 0; x < picture.width; ++x, p += 3) {
            row[x * 3] = static_cast<char>(p[2]);
            row[x * 3 + 1] = static_cast<char>(p[1]);
            row[x * 3 + 2] = static_cast<char>(p[0]);
        }
    }

    // C's streams rather than C++'s, whose locales would make the browser's program four times
    // the size.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}
