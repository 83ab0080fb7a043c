#include "BrowserSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace {

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

}  // namespace

BrowserSession::BrowserSession(const std::vector<std::string>& steps) {
    const std::string site = ROLLING_CUBE_WEB_SITE;
    if (!std::filesystem::exists(site + "/rolling-cube.wasm")) {
        ADD_FAILURE() << "no browser build in " << site << "; scripts/web.sh --build-only makes it";
        throw std::runtime_error("no browser build");
    }
    std::string command =
        "node " + quoted(ROLLING_CUBE_WEB_DRIVER) + " " + quoted(site) + " " + quoted(out_.path());
    for (const std::string& step : steps) command += " " + quoted(step);
    command += " >" + quoted(out_.file("driver.log")) + " 2>&1";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "the browser driver failed:\n" << readFile(out_.file("driver.log"));
        throw std::runtime_error("browser driver failed");
    }
}

RunningProgram::Screenshot BrowserSession::shot(const std::string& name) const {
    // As a binary PPM: "P6", width, height, 255, then the RGB bytes row by row from the top.
    std::istringstream in(
        runCommand("convert " + quoted(out_.file(name + ".png")) + " -depth 8 ppm:-"));
    std::string magic;
    int maximum = 0;
    RunningProgram::Screenshot shot;
    in >> magic >> shot.width >> shot.height >> maximum;
    in.get();
    const size_t size = static_cast<size_t>(shot.width) * shot.height * 3;
    shot.rgb.resize(size);
    in.read(reinterpret_cast<char*>(shot.rgb.data()), static_cast<std::streamsize>(size));
    if (magic != "P6" || maximum != 255 || !in) throw std::runtime_error("bad picture " + name);
    return shot;
}

std::string BrowserSession::page(const std::string& name) const {
    return readFile(out_.file(name + ".txt"));
}

std::string BrowserSession::browserConsole() const {
    return readFile(out_.file("browser-console.txt"));
}
