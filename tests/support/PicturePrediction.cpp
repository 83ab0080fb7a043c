#include "PicturePrediction.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace worldview {

Prediction predict(const View& view) {
    Prediction p;
    for (int row = 2; row < 480; row += 4) {
        for (int column = 2; column < 640; column += 4) {
            const Sight sight = view.robustSightAt(column, row);
            const bool covered = sight.rollerMayCover;
            if (sight.seen == Seen::Background) {
                (covered ? p.backgroundOrRoller : p.background).push_back({column, row});
            } else if (sight.seen == Seen::Block) {
                const int i = sight.blockIndex;
                (covered ? p.blocksOrRoller[i] : p.blocks[i]).push_back({column, row});
            } else if (sight.seen == Seen::Ground) {
                p.ground.push_back({column, row});
            }
        }
    }
    return p;
}

bool looksLike(const Rgb& c, const BlockColour& b) {
    const auto fits = [](bool on, int value) { return on ? value >= 40 : value <= 12; };
    return fits(b.shown.r > 0, c.r) && fits(b.shown.g > 0, c.g) && fits(b.shown.b > 0, c.b);
}

bool looksLikeRoller(const Rgb& c) {
    return c.r <= 12 && c.g >= 30 && c.b >= 30 && std::abs(c.g - c.b) <= 12;
}

std::vector<std::string> mismatches(const RunningProgram::Screenshot& shot, const Prediction& p) {
    std::vector<std::string> found;
    if (shot.width != 640 || shot.height != 480) {
        found.push_back("the picture is " + std::to_string(shot.width) + " x " +
                        std::to_string(shot.height));
        return found;
    }
    const auto check = [&](const std::vector<Pixel>& pixels, const std::string& what,
                           bool rollerMayCover, auto&& fits) {
        for (const auto& [column, row] : pixels) {
            const Rgb c = shot.at(column, row);
            if (fits(c) || (rollerMayCover && looksLikeRoller(c))) continue;
            std::ostringstream text;
            text << what << (rollerMayCover ? " or the roller" : "") << " expected at " << column
                 << "," << row << ", got " << c;
            found.push_back(text.str());
        }
    };
    check(p.background, "background", false, isBackground);
    check(p.backgroundOrRoller, "background", true, isBackground);
    for (int i = 0; i < blockCount; ++i) {
        const auto isBlock = [&](const Rgb& c) { return looksLike(c, blockColours[i]); };
        const std::string what = std::string(blockColours[i].name) + " block";
        check(p.blocks[i], what, false, isBlock);
        check(p.blocksOrRoller[i], what, true, isBlock);
    }
    // The roller hides at most a small part of the open view at any moment.
    size_t open = 0;
    for (const auto& [column, row] : p.backgroundOrRoller)
        open += isBackground(shot.at(column, row));
    if (open * 2 < p.backgroundOrRoller.size()) {
        found.push_back("only " + std::to_string(open) + " of " +
                        std::to_string(p.backgroundOrRoller.size()) +
                        " pixels the roller might cover show the background");
    }
    return found;
}

RunningProgram::Screenshot expectPicture(RunningProgram& program, const Prediction& p) {
    RunningProgram::Screenshot shot;
    std::vector<std::string> found;
    for (int attempt = 0; attempt < 6; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(400));
        shot = program.screenshot();
        found = mismatches(shot, p);
        if (found.empty()) break;
    }
    std::ostringstream report;
    for (size_t i = 0; i < found.size() && i < 12; ++i) report << "\n  " << found[i];
    EXPECT_TRUE(found.empty()) << found.size() << " pixels differ:" << report.str();
    return shot;
}

const Prediction& startingPicture() {
    static const Prediction prediction = predict(View(Projection::Perspective));
    return prediction;
}

}  // namespace worldview
