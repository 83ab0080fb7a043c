#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "BrowserSession.h"
#include "MouseRedBlock.h"
#include "PicturePrediction.h"

// The page for visitors other than one at a desktop with a mouse who never leaves the tab: on a
// touch screen, a phone or a sharp screen, after a tab switch or a lost graphics context, opened
// from disk, or using the keyboard on the page.
namespace {

void expectStartingPicture(const BrowserSession& session, const std::string& shot) {
    const std::vector<std::string> found =
        worldview::mismatches(session.shot(shot), worldview::startingPicture());
    EXPECT_TRUE(found.empty()) << shot << ": " << found.size() << " differences, first "
                               << (found.empty() ? "" : found.front());
}

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

TEST(WebVisitor, ALostGraphicsContextStopsTheDrawingAndSaysHowToGetItBack) {
    const BrowserSession session({"open", "lose-context", "js:atLoss:drawCalls", "frames:5",
                                  "js:later:drawCalls", "page:lost"});
    EXPECT_NE(session.page("lost").find("status: The graphics context was lost, so the animation "
                                        "has stopped. Reload the page to start it again. Reload"),
              std::string::npos)
        << session.page("lost");
    EXPECT_EQ(session.page("later"), session.page("atLoss"))
        << "drawing calls into the lost context";
}

TEST(WebVisitor, OpenedFromDiskSaysToServeItOverHttp) {
    const BrowserSession session({"open-file", "wait:300", "page:disk"});
    const std::string page = session.page("disk");
    EXPECT_NE(page.find("status: Rolling Cube must be served over HTTP"), std::string::npos)
        << page;
    EXPECT_NE(page.find("Run ./scripts/web.sh"), std::string::npos) << page;
    EXPECT_NE(page.find("any static file server"), std::string::npos) << page;
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
         // The projection controls tapped.
         "touch:Orthographic:0", "wait-title:Ortho Projection", "page:ortho", "touch:Perspective:0",
         "wait-title:Perspective Projection", "page:perspective",
         "js:small:[...document.querySelectorAll('#controls button')]"
         ".filter((b) => b.offsetWidth < 44 || b.offsetHeight < 44).length"});
    std::array<RedBlockExtent, 10> blocks;
    ASSERT_TRUE(findRedBlocks(
        {session.shot("pressed"), session.shot("turned"), session.shot("resting"),
         session.shot("near"), session.shot("far"), session.shot("both"), session.shot("backwards"),
         session.shot("turning"), session.shot("handed"), session.shot("forwards")},
        blocks));
    const auto& [pressed, turned, resting, near, far, both, backwards, turning, handed, forwards] =
        blocks;
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
    EXPECT_EQ(session.page("ortho").rfind("title: Ortho Projection\n", 0), 0u);
    EXPECT_EQ(session.page("perspective").rfind("title: Perspective Projection\n", 0), 0u);
    EXPECT_EQ(session.page("small"), "0") << "controls smaller than 44 CSS pixels";
    const std::string console = session.browserConsole();
    EXPECT_EQ(console.find("error"), std::string::npos) << console;
    EXPECT_EQ(console.find("passive"), std::string::npos) << console;
}

TEST(WebVisitor, TheCanvasIsSharpAtEveryPixelRatioAndFitsAPhone) {
    // Each size is audited for accessibility as well.
    const BrowserSession sharp({"viewport:800,1000,2", "open",
                                "js:buffer:canvas.width + ' x ' + canvas.height", "shot:sharp",
                                "axe"});
    EXPECT_EQ(sharp.page("buffer"), "1280 x 960");
    expectStartingPicture(sharp, "sharp");

    // Within the width, at 4:3, and the page does not scroll sideways.
    const BrowserSession phone(
        {"viewport:390,844,3", "open",
         "js:fit:((r) => [r.right <= innerWidth, Math.abs(r.width / r.height "
         "- 4 / 3) < 0.01, document.documentElement.scrollWidth <= "
         "innerWidth].join())(canvas.getBoundingClientRect())",
         "shot:phone", "axe"});
    EXPECT_EQ(phone.page("fit"), "true,true,true");
    expectStartingPicture(phone, "phone");
}

TEST(WebVisitor, TheBufferFollowsAChangeOfPixelRatioWithoutAResize) {
    // As when the window moves to a sharper screen: the ratio doubles and the size stays.
    const BrowserSession session({"viewport:800,1000,1", "open",
                                  "js:before:canvas.width + ' x ' + canvas.height", "scale:2",
                                  "wait-for:canvas.width == 1280",
                                  "js:after:canvas.width + ' x ' + canvas.height", "shot:after"});
    EXPECT_EQ(session.page("before"), "640 x 480");
    EXPECT_EQ(session.page("after"), "1280 x 960");
    expectStartingPicture(session, "after");
}

TEST(WebVisitor, OnAPhoneHeldSidewaysThePictureAndTheControlsFitTheScreen) {
    // Firefox's driver has no touch screen to emulate; the layout is the same without one.
    const BrowserSession session(
        {inFirefox() ? "viewport:844,390,3" : "viewport:844,390,3,touch", "open",
         "js:fit:((inside, c) => [[canvas, ...document.querySelectorAll('#controls button')]"
         ".every((e) => inside(e.getBoundingClientRect())), Math.abs(c.width / c.height - 4 / 3)"
         " < 0.01, c.height >= 300, scrollX + scrollY == 0].join())((r) => r.left >= 0 && r.top "
         ">= 0 && r.right <= innerWidth && r.bottom <= innerHeight, "
         "canvas.getBoundingClientRect())",
         "shot:sideways"});
    // Inside the screen, at 4:3, not shrunk to a thumbnail, and nothing scrolled to get there.
    EXPECT_EQ(session.page("fit"), "true,true,true,true");
    expectStartingPicture(session, "sideways");
}

TEST(WebVisitor, KeysOtherThanOAndPKeepTheirMeaningInThePage) {
    // In a page taller than the viewport, Space scrolls and Tab reaches the first control.
    const BrowserSession session({"viewport:800,300,1", "open", "key: ", "wait:300",
                                  "js:scrolled:scrollY > 0", "key:Tab",
                                  "js:focused:document.activeElement.id", "key:o",
                                  "wait-title:Ortho Projection", "page:ortho"});
    EXPECT_EQ(session.page("scrolled"), "true");
    EXPECT_EQ(session.page("focused"), "fly-forwards");
    EXPECT_EQ(session.page("ortho").rfind("title: Ortho Projection\n", 0), 0u)
        << session.page("ortho");
}
