#pragma once

#include <initializer_list>
#include <ostream>

// A pixel's colour as the tests read it back, each channel 0..255.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// The name of a colour whose channels are each 0 or 1 ("red", "cyan", ...), so that messages
// can name the blocks by the colours the layout gives them; "mixed" for any other colour.
inline const char* colourName(float r, float g, float b) {
    static const char* const names[8] = {"black", "blue",    "green",  "cyan",
                                         "red",   "magenta", "yellow", "white"};
    for (float c : {r, g, b}) {
        if (c != 0.0f && c != 1.0f) return "mixed";
    }
    return names[(r == 1.0f ? 4 : 0) + (g == 1.0f ? 2 : 0) + (b == 1.0f ? 1 : 0)];
}
