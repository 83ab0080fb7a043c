#pragma once

#include <cstdio>
#include <string>

// The few file-system calls that POSIX systems and Windows make differently. Paths are UTF-8
// strings on Windows too, opened through the wide-character API, so that a folder such as
// C:\Users\José\Spiele works whatever the system's code page.
namespace platform {

// Opens path for binary reading without ever waiting; nullptr when it cannot be opened.
std::FILE* openForReading(const char* path);

// Whether path does not exist; a path that fails for any other reason (no permission, say)
// does not count as missing.
bool missing(const std::string& path);

// The folder holding the running executable, ending in its separator; empty when it cannot be
// found, as in the browser, which has no /proc.
std::string executableFolder();

// relativePath, written with forward slashes as in "Textures/Noise.bmp", inside folder. On
// Windows the whole path takes backslashes, as the messages that name it should show it there:
// C:\Games\Textures\Noise.bmp. Elsewhere it is folder + "/" + relativePath, exactly.
std::string inFolder(const std::string& folder, const char* relativePath);

}  // namespace platform
