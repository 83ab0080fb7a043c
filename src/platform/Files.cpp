#include "platform/Files.h"

#include <sys/stat.h>

#include <cerrno>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef _WIN32

namespace {

// Empty for a path that is not valid UTF-8, which then opens as a missing file.
std::wstring widened(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (length <= 0) return L"";
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string narrowed(const std::wstring& wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0) return "";
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), utf8.data(),
                        length, nullptr, nullptr);
    return utf8;
}

}  // namespace

// Windows has no named pipes or devices among ordinary paths that an open would wait on.
std::FILE* openForReading(const char* path) {
    const std::wstring wide = widened(path);
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), L"rb");
}

bool missing(const std::string& path) {
    const std::wstring wide = widened(path.c_str());
    struct _stat64 info {};
    return wide.empty() || (_wstat64(wide.c_str(), &info) != 0 && errno == ENOENT);
}

std::string executableFolder() {
    // The buffer grows until the whole path fits: long paths may exceed MAX_PATH.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return "";
        if (length < buffer.size()) {
            const std::wstring executable(buffer.data(), length);
            const size_t separator = executable.find_last_of(L"\\/");
            if (separator == std::wstring::npos) return "";
            return narrowed(executable.substr(0, separator + 1));
        }
        if (buffer.size() >= 32768) return "";
        buffer.resize(buffer.size() * 2);
    }
}

std::string inFolder(const std::string& folder, const char* relativePath) {
    std::string path = folder;
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    path += relativePath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

#else

// A named pipe without a writer, or a device, opens at once and reads as empty or short, which
// the picture reader then reports like any other unreadable file.
std::FILE* openForReading(const char* path) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) close(fd);
    return file;
}

bool missing(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

std::string executableFolder() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return "";
    const std::string executable(buffer.data(), static_cast<size_t>(length));
    const size_t slash = executable.rfind('/');
    if (slash == std::string::npos) return "";
    return executable.substr(0, slash + 1);
}

std::string inFolder(const std::string& folder, const char* relativePath) {
    return folder + "/" + relativePath;
}

#endif

}  // namespace platform
