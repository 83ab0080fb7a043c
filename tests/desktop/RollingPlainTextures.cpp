#include "RollingPlainTextures.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

void putLittleEndian(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// An uncompressed 24-bit BMP of one colour; a width of 4 needs no row padding.
void writeWhiteBmp(const std::filesystem::path& path) {
    constexpr uint32_t side = 4;
    constexpr uint32_t pixelBytes = side * side * 3;
    std::vector<unsigned char> file = {'B', 'M'};
    putLittleEndian(file, 54 + pixelBytes, 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, 54, 4);
    putLittleEndian(file, 40, 4);
    putLittleEndian(file, side, 4);
    putLittleEndian(file, side, 4);
    putLittleEndian(file, 1, 2);
    putLittleEndian(file, 24, 2);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, pixelBytes, 4);
    for (int i = 0; i < 4; ++i) putLittleEndian(file, 0, 4);
    file.insert(file.end(), pixelBytes, 255);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

RollingPlainTextures::RollingPlainTextures() {
    char pattern[] = "/tmp/rolling-plain-textures-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("cannot make a scratch directory");
    directory_ = pattern;
    const std::filesystem::path textures = std::filesystem::path(directory_) / "Textures";
    std::filesystem::create_directory(textures);
    for (const char* name : {"Noise.bmp", "Grass.bmp", "Spot.bmp"}) writeWhiteBmp(textures / name);
}

RollingPlainTextures::~RollingPlainTextures() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}
