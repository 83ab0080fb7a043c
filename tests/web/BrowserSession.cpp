#include "BrowserSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

BrowserSession::BrowserSession(const std::vector<std::string>& steps)
    : BrowserSession(ROLLING_CUBE_WEB_SITE, steps) {}

BrowserSession::BrowserSession(const std::string& site, const std::vector<std::string>& steps) {
    if (!std::filesystem::exists(site + "/rolling-cube.wasm")) {
        ADD_FAILURE() << "no browser build in " << site << "; scripts/web.sh --build-only makes it";
        throw std::runtime_error("no browser build");
    }
    std::string command = "node " + shellQuoted(ROLLING_CUBE_WEB_DRIVER) + " " + shellQuoted(site) +
                          " " + shellQuoted(out_.path());
    for (const std::string& step : steps) command += " " + shellQuoted(step);
    command += " >" + shellQuoted(out_.file("driver.log")) + " 2>&1";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "the browser driver failed:\n" << readFile(out_.file("driver.log"));
        throw std::runtime_error("browser driver failed");
    }
}

RunningProgram::Screenshot BrowserSession::shot(const std::string& name) const {
    return screenshotFromPpm(runCommand("convert " + shellQuoted(out_.file(name + ".png")) +
                                        " -scale 640x480! -depth 8 ppm:-"));
}

std::string BrowserSession::page(const std::string& name) const {
    return readFile(out_.file(name + ".txt"));
}

std::string BrowserSession::saved(const std::string& file) const {
    return readFile(out_.file(file));
}

std::string BrowserSession::browserConsole() const {
    return readFile(out_.file("browser-console.txt"));
}

bool inFirefox() {
    const char* browser = std::getenv("ROLLING_CUBE_BROWSER");
    return browser != nullptr && std::string(browser) == "firefox";
}
