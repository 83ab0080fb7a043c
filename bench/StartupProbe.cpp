// startup-probe WORKDIR RUNS NAME=PROGRAM...: starts each program RUNS times, in turns, and
// times from the fork how long its window takes to be mapped (NAME_window_ms) and how long until
// its first frame is on screen (NAME_ms), that is until the window's pixels show the
// program's clear colour. Each figure is the median of the runs.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "Timing.h"
#include "XWindows.h"

namespace {

constexpr double timeoutMs = 30000.0;
// Far more than stray pixels of that grey anywhere else; at the starting camera the sky above
// the ground alone covers tens of thousands of pixels.
constexpr int clearPixelsOfAFrame = 1000;

pid_t start(const char* program, const char* workingDirectory) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDOUT_FILENO);
        if (chdir(workingDirectory) != 0) _exit(127);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Ends the program the gentle way first, so each start begins on a quiet display.
void finish(Display* display, Window window, pid_t pid) {
    if (window != 0) askWindowToClose(display, window);
    const double deadline = nowMs() + 10000.0;
    while (nowMs() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void drainEvents(Display* display) {
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

struct Subject {
    std::string name;
    std::string program;
    std::vector<double> mapped;
    std::vector<double> firstFrame;
};

// Starts the program once and records its two times; false if it showed no frame.
bool timeOneStart(Display* display, const char* workingDirectory, Subject& subject) {
    drainEvents(display);
    const double started = nowMs();
    const pid_t pid = start(subject.program.c_str(), workingDirectory);
    if (pid < 0) {
        std::perror("fork");
        return false;
    }
    const Window window = waitForMappedWindow(display, timeoutMs);
    const double mappedAt = nowMs();
    bool shown = false;
    while (window != 0 && nowMs() - started < timeoutMs) {
        if (showsClearColour(display, window, clearPixelsOfAFrame)) {
            shown = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double shownAt = nowMs();
    finish(display, window, pid);
    if (!shown) {
        std::fprintf(stderr, "startup-probe: %s showed no frame within %.0f ms\n",
                     subject.program.c_str(), timeoutMs);
        return false;
    }
    subject.mapped.push_back(mappedAt - started);
    subject.firstFrame.push_back(shownAt - started);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || std::atoi(argv[2]) <= 0) {
        std::fprintf(stderr, "usage: startup-probe WORKDIR RUNS NAME=PROGRAM...\n");
        return 2;
    }
    const char* workingDirectory = argv[1];
    const int runs = std::atoi(argv[2]);
    std::vector<Subject> subjects;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "startup-probe: expected NAME=PROGRAM, got %s\n", argv[i]);
            return 2;
        }
        subjects.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}});
    }

    Display* display = openWatchedDisplay();
    // Taking turns spreads any slow spell of the machine over every program.
    for (int run = 0; run < runs; ++run) {
        for (Subject& subject : subjects) {
            if (!timeOneStart(display, workingDirectory, subject)) return 1;
        }
    }
    XCloseDisplay(display);

    for (const Subject& subject : subjects) {
        printFigure((subject.name + "_window_ms").c_str(), median(subject.mapped), 1);
        printFigure((subject.name + "_ms").c_str(), median(subject.firstFrame), 1);
    }
    std::printf("startup_runs: %d\n", runs);
    return 0;
}
