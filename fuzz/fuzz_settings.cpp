// libFuzzer target: arbitrary bytes as a settings file, and as the overlay
// blocks that graph and scheduling documents carry.
#include <cstdio>
#include <cstdlib>

#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkSettings(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkOverlays(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_settings: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
