#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "RunningProgram.h"

TEST(ProjectionKeys, TitleFollowsTheProjectionInUse) {
    RunningProgram program;
    EXPECT_EQ(program.title(), "Perspective Projection");
    program.key("o");
    EXPECT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    program.key("o");
    EXPECT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    program.key("p");
    EXPECT_EQ(titleOnceSettled(program, "Perspective Projection"), "Perspective Projection");
    program.key("p");
    EXPECT_EQ(titleOnceSettled(program, "Perspective Projection"), "Perspective Projection");
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
    program.key("o");
    ASSERT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    program.key("P");
    settle();
    EXPECT_EQ(program.title(), "Ortho Projection");
    EXPECT_TRUE(program.alive());
}
