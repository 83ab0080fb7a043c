#include <algorithm>
#include <chrono>
#include <string>

#include "Polling.h"
#include "RunningProgram.h"

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

std::string loadingLines(const RunningProgram& program) {
    return pollUntil(
        std::chrono::seconds(10), [&] { return program.output(); },
        [](const std::string& output) {
            return std::count(output.begin(), output.end(), '\n') >= 3;
        });
}
