#include "RunningProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

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

// Asks again every 100 ms until the answer is the wanted one or the time is up, and gives the
// last answer: a loaded machine may take a while to show the program's window, found by its
// title, to retitle it after a key or to write its output.
template <typename Ask, typename Wanted>
std::string pollUntil(std::chrono::seconds limit, Ask ask, Wanted wanted) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string answer = ask();
    while (!wanted(answer) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answer = ask();
    }
    return answer;
}

// The test's environment with the given variables added, or put in place of its own values.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('=') + 1);
        bool replaced = false;
        for (const std::string& change : changes) replaced = replaced || change.rfind(name, 0) == 0;
        if (!replaced) result.push_back(variable);
    }
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}

// For the child: every signal at its default and none blocked, whatever the test runner got, so
// that a runner ignoring SIGPIPE cannot hide a program that does not ignore it itself.
void restoreDefaultSignals() {
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int number = 1; number < NSIG; ++number) sigaction(number, &byDefault, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

}  // namespace

RunningProgram::RunningProgram(const std::string& workingDirectory, const ProgramLaunch& launch) {
    char pattern[] = "/tmp/rolling-cube-output-XXXXXX";
    const int outputFd = mkstemp(pattern);
    if (outputFd < 0) throw std::runtime_error("cannot make an output file");
    outputPath_ = pattern;

    // Built before the fork: the child only calls what is safe between fork and exec.
    std::vector<std::string> environment = environmentWith(launch.environment);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<std::string> arguments = launch.arguments;
    std::vector<char*> argv{const_cast<char*>(launch.executable.c_str())};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        restoreDefaultSignals();
        if (launch.standardOutputClosed) {
            close(STDOUT_FILENO);
        } else {
            dup2(launch.standardOutput >= 0 ? launch.standardOutput : outputFd, STDOUT_FILENO);
        }
        if (chdir(workingDirectory.c_str()) != 0) _exit(127);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
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

std::string allLoadedBut(int index, const std::string& instead, const std::string& lines) {
    size_t at = lines.find("... ");
    for (int i = 0; i < index; ++i) at = lines.find("... ", at + 1);
    at += 4;
    return std::string(lines).replace(at, lines.find('\n', at) + 1 - at, instead);
}

std::string noneFound() {
    std::string lines = allPicturesLoaded;
    for (int i = 0; i < 3; ++i) {
        lines =
            allLoadedBut(i, "File Not Found : " + relativePath(startupPictures[i]) + "\n", lines);
    }
    return lines;
}

std::string relativePath(const StartupPicture& picture) {
    return std::string(pictureFolder) + picture.file;
}

void settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }

std::string loadingLines(const RunningProgram& program) {
    return pollUntil(
        std::chrono::seconds(10), [&] { return program.output(); },
        [](const std::string& output) {
            return std::count(output.begin(), output.end(), '\n') >= 3;
        });
}

std::string titleAfterKey(RunningProgram& program, const std::string& key,
                          const std::string& expected) {
    program.key(key);
    return pollUntil(
        std::chrono::seconds(10), [&] { return program.title(); },
        [&](const std::string& title) { return title == expected; });
}
