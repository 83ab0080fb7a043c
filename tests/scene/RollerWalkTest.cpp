#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <set>
#include <vector>

#include "RandRecorder.h"
#include "RollerChoiceRule.h"
#include "RollerWorld.h"
#include "scene/Scene.h"

using rollerworld::Cell;
using rollerworld::describe;

namespace {

constexpr int rollCount = 100'000;

struct Walk {
    std::vector<Cell> path;  // resting cells, the start first
    int reversals = 0;
    size_t mostDraws = 0;
    std::string fault;  // the first thing that broke the rules, if any
};

// Runs a fresh roller from the unseeded generator state for `rolls` rolls, feeding it the time
// steps in turn, and checks every update: where it lands, and every number each choice drew.
Walk walk(int rolls, const std::vector<float>& steps) {
    Walk result;
    Scene scene;
    Roller& roller = *scene.roller;
    std::srand(1);  // the state an unseeded generator starts in

    Cell cell;
    if (!rollerworld::cellOf(roller, cell)) {
        result.fault = "the roller does not start on a cell";
        return result;
    }
    result.path.push_back(cell);

    // The first update only chooses; a zero step keeps the choice apart from any roll.
    randrecorder::start();
    scene.update(0.0f);
    result.fault =
        rollerworld::judgeChoice(cell, RollNone, randrecorder::draws(), roller.direction);

    for (size_t update = 0; result.fault.empty() && result.path.size() <= size_t(rolls); ++update) {
        const int heading = roller.direction;
        randrecorder::start();
        scene.update(steps[update % steps.size()]);
        const std::vector<int>& draws = randrecorder::draws();

        Cell now;
        if (!rollerworld::cellOf(roller, now)) {
            result.fault = "the roller left the grid after " + describe(cell);
        } else if (now == cell) {
            if (!draws.empty()) result.fault = "numbers were drawn mid-roll at " + describe(cell);
        } else if (now != rollerworld::neighbour(cell, heading)) {
            result.fault = "a roll from " + describe(cell) + " heading " + std::to_string(heading) +
                           " ended at " + describe(now);
        } else if (!rollerworld::isFree(now)) {
            result.fault = "the roller came to rest on the taken cell " + describe(now);
        } else if (roller.angle != 0.0f) {
            result.fault = "a new roll began at an angle other than 0";
        } else {
            result.fault = rollerworld::judgeChoice(now, heading, draws, roller.direction);
            if (roller.direction == rollerworld::reverseOf(heading)) {
                ++result.reversals;
                if (draws.size() < 100 || rollerworld::freeNeighbourCount(now) != 1) {
                    result.fault = "the roller turned back at " + describe(now) + " after " +
                                   std::to_string(draws.size()) + " draws";
                }
            }
            if (draws.size() > result.mostDraws) result.mostDraws = draws.size();
            cell = now;
            result.path.push_back(now);
        }
    }
    return result;
}

std::set<Cell> reached(const Walk& w) { return std::set<Cell>(w.path.begin(), w.path.end()); }

// The path with whole-roll steps, shared by the tests that compare against it.
const Walk& wholeRollWalk() {
    static const Walk w = walk(rollCount, {0.5f});
    return w;
}

}  // namespace

TEST(RollerWalk, EveryRollEndsOnAFreeCellChosenByTheRule) {
    const Walk& w = wholeRollWalk();
    ASSERT_EQ(w.fault, "");
    ASSERT_EQ(w.path.size(), size_t(rollCount) + 1);

    const std::vector<Cell> free = rollerworld::freeCells();
    ASSERT_EQ(free.size(), 67u);
    EXPECT_EQ(reached(w), std::set<Cell>(free.begin(), free.end()));

    // The one dead end is visited, and only there may the roller turn straight back.
    EXPECT_GT(w.reversals, 0);
    EXPECT_GE(w.mostDraws, 100u);
    std::cout << rollCount << " rolls, " << reached(w).size() << " of " << free.size()
              << " free cells reached, " << w.reversals << " turns straight back, at most "
              << w.mostDraws << " draws for one choice\n";
}

TEST(RollerWalk, SmallAndUnevenStepsTakeTheSamePath) {
    const Walk& whole = wholeRollWalk();
    ASSERT_EQ(whole.fault, "");

    // One frame at 60 frames per second: a roll takes 32 updates.
    const Walk frames = walk(rollCount, {0.016f});
    ASSERT_EQ(frames.fault, "");
    EXPECT_TRUE(frames.path == whole.path);

    // Stalls far longer than a roll, zero steps and odd steps mixed.
    const Walk uneven = walk(rollCount / 4, {0.003f, 0.0f, 0.7f, 0.05f, 30.0f, 0.0125f});
    ASSERT_EQ(uneven.fault, "");
    ASSERT_LE(uneven.path.size(), whole.path.size());
    EXPECT_TRUE(std::equal(uneven.path.begin(), uneven.path.end(), whole.path.begin()));
}

TEST(RollerWalk, TheSameUnseededRunTakesTheSamePathTwice) {
    const Walk first = walk(rollCount / 4, {0.5f});
    const Walk second = walk(rollCount / 4, {0.5f});
    ASSERT_EQ(first.fault, "");
    ASSERT_EQ(second.fault, "");
    EXPECT_TRUE(first.path == second.path);
    // Not a fixed route: the walk wanders.
    EXPECT_GT(reached(first).size(), 60u);
}
