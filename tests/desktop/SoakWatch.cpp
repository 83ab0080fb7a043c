#include "SoakWatch.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

const char* const optionVariables[] = {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> reportFiles(const std::string& folder) {
    std::vector<std::string> files;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return files;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") files.push_back(folder + "/" + name);
    }
    closedir(directory);
    return files;
}

}  // namespace

SanitizerReportFolder::SanitizerReportFolder() {
    char pattern[] = "/tmp/rolling-cube-soak-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("cannot make a report folder");
    folder_ = pattern;
    for (const char* variable : optionVariables) {
        std::string options = environment(variable);
        saved_.emplace_back(variable, options);
        if (!options.empty()) options += ":";
        options += "log_path=" + folder_ + "/report";
        // The exit-time leak check comes after the GL driver has been unloaded, leaving the
        // driver's own allocations with no module to tell them from ours by; scripts/bench.sh
        // checks for leaks under Valgrind, which keeps the driver's symbols.
        if (std::string(variable) == "ASAN_OPTIONS") options += ":detect_leaks=0";
        setenv(variable, options.c_str(), 1);
    }
}

SanitizerReportFolder::~SanitizerReportFolder() {
    for (const auto& [variable, value] : saved_) {
        if (value.empty()) {
            unsetenv(variable.c_str());
        } else {
            setenv(variable.c_str(), value.c_str(), 1);
        }
    }
    for (const std::string& file : reportFiles(folder_)) unlink(file.c_str());
    rmdir(folder_.c_str());
}

std::string SanitizerReportFolder::reports() const {
    std::string all;
    for (const std::string& file : reportFiles(folder_)) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        all += "== " + file + "\n" + text.str();
    }
    return all;
}
