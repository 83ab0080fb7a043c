#pragma once

#include <cstdint>
#include <random>
#include <string>

// Random but reproducible user input for the soak test: each call gives one xdotool command line,
// with WINDOW standing for the program's window. Drags hold every combination of the three
// buttons, clicks cover the wheel too, keys include o, p and keys the program ignores, and the
// window is resized (down to a single pixel) and moved, partly off the screen at times.
class SoakActions {
  public:
    explicit SoakActions(uint32_t seed) : random_(seed) {}

    std::string next();

    // An xdotool command line that lets go of every button and key an action may press, for
    // when an action was cut short: the display is shared with the tests that run next.
    static std::string releaseAll();

  private:
    int uniform(int low, int high);
    std::string drag();
    std::string click();
    std::string key();
    std::string resize();
    std::string move();

    std::mt19937 random_;
};
