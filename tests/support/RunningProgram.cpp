#include "RunningProgram.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "ChildProcess.h"
#include "Polling.h"
#include "WindowClose.h"

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

std::string replaceWindow(std::string text, const std::string& window) {
    for (size_t at = text.find("WINDOW"); at != std::string::npos; at = text.find("WINDOW")) {
        text.replace(at, 6, window);
    }
    return text;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& workingDirectory, const ProgramLaunch& launch) {
    char pattern[] = "/tmp/rolling-cube-output-XXXXXX";
    const int outputFd = mkstemp(pattern);
    if (outputFd < 0) throw std::runtime_error("cannot make an output file");
    outputPath_ = pattern;
    pid_ = startChild(workingDirectory, launch, outputFd);
    close(outputFd);

    bool exited = false;
    window_ = pollUntil(
        std::chrono::seconds(30),
        [&] {
            exited = !alive();
            if (exited) return std::string();
            return trimmed(
                runCommand("xdotool search --onlyvisible --name '^(Perspective|Ortho) Projection$' "
                           "2>/dev/null | head -n1 || true"));
        },
        [&](const std::string& found) { return exited || !found.empty(); });
    if (window_.empty()) {
        stop();
        throw std::runtime_error(exited ? "the program exited before showing its window"
                                        : "the program's window did not appear");
    }
    // Focus once, so that keys sent through the X test extension reach this window.
    xdotool("windowfocus --sync WINDOW");
    // The window is shown and titled before the pictures are read and the first frame drawn; on
    // a loaded machine that takes a while, and a test must not photograph an empty window. One
    // that never draws is left for the test to find out.
    const auto drawn = [&]() -> std::string {
        try {
            return alive() && showsBackground(screenshot()) ? "drawn" : "";
        } catch (const std::runtime_error&) {
            return "";  // not yet viewable
        }
    };
    pollUntil(std::chrono::seconds(30), drawn,
              [&](const std::string& seen) { return !seen.empty() || !alive(); });
}

RunningProgram::~RunningProgram() {
    stop();
    if (!outputPath_.empty()) unlink(outputPath_.c_str());
}

int RunningProgram::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, &status_, 0);
        pid_ = -1;
    }
    return status_;
}

bool RunningProgram::closeWindow(int timeoutSeconds) {
    if (!askWindowToClose(window_)) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (alive()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool RunningProgram::alive() {
    if (pid_ <= 0) return false;
    if (waitpid(pid_, &status_, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

std::string RunningProgram::title() const {
    return trimmed(runCommand("xdotool getwindowname " + window_));
}

void RunningProgram::xdotool(const std::string& arguments) const {
    runCommand("xdotool " + replaceWindow(arguments, window_) + " >/dev/null");
}

void RunningProgram::key(const std::string& name) {
    xdotool("windowfocus --sync WINDOW key " + name);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

RunningProgram::Screenshot RunningProgram::screenshot() const {
    return screenshotFromPpm(runCommand("import -window " + window_ + " -depth 8 ppm:-"));
}

std::string RunningProgram::output() const {
    std::ifstream in(outputPath_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }

std::string titleAfterKey(RunningProgram& program, const std::string& key,
                          const std::string& expected) {
    program.key(key);
    return pollUntil(
        std::chrono::seconds(10), [&] { return program.title(); },
        [&](const std::string& title) { return title == expected; });
}
