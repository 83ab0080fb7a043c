#pragma once

#include <string>

// Where to read the picture at relativePath (e.g. "Textures/Noise.bmp"): that path in the working
// directory whenever it exists or fails for any reason but not existing; otherwise the installed
// copy beside the executable, if there is one; otherwise the one in the data folder the build was
// configured to install into, if there is one; otherwise relativePath again, so that the reader's
// message names it as it always has.
std::string picturePath(const char* relativePath);
