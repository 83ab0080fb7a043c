#pragma once

#include <memory>

// A picture decoded from an uncompressed 24-bit BMP file: width x height pixels of R, G, B
// bytes, rows tightly packed with the bottom row first. A top-down file (negative height in its
// header) is turned round on reading, so that height counts its rows and it lies the same way up.
class Image {
  public:
    // Returns 1 when the picture was read, 0 after printing one message that says why not.
    int loadBmp(const char* path);

    int width = 0;
    int height = 0;
    std::unique_ptr<unsigned char[]> data;
};
