// libFuzzer target for Image::loadBmp: every input is handed to the reader as a file. Besides
// the sanitizers' checks, a picture the reader accepts must be backed by the file (no buffer
// larger than the input), have every byte the upload will read, and hold the file's pixels.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "texture/Image.h"

namespace {

int memoryFile = -1;
std::string memoryPath;

int32_t little32(const uint8_t* bytes) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
        static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

// Each stored pixel must be the file's blue, green, red turned round, at the file's offset with
// rows padded to 4 bytes, bottom row first: a negative height field stores the top row first.
void checkPixels(const Image& image, const uint8_t* file, size_t size) {
    const int32_t field = size >= 14 ? little32(file + 10) : 0;
    const size_t offset = field < 54 ? 54 : static_cast<size_t>(field);
    const bool topDown = little32(file + 22) < 0;  // an accepted file holds its header
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    const size_t stride = (rowBytes + 3) & ~size_t{3};
    for (int y = 0; y < image.height; ++y) {
        const size_t fileRow = static_cast<size_t>(topDown ? image.height - 1 - y : y);
        for (size_t i = 0; i < rowBytes; ++i) {
            const size_t at = offset + fileRow * stride + i - i % 3 + (2 - i % 3);
            if (at >= size || image.data[y * rowBytes + i] != file[at]) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The reader prints a line for every file it refuses; nobody needs to see them here.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    memoryFile = memfd_create("fuzzed.bmp", 0);
    if (memoryFile < 0) std::abort();
    memoryPath = "/proc/self/fd/" + std::to_string(memoryFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (ftruncate(memoryFile, 0) != 0) std::abort();
    if (size > 0 && pwrite(memoryFile, data, size, 0) != static_cast<ssize_t>(size)) std::abort();

    Image image;
    if (image.loadBmp(memoryPath.c_str()) != 1) return 0;
    if (image.width <= 0 || image.height <= 0 || image.data == nullptr) std::abort();
    const size_t bytes = static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3;
    if (bytes > size) std::abort();
    checkPixels(image, data, size);
    return 0;
}
