#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BrowserSession.h"
#include "PicturePrediction.h"
#include "RunningProgram.h"

// The page as a visitor keeps it: installable, started again without a network, and replaced as
// a whole once the site is rebuilt.
namespace {

// The mean colour of the ground where the starting camera predicts it.
Rgb meanGround(const RunningProgram::Screenshot& shot) {
    const worldview::Prediction& prediction = worldview::startingPicture();
    Rgb sum{0, 0, 0};
    for (const auto& [column, row] : prediction.ground) {
        const Rgb c = shot.at(column, row);
        sum = Rgb{sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    const int n = std::max(1, static_cast<int>(prediction.ground.size()));
    return Rgb{sum.r / n, sum.g / n, sum.b / n};
}

void copySite(const std::string& from, const std::string& to) {
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

// The build's own last step, which writes the site's service worker.
void writeServiceWorker(const std::string& site) {
    runCommand("cmake -DSITE=" + shellQuoted(site) + " -P " +
               shellQuoted(ROLLING_CUBE_SERVICE_WORKER_SCRIPT));
}

// The site as a rebuild that draws the ground blue leaves it: the copy's page-output.js turns
// every picture the program uploads blue, and the build's own step writes its service worker.
void rebuildWithBlueGround(const std::string& site) {
    copySite(ROLLING_CUBE_WEB_SITE, site);
    writeFile(site + "/page-output.js",
              readFile(site + "/page-output.js") +
                  "WebGLRenderingContext.prototype.texImage2D = ((upload) => function(...args) {\n"
                  "  const pixels = args[args.length - 1];\n"
                  "  for (let i = 0; pixels && i + 2 < pixels.length; i += 3)\n"
                  "    pixels.set([0, 0, 255], i);\n"
                  "  return upload.apply(this, args);\n"
                  "})(WebGLRenderingContext.prototype.texImage2D);\n");
    writeServiceWorker(site);
}

// Whether the page's status and console say that the program started.
void expectStarted(const std::string& page) {
    const std::string started = std::string("console:\n") + allPicturesLoaded;
    EXPECT_TRUE(page.find("status: \n") != page.npos && page.find(started) != page.npos) << page;
}

void expectGreenGround(const RunningProgram::Screenshot& shot) {
    const Rgb grass = meanGround(shot);
    EXPECT_TRUE(grass.g > grass.b && grass.r >= 20) << grass;
}

void expectBlueGround(const RunningProgram::Screenshot& shot) {
    const Rgb ground = meanGround(shot);
    EXPECT_TRUE(ground.r < 10 && ground.g < 50 && ground.b > 200) << ground;
}

}  // namespace

TEST(OfflinePage, InstallsStartsOfflineAfterOneVisitAndTakesUpARebuiltSite) {
    TempDir scratch;
    const std::string rebuilt = scratch.file("rebuilt");
    rebuildWithBlueGround(rebuilt);
    // Firefox has no installed web apps to ask about; the rest holds in both browsers.
    std::vector<std::string> steps = {"open",
                                      "wait-worker",
                                      "offline",
                                      "open",
                                      "page:offline",
                                      "shot:offline",
                                      "serve:" + rebuilt,
                                      "online",
                                      "open",
                                      "shot:rebuilt",
                                      "wait-worker",
                                      "offline",
                                      "open",
                                      "page:rebuilt-offline",
                                      "shot:rebuilt-offline"};
    if (!inFirefox()) steps.insert(steps.begin() + 1, "installable:install");
    const BrowserSession session(steps);

    if (!inFirefox()) {
        EXPECT_EQ(session.page("install"), "manifest errors: []\ninstallability errors: []");
    }
    for (const char* name : {"offline", "rebuilt-offline"}) expectStarted(session.page(name));
    // The grass is green with some red in it; the rebuilt ground is blue, online and then
    // offline, from the cache the rebuilt site put in place of the first.
    expectGreenGround(session.shot("offline"));
    for (const char* shot : {"rebuilt", "rebuilt-offline"}) {
        SCOPED_TRACE(shot);
        expectBlueGround(session.shot(shot));
    }
}

TEST(OfflinePage, TwoBuildsUnderTwoPathsAndAnotherAppKeepTheirOwnCaches) {
    // One origin serves the build under /stable/, a rebuilt one under /beta/ and, as another app
    // of the same site, a cache the page makes itself. First the page is served at /stable as
    // well, as some hosts' rewrites do, where every file it names lies one folder up.
    TempDir scratch;
    const std::string origin = scratch.file("origin");
    std::filesystem::create_directory(origin);
    copySite(ROLLING_CUBE_WEB_SITE, origin + "/stable");
    rebuildWithBlueGround(origin + "/beta");
    const BrowserSession session(
        {"serve:" + origin, "folder-pages", "load:stable",
         "js:no-slash:document.getElementById('status').innerText", "open:stable/",
         "js:made:caches.open('another-app').then((c) => c.put('/note', new Response('kept')))"
         ".then(() => 'made')",
         "wait-worker", "open:beta/", "wait-worker",
         "js:kept:caches.match('/note', {cacheName: 'another-app'})"
         ".then((r) => (r ? r.text() : 'lost'))",
         "offline", "open:stable/", "page:stable", "shot:stable", "open:beta/", "page:beta",
         "shot:beta"});
    EXPECT_NE(session.page("no-slash").find("If the page's address does not end in /, add one."),
              std::string::npos)
        << session.page("no-slash");
    EXPECT_EQ(session.page("made"), "made");
    EXPECT_EQ(session.page("kept"), "kept");
    expectStarted(session.page("stable"));
    expectGreenGround(session.shot("stable"));
    expectStarted(session.page("beta"));
    expectBlueGround(session.shot("beta"));
}

TEST(OfflinePage, KeepsOnlyTheBuildsFilesAndSaysSoWhenItCannotKeepThem) {
    // An .htaccess left in the site, which the server refuses, is none of the build's files. A
    // rebuild that lacks one of them cannot be kept, which the page's console says, and it
    // leaves no cache of its own beside the build kept before.
    TempDir scratch;
    const std::string stray = scratch.file("stray");
    copySite(ROLLING_CUBE_WEB_SITE, stray);
    writeFile(stray + "/.htaccess", "Require all denied\n");
    writeServiceWorker(stray);
    const std::string lacking = scratch.file("lacking");
    copySite(stray, lacking);
    writeFile(lacking + "/manifest.webmanifest",
              readFile(lacking + "/manifest.webmanifest") + "\n");
    writeServiceWorker(lacking);
    std::filesystem::remove(lacking + "/icon-512.png");

    const BrowserSession session({"serve:" + stray, "open", "wait-worker", "offline", "open",
                                  "page:offline", "shot:offline", "serve:" + lacking, "online",
                                  "open", "wait-worker",
                                  "js:caches:caches.keys()"
                                  ".then((names) => names.length)"});
    expectStarted(session.page("offline"));
    expectGreenGround(session.shot("offline"));
    EXPECT_EQ(session.page("caches"), "1");
    const std::string console = session.browserConsole();
    EXPECT_NE(console.find("warn: Rolling Cube could not keep its files for use without a network"),
              std::string::npos)
        << console;
}

TEST(OfflinePage, StartsOfflineWhereTheServerRedirectsIndexHtmlToItsFolder) {
    const BrowserSession session({"redirect-index", "open", "wait-worker", "offline", "open",
                                  "page:offline", "shot:offline"});
    expectStarted(session.page("offline"));
    expectGreenGround(session.shot("offline"));
}
