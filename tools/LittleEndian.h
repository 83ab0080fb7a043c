#pragma once

#include <cstdint>
#include <string>

// BMP files store their numbers least significant byte first; the picture tool and the tests'
// hand-made files both write them through these.
inline void put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

inline void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}
