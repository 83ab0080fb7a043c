#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "BrowserSession.h"
#include "MouseRedBlock.h"
#include "PicturePrediction.h"
#include "app/StartupPictures.h"

// The browser build in headless Chromium, held to what the desktop window shows: the same
// titles, console text and keys, the picture the starting camera predicts, and the mouse.
namespace {

using worldview::Projection;

std::string pageWith(const std::string& title, const std::string& console) {
    return "title: " + title + "\nheading: " + title +
           "\nstatus: \ncontext menus: 0 fired, 0 let through\nconsole:\n" + console;
}

// Compares the canvas with what the camera predicts, as the desktop window is compared, allowing
// the roller wherever it may stand. The ground's picture is not predicted, only that it shows in
// its own colours: its red would be lost if it were tinted with the roller's cyan, which also
// tells it from the roller.
std::vector<std::string> differences(const RunningProgram::Screenshot& shot, Projection p) {
    const worldview::Prediction prediction = worldview::predict(worldview::View(p));
    std::vector<std::string> found = worldview::mismatches(shot, prediction);
    if (!found.empty()) return found;
    long groundRed = 0;
    for (const auto& [column, row] : prediction.ground) groundRed += shot.at(column, row).r;
    const long groundPixels = static_cast<long>(prediction.ground.size());
    if (groundPixels < 1000 || groundRed < 20 * groundPixels) {
        found.push_back("the ground has lost its red: mean " +
                        std::to_string(groundPixels ? groundRed / groundPixels : 0) + " over " +
                        std::to_string(groundPixels) + " pixels");
    }
    return found;
}

void expectPicture(const BrowserSession& session, const std::string& shot, Projection p) {
    const std::vector<std::string> found = differences(session.shot(shot), p);
    std::string report;
    for (size_t i = 0; i < found.size() && i < 10; ++i) report += "\n  " + found[i];
    EXPECT_TRUE(found.empty()) << shot << ": " << found.size() << " differences" << report;
}

}  // namespace

TEST(WebPage, StartsWithTheDesktopTitleConsoleTextAndPicture) {
    // Under the strictest Content-Security-Policy the site can start with (see docs/web.md).
    const BrowserSession session({"policy:default-src 'self'; script-src 'self' 'wasm-unsafe-eval'",
                                  "open", "page:start", "shot:start",
                                  "textures:start"});
    // The page draws the pictures itself, and they must be those in Textures/ to the byte: the
    // BMP's pixels, bottom row first, with blue and red swapped as the reader swaps them.
    for (size_t i = 0; i < std::size(startupPictures); ++i) {
        std::string pixels = committedTexture(startupPictures[i].file).substr(54);
        for (size_t at = 0; at + 2 < pixels.size(); at += 3) std::swap(pixels[at], pixels[at + 2]);
        EXPECT_TRUE(session.saved("start-" + std::to_string(i) + ".rgb") == pixels)
            << startupPictures[i].file << " differs from the one in Textures/";
    }
    // Flushing "Loading cube texture... " before "Success" must not split the line.
    EXPECT_EQ(session.page("start"), pageWith("Perspective Projection", allPicturesLoaded));
    const std::string console = session.browserConsole();
    std::istringstream lines(allPicturesLoaded);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(console.find("log: " + line + "\n"), std::string::npos) << line << " not in\n"
                                                                          << console;
    }
    EXPECT_EQ(console.find("error"), std::string::npos) << console;
    expectPicture(session, "start", Projection::Perspective);
}

TEST(WebPage, OnlyLowerCaseOAndPSwitchTheProjection) {
    // Capitals and other keys change nothing.
    const BrowserSession session(
        {"open", "key:O", "key:P", "key:x", "frames:3", "page:others", "shot:others",
         // o switches to the orthographic projection, and a second o leaves it so; p switches back.
         "key:o", "wait-title:Ortho Projection", "frames:3", "page:ortho", "shot:ortho", "key:o",
         "frames:3", "page:twice", "key:p", "wait-title:Perspective Projection", "frames:3",
         "page:back", "shot:back"});
    EXPECT_EQ(session.page("others"), pageWith("Perspective Projection", allPicturesLoaded));
    expectPicture(session, "others", Projection::Perspective);
    EXPECT_EQ(session.page("ortho"), pageWith("Ortho Projection", allPicturesLoaded));
    expectPicture(session, "ortho", Projection::Ortho);
    EXPECT_EQ(session.page("twice"), pageWith("Ortho Projection", allPicturesLoaded));
    EXPECT_EQ(session.page("back"), pageWith("Perspective Projection", allPicturesLoaded));
    expectPicture(session, "back", Projection::Perspective);
}

TEST(WebPage, DragsTurnTheViewAHundredthOfARadianAPixelAndButtonsAloneFly) {
    // Flying first brings the red block closer. Drags with both buttons held turn without
    // flying: 10 pixels, 0.1 radian, carry what is ahead 240 / tan(15 degrees) * tan(0.1) = 90
    // pixels across the canvas. The buttons go down one after the other, and for that moment
    // the camera flies, so the pictures the turns are measured between are taken while both
    // are held.
    const BrowserSession session({"open", "shot:start", "hold:left:600", "frames:3", "shot:near",
                                  "press:both:320,400", "frames:3", "shot:held", "move:-10,0:5",
                                  "frames:3", "shot:left", "move:0,-10:5", "frames:3", "shot:up",
                                  "release:both", "hold:right:600", "frames:3", "shot:back",
                                  "page:end"});
    std::array<RedBlockExtent, 6> blocks;
    ASSERT_TRUE(findRedBlocks({session.shot("start"), session.shot("near"), session.shot("held"),
                               session.shot("left"), session.shot("up"), session.shot("back")},
                              blocks));
    const auto& [start, near, held, left, up, back] = blocks;
    EXPECT_GT(near.width(), 13 * start.width() / 10) << describeBoth(start, near);

    // Dragging left turns the view left, so the block moves right; up tilts up, it moves down.
    EXPECT_NEAR(left.centreX - held.centreX, 90, 8) << describeBoth(held, left);
    EXPECT_NEAR(left.centreY, held.centreY, 8) << describeBoth(held, left);
    EXPECT_NEAR(up.centreY - left.centreY, 90, 8) << describeBoth(left, up);
    EXPECT_NEAR(up.centreX, left.centreX, 8) << describeBoth(left, up);
    // Held together, the buttons do not fly: the block keeps its size through both turns, but
    // for the few per cent that perspective stretches it away from the middle.
    EXPECT_NEAR(up.width(), held.width(), held.width() / 20.0) << describeBoth(held, up);

    EXPECT_LT(back.width(), 9 * up.width() / 10) << describeBoth(up, back);
    // The right button never opens the browser's menu.
    EXPECT_NE(session.page("end").find("context menus: 2 fired, 0 let through"), std::string::npos)
        << session.page("end");
}

TEST(WebPage, SaysSoWhenTheBrowserHasNoWebGl) {
    // The page looks for WebGL once its first paint is on the screen.
    const BrowserSession session(
        {"without-webgl", "load",
         "wait-for:!/…/.test(document.getElementById('status').textContent)", "page:without"});
    const std::string page = session.page("without");
    EXPECT_NE(page.find("status: This browser cannot show Rolling Cube: WebGL is unavailable"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("title: Rolling Cube\n"), std::string::npos) << page;
}

TEST(WebPage, SaysInPlainWordsWhichFileItCouldNotLoad) {
    // Sites that each lack one of the page's files, its own scripts too: the visitor reads what
    // is missing and what to do, and the console keeps the details. Without index.html there is
    // no page, only the server's answer; without the script that reports, the page's style sheet
    // says within seconds that nothing started.
    TempDir scratch;
    const std::string reporter = "start-up-failure.js";
    std::vector<std::string> steps, files;
    std::istringstream list(ROLLING_CUBE_SITE_FILES);
    for (std::string file; list >> file;) {
        if (file == "index.html") continue;
        const std::string site = scratch.file(file);
        std::filesystem::copy(ROLLING_CUBE_WEB_SITE, site);
        std::filesystem::remove(site + "/" + file);
        const bool told = file != reporter;
        steps.insert(steps.end(),
                     {"serve:" + site, "load",
                      told ? "wait-for:document.querySelector('#status button')" : "wait:3500",
                      told ? "page:" + file
                           : "js:" + file + ":document.getElementById('status').innerText"});
        if (told) files.push_back(file);
    }
    // A server that refuses HEAD, or a Content-Security-Policy that forbids WebAssembly.
    steps.insert(
        steps.end(),
        {"refuse-head", "serve:" + scratch.file("rolling-cube.wasm"), "load",
         "wait-for:document.querySelector('#status button')", "page:head-refused",
         "policy:default-src 'self'", "serve:" ROLLING_CUBE_WEB_SITE, "load",
         "wait-for:!/…/.test(document.getElementById('status').textContent)", "page:forbidden"});
    const BrowserSession session(steps);
    for (const std::string& file : files) {
        EXPECT_NE(session.page(file).find(": " + file +
                                          " is missing from the server. Reload the "
                                          "page to try again. Reload\n"),
                  std::string::npos)
            << session.page(file);
    }
    EXPECT_NE(session.page("rolling-cube.wasm")
                  .find("status: Rolling Cube could not be loaded: rolling-cube.wasm is missing"),
              std::string::npos);
    EXPECT_EQ(
        session.page(reporter).rfind("Rolling Cube did not start: its scripts did not run", 0), 0u)
        << session.page(reporter);
    EXPECT_NE(session.page("head-refused")
                  .find("status: Rolling Cube could not be loaded: rolling-cube.wasm is missing "
                        "from the server. Reload the page to try again. Reload\n"),
              std::string::npos)
        << session.page("head-refused");
    EXPECT_NE(session.page("forbidden")
                  .find("status: Rolling Cube cannot run on this site: the "
                        "site's security policy (Content-Security-Policy) "
                        "blocks WebAssembly"),
              std::string::npos)
        << session.page("forbidden");
    const std::string console = session.browserConsole();
    EXPECT_NE(console.find("error: Rolling Cube could not start: "), std::string::npos) << console;
    EXPECT_NE(console.find("wasm"), std::string::npos) << console;
}

TEST(WebPage, ShipsItsFilesCompressedBesideThemAndWithinItsWeight) {
    // A server with gzip_static or brotli_static sends a copy as it is, so a stale one would
    // mix two builds; and what a visitor downloads, in the copies a good host sends, stays
    // small enough for a phone on a slow network: a heavy file added later fails here.
    const uintmax_t budget = 80'000;
    uintmax_t sent = 0;
    std::istringstream list(ROLLING_CUBE_SITE_FILES);
    for (std::string file; list >> file;) {
        const std::string path = std::string(ROLLING_CUBE_WEB_SITE) + "/" + file;
        if (file.size() > 4 && file.compare(file.size() - 4, 4, ".png") == 0) {
            sent += std::filesystem::file_size(path);
            continue;
        }
        const std::string content = readFile(path);
        EXPECT_TRUE(runCommand("brotli -dc " + shellQuoted(path + ".br")) == content) << file;
        EXPECT_TRUE(runCommand("gzip -dc " + shellQuoted(path + ".gz")) == content) << file;
        sent += std::filesystem::file_size(path + ".br");
    }
    EXPECT_LE(sent, budget) << "the site's files, as brotli sends them";
}
