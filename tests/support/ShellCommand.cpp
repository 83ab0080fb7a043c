#include <array>
#include <cstdio>
#include <stdexcept>

#include "RunningProgram.h"

std::string runCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run: " + command);
    std::string result;
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.append(buffer.data(), got);
    const int status = pclose(pipe);
    if (status != 0) throw std::runtime_error("command failed: " + command);
    return result;
}

std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

std::string toolOnPath(const std::string& tool) {
    std::string path = runCommand("command -v " + shellQuoted(tool) + " || true");
    while (!path.empty() && path.back() == '\n') path.pop_back();
    return path;
}

std::string toolMissing(const std::string& tool, const std::string& packageSet) {
    return tool + " is not installed: scripts/lib/deps.sh --set " + packageSet + " installs it";
}

CommandOutcome runCommandForOutcome(const std::string& command) {
    const std::string printed = runCommand("(" + command + ") 2>&1; echo \"exit status $?\"");
    const size_t at = printed.rfind("exit status ");
    return {std::stoi(printed.substr(at + 12)), printed.substr(0, at)};
}
