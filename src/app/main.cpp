#include <csignal>

#include "app/Program.h"

int main(int argc, char** argv) {
    // The console lines are a courtesy: a reader that goes away, such as `| head -n1`, must not
    // end the program, so a write to a closed pipe fails quietly instead of raising SIGPIPE.
    // Windows has no such signal.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return runProgram(argc, argv);
}
