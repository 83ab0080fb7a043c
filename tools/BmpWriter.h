#pragma once

#include <string>

#include "Picture.h"

// Writes an uncompressed 24-bit BMP with the 40-byte information header, bottom row first,
// rows padded to 4 bytes. Returns false if the file cannot be written.
bool writeBmp(const Picture& picture, const std::string& path);
