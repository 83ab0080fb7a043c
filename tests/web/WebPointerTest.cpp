#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "BrowserSession.h"
#include "MouseRedBlock.h"

// The page's pointers: the mouse, fingers on a touch screen and the on-screen fly controls, each
// holding only what it pressed, and a button let go where the page cannot see it.
namespace {

// What is ahead turns across the canvas by 240 / tan(15 degrees) * tan(angle) window pixels.
double shiftForTurn(double radians) {
    return 240 / std::tan(15.0 * M_PI / 180.0) * std::tan(radians);
}

}  // namespace

TEST(WebVisitor, AButtonReleasedInAnotherTabCountsAsReleased) {
    // The press flies backwards before the switch, so that it is known to have reached the
    // program.
    const BrowserSession session({"open", "shot:start", "press:right:320,400", "wait:300",
                                  "frames:3", "shot:flying", "release-elsewhere:right", "frames:3",
                                  "shot:back", "wait:500", "frames:3", "shot:later"});
    std::array<RedBlockExtent, 4> blocks;
    ASSERT_TRUE(findRedBlocks({session.shot("start"), session.shot("flying"), session.shot("back"),
                               session.shot("later")},
                              blocks));
    const auto& [start, flying, back, later] = blocks;
    EXPECT_LT(flying.width(), 9 * start.width() / 10) << describeBoth(start, flying);
    // Flying on backwards for half a second would shrink the block by a quarter or more.
    EXPECT_NEAR(later.width(), back.width(), back.width() / 20.0) << describeBoth(back, later);
}

TEST(WebVisitor, AFingerScrollingThePageElsewhereLeavesAHeldFlyControlHeld) {
    if (inFirefox()) GTEST_SKIP() << "Firefox's driver cannot emulate a touch screen";
    // The browser cancels the finger's pointer once its drag scrolls the page; the mouse still
    // holds Fly backwards, so the camera flies on, and the red block shrinks. Flying backwards
    // keeps it in sight for seconds, and a second more shrinks it by over a tenth even three
    // seconds out, so a slow machine's longer steps do not matter.
    const BrowserSession session({"viewport:800,600,1,touch", "open", "mouse-down:Fly backwards",
                                  "swipe:200", "js:scrolled:scrollY > 0", "frames:3",
                                  "shot:scrolled", "wait:1000", "frames:3", "shot:later",
                                  "release:left"});
    EXPECT_EQ(session.page("scrolled"), "true");
    std::array<RedBlockExtent, 2> blocks;
    ASSERT_TRUE(findRedBlocks({session.shot("scrolled"), session.shot("later")}, blocks, 100));
    const auto& [scrolled, later] = blocks;
    EXPECT_LT(later.width(), 9 * scrolled.width() / 10) << describeBoth(scrolled, later);
}

TEST(WebVisitor, OnATouchScreenAFingerTurnsAndTheOnScreenControlsFlyAndSwitch) {
    if (inFirefox()) GTEST_SKIP() << "Firefox's driver cannot emulate a touch screen";
    const BrowserSession session(
        {"viewport:390,844,3,touch", "open", "js:width:canvas.getBoundingClientRect().width",
         // A phone's viewport. The finger goes 8 CSS pixels left, then rests: the view turns left
         // without flying.
         "press:touch:187,150", "frames:3", "shot:pressed", "move:-8,0:4", "frames:3",
         "shot:turned", "wait:500", "frames:3", "shot:resting", "release:touch",
         // Each fly control held by a finger.
         "touch:Fly forwards:400", "frames:3", "shot:near", "touch:Fly backwards:400", "frames:3",
         "shot:far",
         // Two fingers hold both: the one pressed last flies, a third finger on the picture turns
         // the view as it flies, and when the last one lifts the other flies again.
         "finger-down:Fly forwards", "finger-down:Fly backwards", "frames:3", "shot:both",
         "frames:5", "shot:backwards", "press:touch:187,150", "move:0,-8:4", "frames:3",
         "shot:turning", "release:touch", "finger-up:Fly backwards", "frames:3", "shot:handed",
         "wait:500", "frames:3", "shot:forwards", "finger-up:Fly forwards",
         // The mouse is one more pointer. A click on the picture leaves a finger's control flying;
         // a finger's tap leaves a button held on the picture flying; a button held elsewhere
         // holds nothing.
         "finger-down:Fly backwards", "hold:right:100", "frames:3", "shot:clicked", "wait:500",
         "frames:3", "shot:clicked-later", "finger-up:Fly backwards", "press:right:187,150",
         "touch:Fly forwards:100", "frames:3", "shot:tapped", "wait:500", "frames:3",
         "shot:tapped-later", "release:right", "mouse-down:Input", "finger-down:Fly forwards",
         "frames:3", "shot:table", "wait:500", "frames:3", "shot:table-later",
         "finger-up:Fly forwards", "release:left",
         // The projection controls tapped.
         "touch:Orthographic:0", "wait-title:Ortho Projection", "page:ortho", "touch:Perspective:0",
         "wait-title:Perspective Projection", "page:perspective",
         "js:small:[...document.querySelectorAll('#controls button')]"
         ".filter((b) => b.offsetWidth < 44 || b.offsetHeight < 44).length"});
    std::array<RedBlockExtent, 16> blocks;
    ASSERT_TRUE(findRedBlocks(
        {session.shot("pressed"), session.shot("turned"), session.shot("resting"),
         session.shot("near"), session.shot("far"), session.shot("both"), session.shot("backwards"),
         session.shot("turning"), session.shot("handed"), session.shot("forwards"),
         session.shot("clicked"), session.shot("clicked-later"), session.shot("tapped"),
         session.shot("tapped-later"), session.shot("table"), session.shot("table-later")},
        blocks, 100));
    const auto& [pressed, turned, resting, near, far, both, backwards, turning, handed, forwards,
                 clicked, clickedLater, tapped, tappedLater, table, tableLater] = blocks;
    const double windowPixels = 8 * 640 / std::stod(session.page("width"));
    EXPECT_NEAR(turned.centreX - pressed.centreX, shiftForTurn(windowPixels * 0.01), 12)
        << describeBoth(pressed, turned);
    EXPECT_NEAR(resting.width(), pressed.width(), pressed.width() / 20.0)
        << describeBoth(pressed, resting);
    EXPECT_GT(near.width(), 13 * resting.width() / 10) << describeBoth(resting, near);
    EXPECT_LT(far.width(), 9 * near.width() / 10) << describeBoth(near, far);
    EXPECT_LT(backwards.width(), 9 * both.width() / 10) << describeBoth(both, backwards);
    // Tilted up, the block moves down; flying back pulls it towards the middle meanwhile.
    EXPECT_GT(turning.centreY - backwards.centreY, shiftForTurn(windowPixels * 0.01) / 2)
        << describeBoth(backwards, turning);
    EXPECT_GT(forwards.pixels, 6 * handed.pixels / 5) << describeBoth(handed, forwards);
    // Far out, half a second's flight takes a pixel or two off the block's width but a quarter or
    // more off its area.
    EXPECT_LT(clickedLater.pixels, 4 * clicked.pixels / 5) << describeBoth(clicked, clickedLater);
    EXPECT_LT(tappedLater.pixels, 4 * tapped.pixels / 5) << describeBoth(tapped, tappedLater);
    EXPECT_GT(tableLater.pixels, 6 * table.pixels / 5) << describeBoth(table, tableLater);
    EXPECT_EQ(session.page("ortho").rfind("title: Ortho Projection\n", 0), 0u);
    EXPECT_EQ(session.page("perspective").rfind("title: Perspective Projection\n", 0), 0u);
    EXPECT_EQ(session.page("small"), "0") << "controls smaller than 44 CSS pixels";
    const std::string console = session.browserConsole();
    EXPECT_EQ(console.find("error"), std::string::npos) << console;
    EXPECT_EQ(console.find("passive"), std::string::npos) << console;
}
