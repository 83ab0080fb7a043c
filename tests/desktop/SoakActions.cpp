#include "SoakActions.h"

#include <array>
#include <vector>

int SoakActions::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

std::string SoakActions::next() {
    // Weighted towards the mouse, which is where the program does most of its work.
    const int pick = uniform(0, 11);
    if (pick < 4) return drag();
    if (pick < 6) return click();
    if (pick < 9) return key();
    if (pick < 10) return resize();
    if (pick < 11) return move();
    return "sleep 0.0" + std::to_string(uniform(1, 9));
}

std::string SoakActions::drag() {
    // Every combination of left (1), middle (2) and right (3), pressed in either order.
    static const std::array<std::vector<int>, 9> combinations = {{
        {1},
        {2},
        {3},
        {1, 3},
        {3, 1},
        {1, 2},
        {2, 3},
        {1, 2, 3},
        {3, 2, 1},
    }};
    const std::vector<int>& buttons = combinations[uniform(0, combinations.size() - 1)];
    std::string command = "mousemove --window WINDOW " + std::to_string(uniform(0, 639)) + " " +
                          std::to_string(uniform(0, 479));
    for (const int button : buttons) command += " mousedown " + std::to_string(button);
    const int steps = uniform(1, 8);
    for (int i = 0; i < steps; ++i) {
        command += " mousemove_relative -- " + std::to_string(uniform(-60, 60)) + " " +
                   std::to_string(uniform(-60, 60)) + " sleep 0.01";
    }
    for (auto button = buttons.rbegin(); button != buttons.rend(); ++button) {
        command += " mouseup " + std::to_string(*button);
    }
    return command;
}

std::string SoakActions::click() {
    // Buttons 4 and 5 are the wheel, which GLUT hands to the mouse callback as buttons too.
    const std::string button = std::to_string(uniform(1, 5));
    return "mousemove --window WINDOW " + std::to_string(uniform(0, 639)) + " " +
           std::to_string(uniform(0, 479)) + " mousedown " + button + " sleep 0.0" +
           std::to_string(uniform(0, 5)) + " mouseup " + button;
}

namespace {

const std::array<const char*, 14> keys = {
    "o", "p", "o", "p", "O", "P", "a", "q", "space", "Escape", "Return", "F1", "Left", "0",
};

}  // namespace

std::string SoakActions::releaseAll() {
    std::string command;
    for (int button = 1; button <= 5; ++button) command += " mouseup " + std::to_string(button);
    for (const char* name : keys) command += std::string(" keyup ") + name;
    return command.substr(1);
}

std::string SoakActions::key() {
    const std::string name = keys[uniform(0, keys.size() - 1)];
    if (uniform(0, 3) == 0) return "keydown " + name + " sleep 0.05 keyup " + name;
    return "key " + name;
}

std::string SoakActions::resize() {
    if (uniform(0, 4) == 0) return "windowsize WINDOW 1 1";
    return "windowsize WINDOW " + std::to_string(uniform(1, 1200)) + " " +
           std::to_string(uniform(1, 1000));
}

std::string SoakActions::move() {
    return "windowmove WINDOW " + std::to_string(uniform(-200, 1100)) + " " +
           std::to_string(uniform(-200, 900));
}
