#include <sstream>
#include <stdexcept>

#include "RunningProgram.h"

RunningProgram::Rgb RunningProgram::Screenshot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) throw std::out_of_range("pixel off picture");
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

RunningProgram::Screenshot screenshotFromPpm(const std::string& ppm) {
    std::istringstream in(ppm);
    std::string magic;
    int maxValue = 0;
    RunningProgram::Screenshot shot;
    in >> magic >> shot.width >> shot.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255 || shot.width <= 0 || shot.height <= 0) {
        throw std::runtime_error("no 8-bit PPM picture");
    }
    shot.rgb.resize(static_cast<size_t>(shot.width) * shot.height * 3);
    in.read(reinterpret_cast<char*>(shot.rgb.data()),
            static_cast<std::streamsize>(shot.rgb.size()));
    if (in.gcount() != static_cast<std::streamsize>(shot.rgb.size())) {
        throw std::runtime_error("a short PPM picture");
    }
    return shot;
}

bool showsBackground(const RunningProgram::Screenshot& shot) {
    int grey = 0;
    for (int y = 0; y < shot.height && grey < 100; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            grey += isBackground(shot.at(x, y)) ? 1 : 0;
        }
    }
    return grey >= 100;
}
