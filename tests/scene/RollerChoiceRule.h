#pragma once

#include <string>
#include <vector>

#include "RollerWorld.h"

// Judges one choice of direction against the rule: draw, and take the first draw that neither
// goes straight back before the 100th attempt nor lands on a taken cell.
namespace rollerworld {

// Empty if the draws and the chosen direction follow the rule at cell; otherwise what went
// wrong.
inline std::string judgeChoice(Cell cell, int previous, const std::vector<int>& draws, int chosen) {
    if (draws.empty()) return "no number was drawn at " + describe(cell);
    for (size_t i = 0; i < draws.size(); ++i) {
        const int d = draws[i] % 4;
        const int attempt = static_cast<int>(i) + 1;
        const bool goesBack = previous != RollNone && d == reverseOf(previous) && attempt < 100;
        const bool refused = goesBack || !isFree(neighbour(cell, d));
        const bool last = i + 1 == draws.size();
        if (!last && !refused) {
            return "attempt " + std::to_string(attempt) + " at " + describe(cell) +
                   " drew the acceptable direction " + std::to_string(d) + " but drawing went on";
        }
        if (last && refused) {
            return "the last of " + std::to_string(draws.size()) + " draws at " + describe(cell) +
                   " gave the refused direction " + std::to_string(d);
        }
        if (last && chosen != d) {
            return "the roller took direction " + std::to_string(chosen) + " after drawing " +
                   std::to_string(d) + " at " + describe(cell);
        }
    }
    return "";
}

}  // namespace rollerworld
