#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "MouseRedBlock.h"
#include "PicturePrediction.h"
#include "RunningProgram.h"
#include "TestFiles.h"

// The Windows build as a user gets it: the zip unpacked into a folder whose path has a space
// and a letter that Windows' usual Western code page lacks, so that only the wide-character
// API finds the pictures beside the executable, and started by Wine from another folder.
namespace {

const std::string zip = WINDOWS_ZIP;

// The zip's one folder, unpacked under scratch.
std::string unpack(const TempDir& scratch) {
    const std::string target = scratch.file("Spiele in Łódź");
    runCommand("unzip -q " + shellQuoted(zip) + " -d " + shellQuoted(target));
    return target + "/" WINDOWS_FOLDER;
}

// scripts/test.sh installs Wine and MinGW-w64 and makes the zip once it knows the Windows tests
// are picked, after the suite is built, so the tests look their tools up as they run.
const std::string& wine() {
    static const std::string path = toolOnPath("wine");
    return path;
}

ProgramLaunch underWine(const std::string& folder) {
    ProgramLaunch launch;
    launch.executable = wine();
    launch.arguments = {folder + "/rolling-cube.exe"};
    launch.environment = {"WINEPREFIX=" WINE_PREFIX, "WINEDEBUG=-all",
                          "WINEDLLOVERRIDES=mscoree,mshtml="};
    return launch;
}

// The loading lines with Windows' line ends read as plain ones.
std::string plainLoadingLines(const RunningProgram& program) {
    std::string text = loadingLines(program);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

}  // namespace

TEST(WindowsZip, HoldsOneFolderWhoseProgramNeedsOnlyWindowsOwnLibraries) {
    const std::string objdump = toolOnPath("x86_64-w64-mingw32-objdump");
    ASSERT_FALSE(objdump.empty()) << toolMissing("MinGW-w64's objdump", "windows");
    std::string names;
    for (const char* name :
         {"/", "/LICENSE.txt", "/README.txt", "/Textures/", "/Textures/Grass.bmp",
          "/Textures/Noise.bmp", "/Textures/Spot.bmp", "/rolling-cube.exe"}) {
        names += std::string(WINDOWS_FOLDER) + name + "\n";
    }
    EXPECT_EQ(runCommand("unzip -Z1 " + shellQuoted(zip)), names);

    const TempDir scratch;
    const std::string folder = unpack(scratch);
    // Every line of the read-me ends in CR LF, so that Notepad shows it as written.
    const std::string readme = readFile(folder + "/README.txt");
    size_t lines = 0, bare = 0;
    for (size_t at = readme.find('\n'); at != std::string::npos; at = readme.find('\n', at + 1)) {
        ++lines;
        bare += at == 0 || readme[at - 1] != '\r';
    }
    EXPECT_GT(lines, 10u);
    EXPECT_EQ(bare, 0u);

    // Linked statically: no C++ runtime, thread library or freeglut DLL to ship beside it.
    const std::set<std::string> windowsOwn = {"advapi32.dll", "gdi32.dll",  "glu32.dll",
                                              "kernel32.dll", "msvcrt.dll", "opengl32.dll",
                                              "user32.dll",   "winmm.dll"};
    const std::string exe = folder + "/rolling-cube.exe";
    std::istringstream imports(runCommand(shellQuoted(objdump) + " -p " + shellQuoted(exe) +
                                          " | sed -n 's/.*DLL Name: //p'"));
    int count = 0;
    for (std::string dll; std::getline(imports, dll); ++count) {
        std::transform(dll.begin(), dll.end(), dll.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(windowsOwn.count(dll), 1u) << dll << " is not one of Windows' own";
    }
    EXPECT_GE(count, 4);
}

TEST(WindowsProgram, StartedElsewhereFindsItsPicturesAndAnswersKeysAndMouse) {
    ASSERT_FALSE(wine().empty()) << toolMissing("Wine", "windows");
    const TempDir scratch, elsewhere;
    RunningProgram program(elsewhere.path(), underWine(unpack(scratch)));
    EXPECT_EQ(plainLoadingLines(program), allPicturesLoaded);
    EXPECT_EQ(program.title(), "Perspective Projection");
    worldview::expectPicture(program, worldview::startingPicture());

    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    EXPECT_EQ(titleAfterKey(program, "p", "Perspective Projection"), "Perspective Projection");

    EXPECT_TRUE(aSecondsFlightNearsTheRedBlock(program));
    EXPECT_TRUE(program.alive());
}

TEST(WindowsProgram, WithoutItsPicturesSaysSoAndDrawsInPlainColour) {
    ASSERT_FALSE(wine().empty()) << toolMissing("Wine", "windows");
    const TempDir scratch, elsewhere;
    const std::string folder = unpack(scratch);
    // A folder in place of the cube's picture, which Windows cannot open: its message names the
    // whole path beside the executable, Wine's Z: drive and the letters beyond ASCII included.
    runCommand("cd " + shellQuoted(folder + "/Textures") + " && rm *.bmp && mkdir Noise.bmp");
    std::string windowsFolder = "Z:" + folder;
    std::replace(windowsFolder.begin(), windowsFolder.end(), '/', '\\');
    RunningProgram program(elsewhere.path(), underWine(folder));
    EXPECT_EQ(plainLoadingLines(program),
              allLoadedBut(0, "File Not Found : " + windowsFolder + "\\Textures\\Noise.bmp\n",
                           noneFound()));
    const auto shot = worldview::expectPicture(program, worldview::startingPicture());

    // The ground in the roller's flat cyan instead of grass.
    size_t cyan = 0;
    for (const auto& [column, row] : worldview::startingPicture().ground) {
        const Rgb c = shot.at(column, row);
        cyan += c.r <= 12 && c.g >= 240 && c.b >= 240;
    }
    EXPECT_GT(cyan, worldview::startingPicture().ground.size() * 9 / 10);
    EXPECT_TRUE(program.alive());
    program.stop();

    // On a console (Wine's, made of the terminal `script` gives it, not the test's own) the path
    // shows its letters as named, not as UTF-8 bytes read in the console's code page (ÅÃ³dÅº).
    ProgramLaunch onConsole = underWine(folder);
    onConsole.executable = "/bin/sh";
    onConsole.arguments = {"-c", "exec script -qec \"$0\" /dev/null </dev/null",
                           shellQuoted(wine()) + " " + shellQuoted(folder + "/rolling-cube.exe")};
    RunningProgram console(elsewhere.path(), onConsole);
    const std::string shown =
        std::regex_replace(loadingLines(console), std::regex("\x1b\\[[?0-9;]*[A-Za-z]"), "");
    EXPECT_NE(shown.find("Łódź"), std::string::npos) << shown;
    EXPECT_TRUE(console.closeWindow(20)) << "the program did not close with its window";
}
