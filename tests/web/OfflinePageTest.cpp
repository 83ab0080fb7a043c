#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BrowserSession.h"
#include "PicturePrediction.h"

// The page as a visitor keeps it: installable, started again without a network, and replaced as
// a whole once the site is rebuilt.
namespace {

// The mean colour of the ground where the starting camera predicts it.
Rgb meanGround(const RunningProgram::Screenshot& shot) {
    const worldview::Prediction prediction =
        worldview::predict(worldview::View(worldview::Projection::Perspective));
    Rgb sum{0, 0, 0};
    for (const auto& [column, row] : prediction.ground) {
        const Rgb c = shot.at(column, row);
        sum = Rgb{sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    const int n = std::max(1, static_cast<int>(prediction.ground.size()));
    return Rgb{sum.r / n, sum.g / n, sum.b / n};
}

// The site as a rebuild with an all-blue ground picture leaves it: the copy's rolling-cube.data
// gets blue pixels where Grass.bmp's were, and the build's own step writes its service worker.
void rebuildWithBlueGround(const std::string& site) {
    std::filesystem::copy(ROLLING_CUBE_WEB_SITE, site, std::filesystem::copy_options::recursive);
    std::string data = readFile(site + "/rolling-cube.data");
    const std::string grass = committedTexture("Grass.bmp");
    const size_t at = data.find(grass);
    ASSERT_NE(at, std::string::npos) << "Grass.bmp is not in rolling-cube.data";
    const size_t pixels =
        static_cast<unsigned char>(grass[10]) | static_cast<unsigned char>(grass[11]) << 8;
    for (size_t i = pixels; i + 3 <= grass.size(); i += 3) data.replace(at + i, 3, "\xff\0\0", 3);
    writeFile(site + "/rolling-cube.data", data);
    runCommand("cmake -DSITE='" + site + "' -P '" ROLLING_CUBE_SERVICE_WORKER_SCRIPT "'");
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
    const std::string started =
        "console:\nLoading cube texture... Success\nLoading ground texture... Success\n"
        "Loading roller texture... Success\n";
    for (const char* name : {"offline", "rebuilt-offline"}) {
        const std::string page = session.page(name);
        EXPECT_TRUE(page.find("status: \n") != page.npos && page.find(started) != page.npos)
            << page;
    }
    // The grass is green with some red in it; the rebuilt ground is blue, online and then
    // offline, from the cache the rebuilt site put in place of the first.
    const Rgb grass = meanGround(session.shot("offline"));
    EXPECT_TRUE(grass.g > grass.b && grass.r >= 20) << grass;
    for (const char* shot : {"rebuilt", "rebuilt-offline"}) {
        const Rgb ground = meanGround(session.shot(shot));
        EXPECT_TRUE(ground.r < 10 && ground.g < 50 && ground.b > 200) << shot << ": " << ground;
    }
}
