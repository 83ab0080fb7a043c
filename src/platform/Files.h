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

}  // namespace platform
