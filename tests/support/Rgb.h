#pragma once

#include <ostream>

// A pixel's colour as the tests read it back, each channel 0..255.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The program clears to a quarter grey, 0.25, which a renderer may round either way.
const Rgb background{64, 64, 64};
inline bool isBackground(const Rgb& c) {
    const auto grey = [](int channel) { return channel == 63 || channel == 64; };
    return grey(c.r) && grey(c.g) && grey(c.b);
}

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
