#include "LoadingLines.h"

#include <iterator>

const std::string allLoaded =
    "Loading cube texture... Success\n"
    "Loading ground texture... Success\n"
    "Loading roller texture... Success\n";

namespace {

// The lines with each picture's "Success\n" replaced by outcome(index).
template <typename Outcome>
std::string withOutcomes(Outcome outcome) {
    std::string lines;
    size_t from = 0;
    for (int i = 0; i < static_cast<int>(std::size(startupPictures)); ++i) {
        const size_t success = allLoaded.find("Success\n", from);
        lines += allLoaded.substr(from, success - from) + outcome(i);
        from = success + 8;
    }
    return lines;
}

}  // namespace

std::string allLoadedBut(int index, const std::string& instead) {
    return withOutcomes([&](int i) { return i == index ? instead : std::string("Success\n"); });
}

std::string noneFound() {
    return withOutcomes(
        [](int i) { return "File Not Found : " + relativePath(startupPictures[i]) + "\n"; });
}

std::string relativePath(const StartupPicture& picture) {
    return std::string(pictureFolder) + picture.file;
}
