#pragma once

#include <memory>

// A picture decoded from an uncompressed 24-bit BMP file: width x height pixels of R, G, B
// bytes, rows tightly packed with the bottom row first. A top-down file (negative height in its
// header) is turned round on reading, so that height counts its rows and it lies the same way up.
class Image {
  public:
    // Decides from a picture's path and size, before any of its pixels are read or memory is
    // spent on them, whether the caller can use it; when not, it prints why and returns false.
    using SizeCheck = bool (*)(const char* path, int width, int height);

    // Returns 1 when the picture was read, 0 after printing one message that says why not.
    // With accepts, a picture it refuses is given up after its header alone.
    int loadBmp(const char* path, SizeCheck accepts = nullptr);

    int width = 0;
    int height = 0;
    std::unique_ptr<unsigned char[]> data;
};
