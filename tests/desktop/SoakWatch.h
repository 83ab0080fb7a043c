#pragma once

#include <string>
#include <utility>
#include <vector>

// Sends the sanitizer reports of every program this process starts from now on into files of a
// fresh folder, instead of the inherited standard error where nothing would notice them, and
// leaves leak checking to Valgrind (see the constructor).
class SanitizerReportFolder {
  public:
    SanitizerReportFolder();
    ~SanitizerReportFolder();
    SanitizerReportFolder(const SanitizerReportFolder&) = delete;
    SanitizerReportFolder& operator=(const SanitizerReportFolder&) = delete;

    // Everything reported so far, empty when nothing was.
    std::string reports() const;

  private:
    std::string folder_;
    std::vector<std::pair<std::string, std::string>> saved_;  // variable, value before; "" if unset
};
