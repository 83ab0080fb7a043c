#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <thread>

#include "TestWindow.h"
#include "app/Clock.h"

namespace {

constexpr int32_t largest = std::numeric_limits<int32_t>::max();
constexpr int32_t smallest = std::numeric_limits<int32_t>::min();

}  // namespace

TEST(Clock, ElapsedIsTheForwardStepBetweenReadings) {
    EXPECT_EQ(elapsedMillis(1016, 1000), 16);
    EXPECT_EQ(elapsedMillis(5, -5), 10);
    EXPECT_EQ(elapsedMillis(largest, 0), largest);
    EXPECT_EQ(elapsedMillis(7, 7), 0);
    EXPECT_EQ(elapsedMillis(smallest, smallest), 0);
}

TEST(Clock, ACounterThatWrapsStillGivesTheShortForwardStep) {
    EXPECT_EQ(elapsedMillis(smallest, largest), 1);
    EXPECT_EQ(elapsedMillis(smallest + 15, largest), 16);
    EXPECT_EQ(elapsedMillis(smallest + 15, largest - 984), 1000);
}

TEST(Clock, ACounterThatStepsBackGivesNoTimeRatherThanNegativeTime) {
    EXPECT_EQ(elapsedMillis(999, 1000), 0);
    EXPECT_EQ(elapsedMillis(-5, 5), 0);
    EXPECT_EQ(elapsedMillis(0, largest), 0);
    EXPECT_EQ(elapsedMillis(smallest, 0), 0);
    EXPECT_EQ(elapsedMillis(largest, smallest + 1), 0);
}

TEST(Clock, ReadsWholeMillisecondsOfWallTimeThatNeverGoBack) {
    testwindow::open();
    const int32_t start = currentMillis();
    EXPECT_GE(start, 0);
    int32_t previous = start;
    for (int i = 0; i < 1000; ++i) {
        const int32_t now = currentMillis();
        ASSERT_GE(now, previous);
        previous = now;
    }
    // A sleep lasts at least as long as asked, so a wall clock moves at least that far; a
    // processor-time clock would hardly move at all.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_GE(currentMillis() - start, 59);
}
