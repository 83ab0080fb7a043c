#pragma once

#include <string>
#include <vector>

#include "RunningProgram.h"
#include "TestFiles.h"

// One visit of the browser build in headless Chromium, or Firefox when ROLLING_CUBE_BROWSER is
// "firefox": driver.mjs serves build-web/, opens the page and carries out the steps (see the
// list at the top of driver.mjs); the pictures and texts it saved are then read from a scratch
// folder.
class BrowserSession {
  public:
    // Runs the steps; a failed run fails the test with the driver's own report and throws.
    explicit BrowserSession(const std::vector<std::string>& steps);
    // The same, serving the site in the folder site instead of build-web/.
    BrowserSession(const std::string& site, const std::vector<std::string>& steps);

    // The canvas as saved by the step "shot:NAME", scaled to the program's 640 x 480 window by
    // averaging, so that a sharper picture keeps its flat colours.
    RunningProgram::Screenshot shot(const std::string& name) const;
    // The page's title, heading, status and console text as saved by the step "page:NAME".
    std::string page(const std::string& name) const;
    // Any other file a step saved, by its name.
    std::string saved(const std::string& file) const;
    // What the page wrote to the browser's console, one "type: text" line each.
    std::string browserConsole() const;

  private:
    TempDir out_;
};

// Whether this run's browser is Firefox, for the few steps only Chromium's driver can take.
bool inFirefox();
