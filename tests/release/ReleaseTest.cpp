#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "BrowserSession.h"
#include "RunningProgram.h"
#include "TestFiles.h"

// The downloads scripts/release.sh put in dist/ (the release_dist test runs it first).
namespace {

const std::string root = ROLLING_CUBE_SOURCE_DIR;
const std::string version = ROLLING_CUBE_VERSION;
const std::string dist = root + "/dist";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// release.sh refuses a work tree with uncommitted changes, so then there is no dist/ to check.
bool uncommitted() {
    return !runCommand("git -C " + shellQuoted(root) + " status --porcelain").empty();
}
const char* const noRelease = "the work tree has uncommitted changes, so release.sh made none";

TEST(Release, SumsListEveryDownloadAndCheck) {
    if (uncommitted()) GTEST_SKIP() << noRelease;
    const std::vector<std::string> downloads = {"rolling-cube-" + version + ".tar.gz",
                                                "rolling-cube_" + version + "_amd64.deb",
                                                "rolling-cube_" + version + "_arm64.deb",
                                                "rolling-cube_" + version + "_armhf.deb",
                                                "rolling-cube-" + version + "-web.zip",
                                                "rolling-cube-" + version + "-windows-x86_64.zip"};
    std::vector<std::string> inDist;
    for (const auto& entry : std::filesystem::directory_iterator(dist))
        inDist.push_back(entry.path().filename().string());
    std::vector<std::string> expected = downloads;
    expected.push_back("SHA256SUMS");
    EXPECT_EQ(sorted(inDist), sorted(expected));

    std::vector<std::string> summed;
    for (const std::string& line : lines(readFile(dist + "/SHA256SUMS")))
        summed.push_back(line.substr(line.find("  ") + 2));
    EXPECT_EQ(sorted(summed), sorted(downloads));
    EXPECT_NO_THROW(runCommand("cd " + shellQuoted(dist) + " && sha256sum --quiet -c SHA256SUMS"));
}

TEST(Release, SourceArchiveIsTheCommittedTreeAndBuildsWithoutTests) {
    if (uncommitted()) GTEST_SKIP() << noRelease;
    const std::string archive = dist + "/rolling-cube-" + version + ".tar.gz";
    const std::string top = "rolling-cube-" + version + "/";
    std::vector<std::string> files;
    for (const std::string& entry : lines(runCommand("tar -tzf " + shellQuoted(archive)))) {
        ASSERT_EQ(entry.rfind(top, 0), 0u) << entry << " is outside " << top;
        if (entry.back() != '/') files.push_back(entry.substr(top.size()));
    }
    // Exactly the commit's files: no .git, no build folders, no dist/.
    EXPECT_EQ(
        sorted(files),
        sorted(lines(runCommand("git -C " + shellQuoted(root) + " ls-tree -r --name-only HEAD"))));

    const TempDir scratch;
    const std::string folder = scratch.file(awkwardFolderName);
    std::filesystem::create_directory(folder);
    runCommand("tar -xzf " + shellQuoted(archive) + " -C " + shellQuoted(folder));
    runCommand("cmake -S " + shellQuoted(folder + "/" + top) + " -B " +
               shellQuoted(folder + "/build") +
               " -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF >/dev/null && cmake --build " +
               shellQuoted(folder + "/build") + " -j$(nproc) >/dev/null");
    EXPECT_TRUE(std::filesystem::exists(folder + "/build/rolling-cube"));
}

TEST(Release, WebZipServedShowsThePage) {
    if (uncommitted()) GTEST_SKIP() << noRelease;
    const TempDir scratch;
    runCommand("unzip -q " + shellQuoted(dist + "/rolling-cube-" + version + "-web.zip") + " -d " +
               shellQuoted(scratch.path()));
    std::vector<std::string> top;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path()))
        top.push_back(entry.path().filename().string());
    const std::string site = scratch.file("rolling-cube-" + version + "-web");
    ASSERT_EQ(top, std::vector<std::string>{"rolling-cube-" + version + "-web"});
    const std::string readme = readFile(site + "/README.txt");
    EXPECT_NE(readme.find("HTTPS"), std::string::npos) << readme;
    EXPECT_NE(readme.find("localhost"), std::string::npos) << readme;

    const BrowserSession session(site, {"open", "page:start"});
    EXPECT_NE(session.page("start").find(std::string("console:\n") + allPicturesLoaded),
              std::string::npos)
        << session.page("start");
}

// A clone of the checkout's commit in scratch, under a name a shell would misread.
std::string cloneOfHead(const TempDir& scratch) {
    const std::string clone = scratch.file(awkwardFolderName);
    runCommand("git clone -q --no-checkout " + shellQuoted(root) + " " + shellQuoted(clone) +
               " && git -C " + shellQuoted(clone) + " checkout -q --detach \"$(git -C " +
               shellQuoted(root) + " rev-parse HEAD)\"");
    return clone;
}

// Uncommitted work, also where git status does not look (skip-worktree, assume-unchanged), is
// refused, and so is a folder inside another clone, whose commit git would take: a release made
// anyway would not be that of the commit it names, or would be taken for holding the work.
TEST(Release, RefusesAWorkTreeWithUncommittedChanges) {
    // An edited file and the mark on its index entry; no file: the commit unpacked in dist/.
    for (const auto& [file, mark] : std::vector<std::pair<std::string, std::string>>{
             {"notes.txt", ""},
             {"data/rolling-cube.desktop", "--skip-worktree"},
             {"LICENSE", "--assume-unchanged"},
             {"", ""}}) {
        const TempDir scratch;
        const std::string clone = cloneOfHead(scratch), git = "git -C " + shellQuoted(clone);
        const std::string folder = clone + (file.empty() ? "/dist/unpacked" : "");
        runCommand("mkdir -p " + shellQuoted(folder));
        if (file.empty()) runCommand(git + " archive HEAD | tar -x -C " + shellQuoted(folder));
        if (!mark.empty()) runCommand(git + " update-index " + mark + " " + file);
        if (!file.empty()) writeFile(clone + "/" + file, "not committed\n");
        const auto [status, out] =
            runCommandForOutcome(shellQuoted(folder + "/scripts/release.sh"));
        EXPECT_NE(status, 0) << out;
        EXPECT_NE(out.find(file.empty() ? folder + " is not the top of a git clone"
                                        : "uncommitted changes"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(file), std::string::npos) << out;
        EXPECT_FALSE(std::filesystem::exists(folder + "/dist")) << out;
    }

    // A second release in a clone where one is running stops at once and says so; the first,
    // stopped, leaves nothing behind.
    const TempDir scratch;
    const std::string clone = cloneOfHead(scratch), log = shellQuoted(scratch.file("first"));
    const std::string release = shellQuoted(clone + "/scripts/release.sh");
    const std::string group =
        runCommand("setsid " + release + " >" + log + " 2>&1 </dev/null & echo $!");
    runCommand("for i in $(seq 600); do grep -q '^Packing' " + log + " && break; sleep 0.1; done");
    const CommandOutcome second = runCommandForOutcome("timeout 60 " + release);
    const pid_t first = std::stoi(group);
    kill(-first, SIGTERM);
    while (kill(-first, 0) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_NE(second.output.find("a release is already running"), std::string::npos)
        << second.output << readFile(scratch.file("first"));
    EXPECT_NE(second.status, 0) << second.output;
    EXPECT_FALSE(std::filesystem::exists(clone + "/build-release"));
}

}  // namespace
