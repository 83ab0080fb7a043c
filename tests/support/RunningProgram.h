#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "Rgb.h"
#include "app/StartupPictures.h"

// What a test may change about how the program starts, besides its working directory.
struct ProgramLaunch {
    // Environment variables, "NAME=value", set for the program on top of the test's own.
    std::vector<std::string> environment;
    // A descriptor to give the program as its standard output instead of the file that output()
    // reads; the program gets a copy, so the test may close its own.
    int standardOutput = -1;
    // Starts the program with no standard output at all, as `>&-` does; output() is then empty.
    bool standardOutputClosed = false;
    // The executable to start: the build's own, or an installed copy.
    std::string executable = ROLLING_CUBE_EXECUTABLE;
    // Its arguments, e.g. the Windows program for Wine to run.
    std::vector<std::string> arguments;
};

// The real rolling-cube executable running in its own window on the current display, driven
// with xdotool and photographed with ImageMagick's import. Only one should run at a time: the
// window is found by its title, and keys and the mouse go to the one focused window.
class RunningProgram {
  public:
    using Rgb = ::Rgb;

    // An RGB picture of the window, y counting down from the top as on screen.
    struct Screenshot {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> rgb;
        Rgb at(int x, int y) const;
    };

    // Starts the program in workingDirectory (the repository root by default) and waits for its
    // window; throws std::runtime_error if it does not appear.
    explicit RunningProgram(const std::string& workingDirectory = ROLLING_CUBE_SOURCE_DIR,
                            const ProgramLaunch& launch = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    const std::string& windowId() const { return window_; }
    pid_t pid() const { return pid_; }
    std::string title() const;
    bool alive();

    // Sends a key (an xdotool key name such as "o") to the focused window and waits a moment so
    // that the program has handled it.
    void key(const std::string& name);

    // Runs an xdotool command line with "WINDOW" replaced by the window's id.
    void xdotool(const std::string& arguments) const;

    Screenshot screenshot() const;

    // Everything the program has written to standard output so far; still there once it ends.
    std::string output() const;

    // Closes the window as a window manager's close button would and waits up to timeoutSeconds
    // for the program to end by itself; false if it is still running then.
    bool closeWindow(int timeoutSeconds);

    // Stops the program and returns its exit status as waitpid reports it.
    int stop();

  private:
    pid_t pid_ = -1;
    std::string window_;
    std::string outputPath_;
    int status_ = 0;
};

// Sends KEY and gives the program's title then: a loaded machine may take a while to deliver the
// key and let the program retitle its window, so this waits up to ten seconds for the expected
// title before giving the one it last saw.
std::string titleAfterKey(RunningProgram& program, const std::string& key,
                          const std::string& expected);

// A moment for the program to take in the input just sent and draw a frame or two.
void settle();

// What the program prints as it starts, one line for each of its three pictures. Its window takes
// its title before the pictures are read, so a loaded machine may show the window well before
// the lines are written: this waits up to ten seconds for all three before giving what is there.
std::string loadingLines(const RunningProgram& program);

// Those lines when all three pictures load.
inline constexpr const char* allPicturesLoaded =
    "Loading cube texture... Success\nLoading ground texture... Success\n"
    "Loading roller texture... Success\n";

// The same lines with what follows picture INDEX's (in the program's table) "... ", up to and
// with its newline, replaced by INSTEAD, the reader's own text with its newline if it writes one:
// by default, the others load.
std::string allLoadedBut(int index, const std::string& instead,
                         const std::string& lines = allPicturesLoaded);

// The lines when no picture is found anywhere: each is missing under its relative path.
std::string noneFound();

// Where the program looks for a picture first, relative to its working directory, e.g.
// "Textures/Noise.bmp".
std::string relativePath(const StartupPicture& picture);

// An 8-bit binary PPM ("P6"), as ImageMagick writes one, read as a screenshot; throws if it is
// anything else or cut short.
RunningProgram::Screenshot screenshotFromPpm(const std::string& ppm);

// Whether a picture shows the program's grey background on more than a stray pixel or two: true
// once the program has drawn a frame.
bool showsBackground(const RunningProgram::Screenshot& shot);

// Runs a shell command and returns what it printed; throws if it fails.
std::string runCommand(const std::string& command);

// What a shell command printed on standard output and error, and its exit status: unlike
// runCommand's, a failing command here is an answer, not an error.
struct CommandOutcome {
    int status = -1;
    std::string output;
};
CommandOutcome runCommandForOutcome(const std::string& command);

// Where tool is on PATH, looked up as the test runs so that a tool installed after the suite was
// built is found; empty if it is not there.
std::string toolOnPath(const std::string& tool);
// What a test says when it finds tool missing: the package set that provides it.
std::string toolMissing(const std::string& tool, const std::string& packageSet);

// text in single quotes, as one word for the shell whatever it holds.
std::string shellQuoted(const std::string& text);
