#pragma once

// The program's console lines, printed as std::printf prints them, in UTF-8.
namespace platform {

// Prints to standard output as std::printf does. A Windows console is handed the text as
// UTF-16, so that a path such as C:\Users\José\Spiele shows as named whatever the console's code
// page, where bytes written as they are would show as JosÃ©. Output redirected to a file or a
// pipe, and every other system, gets the UTF-8 bytes unchanged.
int print(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
