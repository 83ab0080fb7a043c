#include <gtest/gtest.h>

#include "RunningProgram.h"

TEST(ProjectionKeys, TitleFollowsTheProjectionInUse) {
    RunningProgram program;
    EXPECT_EQ(program.title(), "Perspective Projection");
    program.key("o");
    EXPECT_EQ(program.title(), "Ortho Projection");
    program.key("o");
    EXPECT_EQ(program.title(), "Ortho Projection");
    program.key("p");
    EXPECT_EQ(program.title(), "Perspective Projection");
    // Only the lower-case letters switch.
    program.key("O");
    EXPECT_EQ(program.title(), "Perspective Projection");
    EXPECT_TRUE(program.alive());
}
