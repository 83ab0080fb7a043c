#include "texture/Image.h"

#include <cstdint>
#include <cstdio>
#include <limits>
#include <new>

#include "platform/Console.h"
#include "platform/Files.h"

namespace {

constexpr long minimumPixelOffset = 54;

// Little-endian fields read a byte at a time; a byte past the end of the file counts as -1,
// so a short header can never add up to a valid plane or bit count.
int32_t readInt32(std::FILE* file) {
    const int b0 = std::fgetc(file);
    const int b1 = std::fgetc(file);
    const int b2 = std::fgetc(file);
    const int b3 = std::fgetc(file);
    return static_cast<int32_t>(static_cast<uint32_t>(b0) + (static_cast<uint32_t>(b1) << 8) +
                                (static_cast<uint32_t>(b2) << 16) +
                                (static_cast<uint32_t>(b3) << 24));
}

unsigned readUint16(std::FILE* file) {
    const int b0 = std::fgetc(file);
    const int b1 = std::fgetc(file);
    return (static_cast<unsigned>(b0) + (static_cast<unsigned>(b1) << 8)) & 0xFFFFu;
}

long fileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    return std::ftell(file);
}

// Where the pixel rows lie in the file, and how many bytes they take there and in memory.
struct PixelLayout {
    long offset;
    int rows;
    bool topDown;     // the file's first row is the picture's top one
    size_t rowBytes;  // width * 3, as stored in memory
    size_t stride;    // rowBytes rounded up to a multiple of 4, as stored in the file
    size_t packedSize;
};

// Checks a header's word against the file before any memory is spent on it. A negative height
// marks a top-down file; its rows count as the absolute value, which must fit in an int. The last
// row's padding is not required: some writers leave it off.
bool pixelLayoutFits(int width, int height, long offset, long size, PixelLayout& layout) {
    const int64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
    if (width <= 0 || rows == 0 || rows > std::numeric_limits<int>::max() || size < 0) {
        return false;
    }
    const uint64_t rowBytes = static_cast<uint64_t>(width) * 3u;
    const uint64_t stride = (rowBytes + 3u) & ~uint64_t{3};
    const uint64_t packed = rowBytes * static_cast<uint64_t>(rows);
    if (packed > std::numeric_limits<uint32_t>::max()) return false;
    const uint64_t inFile = stride * static_cast<uint64_t>(rows - 1) + rowBytes;
    if (static_cast<uint64_t>(offset) > static_cast<uint64_t>(size) ||
        inFile > static_cast<uint64_t>(size - offset)) {
        return false;
    }
    layout = {offset,
              static_cast<int>(rows),
              height < 0,
              static_cast<size_t>(rowBytes),
              static_cast<size_t>(stride),
              static_cast<size_t>(packed)};
    return true;
}

// Reads the rows into buffer, which holds at least packedSize bytes, dropping each row's padding
// and putting the bottom row first whatever order the file keeps them in.
bool readRows(std::FILE* file, const PixelLayout& layout, unsigned char* buffer) {
    if (std::fseek(file, layout.offset, SEEK_SET) != 0) return false;
    if (layout.stride == layout.rowBytes && !layout.topDown) {
        return std::fread(buffer, 1, layout.packedSize, file) == layout.packedSize;
    }
    const long padding = static_cast<long>(layout.stride - layout.rowBytes);
    for (int row = 0; row < layout.rows; ++row) {
        const int target = layout.topDown ? layout.rows - 1 - row : row;
        unsigned char* at = buffer + static_cast<size_t>(target) * layout.rowBytes;
        if (std::fread(at, 1, layout.rowBytes, file) != layout.rowBytes) return false;
        if (padding != 0 && row + 1 < layout.rows && std::fseek(file, padding, SEEK_CUR) != 0) {
            return false;
        }
    }
    return true;
}

// The fields of the file and information headers that the reader goes by.
struct BmpHeader {
    long pixelOffset;
    int32_t width;
    int32_t height;
    unsigned planes;
    unsigned bitsPerPixel;
};

// Reads the headers from the start of the file. An offset pointing into the headers themselves
// counts as the end of the usual 54 bytes of headers.
BmpHeader readHeader(std::FILE* file) {
    BmpHeader header{};
    std::fseek(file, 10, SEEK_CUR);
    header.pixelOffset = readInt32(file);
    if (header.pixelOffset < minimumPixelOffset) header.pixelOffset = minimumPixelOffset;
    std::fseek(file, 4, SEEK_CUR);
    header.width = readInt32(file);
    header.height = readInt32(file);
    header.planes = readUint16(file);
    header.bitsPerPixel = readUint16(file);
    return header;
}

// One plane of 24-bit pixels is all the reader knows; anything else is reported with its value.
bool formatSupported(const BmpHeader& header, const char* path) {
    if (header.planes != 1) {
        platform::print("Planes from %s is not 1: %u\n", path, header.planes);
        return false;
    }
    if (header.bitsPerPixel != 24) {
        platform::print("Bpp from %s is not 24: %u\n", path, header.bitsPerPixel);
        return false;
    }
    return true;
}

bool allocatePixels(std::unique_ptr<unsigned char[]>& pixels, size_t size) {
    try {
        pixels.reset(new unsigned char[size]);
    } catch (const std::bad_alloc&) {
        platform::print("Error allocating memory for color-corrected image data");
        return false;
    }
    return true;
}

// The file stores blue, green, red; OpenGL wants red, green, blue.
void swapBlueAndRed(unsigned char* pixels, size_t size) {
    for (size_t i = 0; i < size; i += 3) {
        const unsigned char blue = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = blue;
    }
}

class FileCloser {
  public:
    explicit FileCloser(std::FILE* file) : file_(file) {}
    ~FileCloser() { std::fclose(file_); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

  private:
    std::FILE* file_;
};

}  // namespace

int Image::loadBmp(const char* path, SizeCheck accepts) {
    // Opening never waits, so a named pipe or a device is reported like any unreadable file.
    std::FILE* file = platform::openForReading(path);
    if (file == nullptr) {
        platform::print("File Not Found : %s\n", path);
        return 0;
    }
    const FileCloser closer(file);

    const BmpHeader header = readHeader(file);
    width = header.width;
    height = header.height;
    if (!formatSupported(header, path)) return 0;

    PixelLayout layout{};
    if (!pixelLayoutFits(width, height, header.pixelOffset, fileSize(file), layout)) {
        platform::print("Error reading image data from %s.\n", path);
        return 0;
    }
    height = layout.rows;
    if (accepts != nullptr && !accepts(path, width, height)) return 0;
    if (!allocatePixels(data, layout.packedSize)) return 0;
    if (!readRows(file, layout, data.get())) {
        platform::print("Error reading image data from %s.\n", path);
        return 0;
    }
    swapBlueAndRed(data.get(), layout.packedSize);
    return 1;
}
