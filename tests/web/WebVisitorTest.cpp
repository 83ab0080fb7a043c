#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BrowserSession.h"
#include "PicturePrediction.h"

// The page for visitors other than one at a desktop with a mouse (see WebPointerTest.cpp for
// touch and tab switches): on a phone or a sharp screen, after a lost graphics context, opened
// from disk, or using the keyboard on the page.
namespace {

void expectStartingPicture(const BrowserSession& session, const std::string& shot) {
    const std::vector<std::string> found =
        worldview::mismatches(session.shot(shot), worldview::startingPicture());
    EXPECT_TRUE(found.empty()) << shot << ": " << found.size() << " differences, first "
                               << (found.empty() ? "" : found.front());
}

}  // namespace

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
