#include "app/PicturePath.h"

#include "platform/Files.h"

namespace {

using platform::missing;

// The installed data folder, found from the executable's own place rather than a path compiled
// in, so that a --prefix or DESTDIR install, a moved tree and a symbolic link to the program all
// find theirs. ROLLING_CUBE_DATA_FROM_BINDIR is the data folder relative to the executable's
// folder, worked out from the install folders when the build is configured. Empty when the
// executable's path is unknown, as in the browser, which has no /proc.
std::string installedDataFolder() {
    const std::string folder = platform::executableFolder();
    return folder.empty() ? "" : folder + ROLLING_CUBE_DATA_FROM_BINDIR;
}

}  // namespace

std::string picturePath(const char* relativePath) {
    if (!missing(relativePath)) return relativePath;
    // The folder the build was configured to install into comes last: it serves when the
    // executable's place is unknown (no /proc in a chroot, or started as `ld.so rolling-cube`)
    // or misleading (a hard link in another folder), while a moved tree still finds its own.
    for (const std::string& folder : {installedDataFolder(), std::string(ROLLING_CUBE_DATA_DIR)}) {
        if (folder.empty()) continue;
        std::string installed = platform::inFolder(folder, relativePath);
        if (!missing(installed)) return installed;
    }
    return relativePath;
}
