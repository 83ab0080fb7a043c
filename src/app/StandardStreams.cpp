#include "app/StandardStreams.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

void fillClosedStandardStreams() {
#ifndef _WIN32
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF) continue;
        int opened = open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        // A chroot may lack /dev/null; the root folder, opened for reading, is always there and
        // simply refuses every write, which the console lines already take in their stride.
        if (opened < 0) opened = open("/", O_RDONLY | O_DIRECTORY);
        if (opened < 0 || opened == stream) continue;
        dup2(opened, stream);
        close(opened);
    }
#endif
}
