#include "platform/Console.h"

#include <cstdarg>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace platform {

#ifdef _WIN32

namespace {

// A byte that is not UTF-8 shows as the replacement character rather than losing the line.
std::wstring widenedForDisplay(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

int print(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(console, &mode)) {
        const int printed = std::vprintf(format, arguments);
        va_end(arguments);
        return printed;
    }
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    const std::wstring wide = widenedForDisplay(text);
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return length;
}

#else

int print(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const int printed = std::vprintf(format, arguments);
    va_end(arguments);
    return printed;
}

#endif

}  // namespace platform
