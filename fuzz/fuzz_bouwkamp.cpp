// libFuzzer target: arbitrary bytes as a pasted Bouwkamp code (read, built, made a network).
#include <cstdio>
#include <cstdlib>

#include "fuzz_sqrect_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkBouwkamp(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_bouwkamp: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
