#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "RunningProgram.h"

TEST(ProjectionKeys, TitleFollowsTheProjectionInUse) {
    RunningProgram program;
    EXPECT_EQ(program.title(), "Perspective Projection");
    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    EXPECT_EQ(titleAfterKey(program, "p", "Perspective Projection"), "Perspective Projection");
    EXPECT_EQ(titleAfterKey(program, "p", "Perspective Projection"), "Perspective Projection");
    EXPECT_TRUE(program.alive());
}

TEST(ProjectionKeys, OnlyTheLowerCaseLettersSwitch) {
    RunningProgram program;
    // A switch the program does not make cannot be waited for; a second is ample for one it
    // wrongly makes.
    const auto settle = [] { std::this_thread::sleep_for(std::chrono::seconds(1)); };
    for (const char* ignored : {"O", "x", "Escape", "space"}) program.key(ignored);
    settle();
    EXPECT_EQ(program.title(), "Perspective Projection");
    ASSERT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    program.key("P");
    settle();
    EXPECT_EQ(program.title(), "Ortho Projection");
    EXPECT_TRUE(program.alive());
}
