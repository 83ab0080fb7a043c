#include "RandRecorder.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A choice loop that never ends would otherwise fill the memory before the test times out.
constexpr size_t runawayDrawCount = 10'000'000;

std::vector<int>& noted() {
    static std::vector<int> values;
    return values;
}

using RandFunction = int (*)();

RandFunction libraryRand() {
    static const RandFunction real = reinterpret_cast<RandFunction>(dlsym(RTLD_NEXT, "rand"));
    if (real == nullptr) {
        std::fprintf(stderr, "cannot find the C library's rand\n");
        std::abort();
    }
    return real;
}

}  // namespace

namespace randrecorder {

void start() { noted().clear(); }

const std::vector<int>& draws() { return noted(); }

}  // namespace randrecorder

// Defined in the executable, this takes the place of the C library's rand for every caller
// linked into it.
extern "C" int rand() noexcept {
    const int value = libraryRand()();
    std::vector<int>& values = noted();
    if (values.size() >= runawayDrawCount) {
        std::fprintf(stderr, "%zu random numbers drawn without a pause: a choice never ends\n",
                     values.size());
        std::abort();
    }
    values.push_back(value);
    return value;
}
