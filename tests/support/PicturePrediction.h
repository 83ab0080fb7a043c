#pragma once

#include <string>
#include <utility>
#include <vector>

#include "RunningProgram.h"
#include "WorldView.h"

// What a picture of the world from the starting camera must show, sampled on a grid of pixels,
// and the comparison of a screenshot with it. The desktop window and the browser's canvas are
// judged by the same code.
namespace worldview {

using Pixel = std::pair<int, int>;  // column, row from the top

// The sampled pixels by what they show: those the rolling cube can never cover, and those where
// it may be in front at times. The ground's picture is not predicted, only where it shows; the
// roller, which can reach most of it, covers a little of it at any moment.
struct Prediction {
    std::vector<Pixel> background, backgroundOrRoller;
    std::vector<Pixel> blocks[blockCount], blocksOrRoller[blockCount];
    std::vector<Pixel> ground;
};

Prediction predict(const View& view);

// The picture of the starting camera in perspective, as the program first shows it; worked out
// once for the whole test binary.
const Prediction& startingPicture();

// A block is drawn with its texture multiplied by its colour, so the channels its colour lacks
// stay dark whatever the picture, and the ones it has stay bright on the light block texture.
bool looksLike(const Rgb& c, const BlockColour& b);

// The roller is cyan, so its picture keeps red dark and green and blue alike.
bool looksLikeRoller(const Rgb& c);

// Every predicted pixel that the screenshot contradicts, described; empty when it fits.
std::vector<std::string> mismatches(const RunningProgram::Screenshot& shot, const Prediction& p);

// Expects the program's window to show the predicted picture, and gives the screenshot judged.
// The frame after a start or a key may still be on its way, so a few pictures are tried before
// the last one's differences count.
RunningProgram::Screenshot expectPicture(RunningProgram& program, const Prediction& p);

}  // namespace worldview
