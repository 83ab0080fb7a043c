#include "ChildProcess.h"

#include <signal.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

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

pid_t startChild(const std::string& workingDirectory, const ProgramLaunch& launch, int outputFd) {
    // Built before the fork: the child only calls what is safe between fork and exec.
    std::vector<std::string> environment = environmentWith(launch.environment);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<std::string> arguments = launch.arguments;
    std::vector<char*> argv{const_cast<char*>(launch.executable.c_str())};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
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
    return pid;
}
