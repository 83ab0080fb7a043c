// Times Image::loadBmp on a 1024 x 1024, 24-bit picture against only reading the same file's
// bytes into fresh memory: the second is the floor any reader of this file stands on.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Timing.h"
#include "texture/Image.h"

namespace {

constexpr int side = 1024;
constexpr uint32_t pixelBytes = side * side * 3;
constexpr uint32_t headerBytes = 54;

void putLittleEndian(std::vector<unsigned char>& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Blue, green and red differ in every pixel, so a reader that swapped the wrong bytes shows.
unsigned char sampleByte(uint32_t i) {
    return static_cast<unsigned char>((i * 7u + i / 3u) & 0xFF);
}

std::vector<unsigned char> testBmp() {
    std::vector<unsigned char> bytes(headerBytes + pixelBytes, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, headerBytes + pixelBytes, 4);
    putLittleEndian(bytes, 10, headerBytes, 4);
    putLittleEndian(bytes, 14, 40, 4);
    putLittleEndian(bytes, 18, side, 4);
    putLittleEndian(bytes, 22, side, 4);
    putLittleEndian(bytes, 26, 1, 2);
    putLittleEndian(bytes, 28, 24, 2);
    putLittleEndian(bytes, 34, pixelBytes, 4);
    for (uint32_t i = 0; i < pixelBytes; ++i) bytes[headerBytes + i] = sampleByte(i);
    return bytes;
}

// Every byte of the file into fresh memory, the way the cheapest possible reader gets them. The
// buffer is handed back so that, as with the Image, freeing it is not timed.
size_t readWholeFile(const char* path, std::unique_ptr<unsigned char[]>& buffer) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return 0;
    buffer.reset(new unsigned char[headerBytes + pixelBytes]);
    const size_t got = std::fread(buffer.get(), 1, headerBytes + pixelBytes, file);
    std::fclose(file);
    return got;
}

bool loadedCorrectly(const Image& image) {
    if (image.width != side || image.height != side || !image.data) return false;
    for (uint32_t i = 0; i < pixelBytes; i += 3) {
        if (image.data[i] != sampleByte(i + 2) || image.data[i + 1] != sampleByte(i + 1) ||
            image.data[i + 2] != sampleByte(i)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: bmp-bench [ROUNDS]\n");
        return 2;
    }

    char path[] = "/tmp/rolling-cube-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        std::perror("mkstemp");
        return 1;
    }
    const std::vector<unsigned char> bytes = testBmp();
    const bool written =
        write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(fd);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", path);
        unlink(path);
        return 1;
    }

    {
        Image check;
        if (check.loadBmp(path) != 1 || !loadedCorrectly(check)) {
            std::fprintf(stderr, "loadBmp misread the test picture\n");
            unlink(path);
            return 1;
        }
    }

    // Alternating the two spreads any slow spell of the machine over both.
    std::vector<double> loads;
    std::vector<double> reads;
    for (int round = 0; round < rounds; ++round) {
        {
            Image image;
            const double start = nowMs();
            const int result = image.loadBmp(path);
            loads.push_back(nowMs() - start);
            if (result != 1) return 1;
        }
        std::unique_ptr<unsigned char[]> buffer;
        const double start = nowMs();
        const size_t got = readWholeFile(path, buffer);
        reads.push_back(nowMs() - start);
        if (got != bytes.size()) return 1;
    }
    unlink(path);

    const double loadMs = median(loads);
    const double readMs = median(reads);
    printFigure("bmp_load_ms", loadMs);
    printFigure("bmp_read_ms", readMs);
    printFigure("bmp_ratio", loadMs / readMs, 2);
    return 0;
}
